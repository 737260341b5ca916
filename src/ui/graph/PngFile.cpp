#include "ui/graph/PngFile.h"

#include <QIODevice>
#include <QImage>
#include <QtEndian>

#include <png.h>
#include <zlib.h>

namespace alphastop::ui {
namespace {

void Write(png_structp png, png_bytep data, png_size_t size) {
  auto* out = static_cast<QIODevice*>(png_get_io_ptr(png));
  if (out->write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
      static_cast<qint64>(size))
    png_error(png, "write failed");
}

void Flush(png_structp) {}

// The caller learns of a failure from the return value; libpng's own message would only
// repeat the device's.
[[noreturn]] void Fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Ignore(png_structp, png_const_charp) {}

}  // namespace

bool WritePng(const QImage& image, QIODevice& out) {
  Q_ASSERT(image.format() == QImage::Format_RGB32);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  // Nothing with a destructor lives from here on: a failure jumps back to this point.
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, Write, Flush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
               static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, 0, PNG_FILTER_NONE);
  png_set_compression_level(png, Z_BEST_SPEED);
  png_write_info(png, info);
  // An RGB32 pixel is one 32-bit word 0xffRRGGBB: its bytes in memory are read as RGB with
  // the filler byte dropped, in the order the machine stores them.
  if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
  } else {
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
  }
  for (int y = 0; y < image.height(); ++y) png_write_row(png, image.constScanLine(y));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace alphastop::ui
