#include "engine/platform/png_writer.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace vorantis {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// libpng reports errors by longjmp; everything it touches is set up before setjmp
// and released after it, so no C++ object lives across the jump.
bool EncodeRows(std::FILE* file, int width, int height, std::vector<png_bytep>& rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  bool ok = false;
  if (setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_set_compression_level(png, 6);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    ok = true;
  }
  png_destroy_write_struct(&png, &info);
  return ok;
}

}  // namespace

bool WritePng(const std::string& path, const Image& image) {
  const auto pixels = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
  if (image.width <= 0 || image.height <= 0 || image.rgba.size() < pixels * 4) return false;
  std::vector<png_byte> rgb(pixels * 3);
  for (std::size_t i = 0; i < pixels; ++i) {
    rgb[i * 3] = image.rgba[i * 4];
    rgb[i * 3 + 1] = image.rgba[i * 4 + 1];
    rgb[i * 3 + 2] = image.rgba[i * 4 + 2];
  }
  std::vector<png_bytep> rows(static_cast<std::size_t>(image.height));
  for (int y = 0; y < image.height; ++y) {
    rows[static_cast<std::size_t>(y)] = rgb.data() + static_cast<std::size_t>(y) * image.width * 3;
  }
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  if (!EncodeRows(file.get(), image.width, image.height, rows)) return false;
  return std::fflush(file.get()) == 0;
}

}  // namespace vorantis
