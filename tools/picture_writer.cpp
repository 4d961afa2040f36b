#include "picture_writer.h"

#include <cstdio>

#include "render/jpeg_errors.h"

bool writeJpegPicture(const char* path, const uint8_t* rgb, int width, int height, int quality) {
  FILE* file = fopen(path, "wb");
  if (!file) {
    fprintf(stderr, "can't write %s\n", path);
    return false;
  }
  jpeg_compress_struct encoder;
  JpegErrorManager errors;
  encoder.err = jpeg_std_error(&errors.standard);
  errors.standard.error_exit = onJpegError;
  if (setjmp(errors.jumpTarget)) {
    jpeg_destroy_compress(&encoder);
    fclose(file);
    return false;
  }
  jpeg_create_compress(&encoder);
  jpeg_stdio_dest(&encoder, file);
  encoder.image_width = static_cast<JDIMENSION>(width);
  encoder.image_height = static_cast<JDIMENSION>(height);
  encoder.input_components = 3;
  encoder.in_color_space = JCS_RGB;
  jpeg_set_defaults(&encoder);
  jpeg_set_quality(&encoder, quality, TRUE);
  for (int c = 0; c < encoder.num_components; c++) {
    encoder.comp_info[c].h_samp_factor = 1;
    encoder.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&encoder, TRUE);
  while (encoder.next_scanline < encoder.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<size_t>(encoder.next_scanline) * width * 3);
    jpeg_write_scanlines(&encoder, &row, 1);
  }
  jpeg_finish_compress(&encoder);
  jpeg_destroy_compress(&encoder);
  bool written = fclose(file) == 0;
  if (!written) fprintf(stderr, "can't write %s\n", path);
  return written;
}
