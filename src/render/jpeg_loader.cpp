#include "render/jpeg_loader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "render/jpeg_errors.h"

namespace {

bool isColourKey(const uint8_t* rgb) {
  return rgb[0] >= COLOUR_KEY_MIN_RED_GREEN && rgb[1] >= COLOUR_KEY_MIN_RED_GREEN &&
         rgb[2] <= COLOUR_KEY_MAX_BLUE;
}

// Warnings mean corrupt or truncated data: the library would fill the rest
// with grey and carry on, so they end the decoding like an error.
void onJpegMessage(j_common_ptr decoder, int level) {
  if (level >= 0) return;  // trace messages
  onJpegError(decoder);
}

void reportFailure(const char* fileName) { fprintf(stderr, "can't open %s\n", fileName); }

}  // namespace

extern "C" void onJpegError(j_common_ptr codec) {
  codec->err->output_message(codec);
  longjmp(reinterpret_cast<JpegErrorManager*>(codec->err)->jumpTarget, 1);
}

int loadJpegTexture(const char* fileName, uint8_t* destination, int alpha, int width,
                    int height) {
  FILE* file = fopen(fileName, "rb");
  if (!file) {
    reportFailure(fileName);
    return 0;
  }
  const int pixelSize = alpha ? 4 : 3;
  // The picture is decoded aside and copied over only when it is whole.
  uint8_t* image = static_cast<uint8_t*>(malloc(static_cast<size_t>(width) * height * pixelSize));
  if (!image) {
    fclose(file);
    reportFailure(fileName);
    return 0;
  }

  jpeg_decompress_struct decoder;
  JpegErrorManager errors;
  decoder.err = jpeg_std_error(&errors.standard);
  errors.standard.error_exit = onJpegError;
  errors.standard.emit_message = onJpegMessage;
  if (setjmp(errors.jumpTarget)) {
    jpeg_destroy_decompress(&decoder);
    fclose(file);
    free(image);
    reportFailure(fileName);
    return 0;
  }
  jpeg_create_decompress(&decoder);
  jpeg_stdio_src(&decoder, file);
  jpeg_read_header(&decoder, TRUE);
  // The size the header claims is checked before decompression starts, so
  // that a header claiming a huge picture never makes the library reserve
  // memory for it.
  jpeg_calc_output_dimensions(&decoder);
  const int rowWidth = static_cast<int>(decoder.output_width);
  if (rowWidth != width || static_cast<int>(decoder.output_height) != height ||
      decoder.output_components != 3) {
    jpeg_destroy_decompress(&decoder);
    fclose(file);
    free(image);
    reportFailure(fileName);
    return 0;
  }
  jpeg_start_decompress(&decoder);

  JSAMPARRAY row = (*decoder.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&decoder),
                                                JPOOL_IMAGE, rowWidth * 3, 1);
  while (decoder.output_scanline < decoder.output_height) {
    int r = static_cast<int>(decoder.output_scanline);
    jpeg_read_scanlines(&decoder, row, 1);
    uint8_t* line = image + static_cast<size_t>(r) * rowWidth * pixelSize;
    for (int p = 0; p < rowWidth; p++) {
      const uint8_t* source = row[0] + p * 3;
      uint8_t* target = line + (rowWidth - 1 - p) * pixelSize;
      if (alpha && isColourKey(source)) {
        target[0] = target[1] = target[2] = target[3] = 0;
        continue;
      }
      target[0] = source[0];
      target[1] = source[1];
      target[2] = source[2];
      if (alpha) target[3] = 255;
    }
  }
  jpeg_finish_decompress(&decoder);
  jpeg_destroy_decompress(&decoder);
  fclose(file);
  memcpy(destination, image, static_cast<size_t>(width) * height * pixelSize);
  free(image);
  return 1;
}

void fillPlainPicture(uint8_t* destination, int alpha, int width, int height) {
  const int pixelSize = alpha ? 4 : 3;
  memset(destination, 255, static_cast<size_t>(width) * height * pixelSize);
}
