// The JPEG library's error handling shared by the picture loader and the
// picture generator: the library's standard error manager with a place to
// jump back to, and an error exit that prints the library's message and
// jumps there, so a failure ends the coding instead of the program.
#pragma once
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

struct JpegErrorManager {
  jpeg_error_mgr standard;
  jmp_buf jumpTarget;
};

extern "C" void onJpegError(j_common_ptr codec);
