#include "engine/platform/image_decoders.h"

#include <png.h>
#include <tiffio.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <limits>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// After jpeglib.h, which it builds on.
#include <jerror.h>

#include "engine/picture_budget.h"
#include "engine/screen.h"
#include "engine/tga_decoder.h"

namespace vorantis {

namespace {

// The most pixels one file byte can stand for, per format, so that a short file cannot
// claim a picture it could never hold. PNG: deflate expands at most 1032 times, and a
// 1-bit picture has 8 pixels per byte.
constexpr std::uint64_t kPngPixelsPerByte = 1032 * 8;
// JPEG: Huffman coding needs 2 bits per 8 x 8 block at least (256 pixels per byte);
// arithmetic coding goes further, so the bound is generous.
constexpr std::uint64_t kJpegPixelsPerByte = 4096;
// TIFF, 1-bit samples: stored plainly 8 pixels per byte; PackBits expands at most 64 times;
// the densest other codings (LZW about 2730:1, deflate 1032:1) rounded up. Fax-coded blank
// pages beyond that are refused.
constexpr std::uint64_t kTiffPlainPixelsPerByte = 8;
constexpr std::uint64_t kTiffPackBitsPixelsPerByte = 64 * 8;
constexpr std::uint64_t kTiffPixelsPerByte = 32768;

// Library allocations that are not pixels (PNG chunks, JPEG coefficient buffers, TIFF
// strips and tiles) stay below these. The PNG figure is libpng's usual default, made explicit.
constexpr png_alloc_size_t kPngLargestChunk = 8000000;
// Chunks that may repeat and are kept whole, none of which changes a pixel: texts and
// suggested palettes are skipped unread.
constexpr png_byte kPngSkippedChunks[] = {'t', 'E', 'X', 't', '\0', 'z', 'T', 'X', 't', '\0',
                                          'i', 'T', 'X', 't', '\0', 's', 'P', 'L', 'T', '\0'};
constexpr long kJpegMemory = static_cast<long>(kLargestPicturePixels * 8);
constexpr tmsize_t kTiffLargestAllocation = static_cast<tmsize_t>(kLargestPicturePixels * 4);

struct PngSource {
  const std::vector<std::uint8_t>* bytes;
  std::size_t position;
};

void PngRead(png_structp png, png_bytep into, png_size_t count) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (source->bytes->size() - source->position < count) png_error(png, "truncated");
  std::memcpy(into, source->bytes->data() + source->position, count);
  source->position += count;
}

void PngFail(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}

void PngWarn(png_structp, png_const_charp) {}

// Kept free of objects with destructors: a library error leaves through longjmp.
// The stored sample values are kept as they are (no gamma conversion).
bool DecodePngInto(const std::vector<std::uint8_t>& bytes, Image& out, std::vector<png_bytep>& rows) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFail, PngWarn);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  PngSource source{&bytes, 0};
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &source, PngRead);
  png_set_user_limits(png, kLargestPictureSide, kLargestPictureSide);
  png_set_chunk_malloc_max(png, kPngLargestChunk);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kPngSkippedChunks, 4);
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  const int colourType = png_get_color_type(png, info);
  if (!WithinPictureBudget(width, height, bytes.size(), kPngPixelsPerByte)) png_error(png, "size");
  // An alpha channel or a transparency chunk both count as an alpha of the file's own.
  const bool hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != width * 4) png_error(png, "layout");
  out.width = static_cast<int>(width);
  out.height = static_cast<int>(height);
  out.hasAlpha = hasAlpha;
  out.rgba.resize(static_cast<std::size_t>(width) * height * 4);
  rows.resize(height);
  for (png_uint_32 row = 0; row < height; ++row)
    rows[row] = &out.rgba[static_cast<std::size_t>(row) * width * 4];
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

}  // namespace

bool DecodePng(const std::vector<std::uint8_t>& bytes, Image& out) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return false;
  Image decoded;
  std::vector<png_bytep> rows;
  if (!DecodePngInto(bytes, decoded, rows)) return false;
  out = std::move(decoded);
  return true;
}

namespace {

struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf escape;
  bool truncated;
};

void JpegFail(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->escape, 1);
}

void JpegMessage(j_common_ptr info, int level) {
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  // Data that ends early is padded by the library; such a picture is refused.
  if (level < 0 && errors->manager.msg_code == JWRN_JPEG_EOF) errors->truncated = true;
}

// A progressive file may hold any number of scans, each a pass over the whole picture.
constexpr int kJpegMostScans = 256;

void JpegProgress(j_common_ptr common) {
  if (reinterpret_cast<j_decompress_ptr>(common)->input_scan_number > kJpegMostScans)
    common->err->error_exit(common);
}

// Kept free of objects with destructors: a library error leaves through longjmp.
bool DecodeJpegInto(const std::vector<std::uint8_t>& bytes, Image& out, std::vector<std::uint8_t>& row) {
  jpeg_decompress_struct info;
  JpegErrors errors;
  jpeg_progress_mgr progress;
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = JpegFail;
  errors.manager.emit_message = JpegMessage;
  errors.truncated = false;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = kJpegMemory;
  progress.progress_monitor = JpegProgress;
  info.progress = &progress;
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  // Before jpeg_start_decompress, which takes whole-picture buffers for progressive files.
  if (!WithinPictureBudget(info.image_width, info.image_height, bytes.size(), kJpegPixelsPerByte)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_width != info.image_width || info.output_height != info.image_height ||
      info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  const std::size_t width = info.output_width;
  out.width = static_cast<int>(width);
  out.height = static_cast<int>(info.output_height);
  out.hasAlpha = false;
  out.rgba.resize(width * info.output_height * 4);
  row.resize(width * 3);
  while (info.output_scanline < info.output_height) {
    std::uint8_t* into = &out.rgba[info.output_scanline * width * 4];
    JSAMPROW rgb = row.data();
    if (jpeg_read_scanlines(&info, &rgb, 1) != 1)
      errors.manager.error_exit(reinterpret_cast<j_common_ptr>(&info));
    for (std::size_t x = 0; x < width; ++x) {
      into[x * 4] = row[x * 3];
      into[x * 4 + 1] = row[x * 3 + 1];
      into[x * 4 + 2] = row[x * 3 + 2];
      into[x * 4 + 3] = 255;
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return !errors.truncated;
}

}  // namespace

bool DecodeJpeg(const std::vector<std::uint8_t>& bytes, Image& out) {
  if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF) return false;
  Image decoded;
  std::vector<std::uint8_t> row;
  if (!DecodeJpegInto(bytes, decoded, row)) return false;
  out = std::move(decoded);
  return true;
}

namespace {

struct TiffMemory {
  const std::vector<std::uint8_t>* bytes;
  toff_t position;
};

tsize_t TiffRead(thandle_t handle, tdata_t buffer, tsize_t size) {
  auto* memory = static_cast<TiffMemory*>(handle);
  const toff_t total = memory->bytes->size();
  if (size <= 0 || memory->position >= total) return 0;
  const toff_t count = std::min<toff_t>(static_cast<toff_t>(size), total - memory->position);
  std::memcpy(buffer, memory->bytes->data() + memory->position, count);
  memory->position += count;
  return static_cast<tsize_t>(count);
}

tsize_t TiffWrite(thandle_t, tdata_t, tsize_t) {
  return 0;
}

toff_t TiffSeek(thandle_t handle, toff_t offset, int whence) {
  auto* memory = static_cast<TiffMemory*>(handle);
  const auto total = static_cast<toff_t>(memory->bytes->size());
  toff_t base = 0;
  if (whence == SEEK_CUR) base = memory->position;
  if (whence == SEEK_END) base = total;
  // Offsets arrive unsigned; a negative move wraps, as the library expects.
  memory->position = base + offset;
  return memory->position;
}

int TiffClose(thandle_t) {
  return 0;
}

toff_t TiffSize(thandle_t handle) {
  return static_cast<TiffMemory*>(handle)->bytes->size();
}

int TiffMap(thandle_t, tdata_t*, toff_t*) {
  return 0;
}

void TiffUnmap(thandle_t, tdata_t, toff_t) {}

int TiffSilence(TIFF*, void*, const char*, const char*, va_list) {
  return 1;
}

// Any error, even one the library reads past, marks the file as damaged.
int TiffNoteError(TIFF*, void* failed, const char*, const char*, va_list) {
  *static_cast<bool*>(failed) = true;
  return 1;
}

std::uint64_t TiffPixelsPerByte(TIFF* tiff) {
  std::uint16_t compression = COMPRESSION_NONE;
  TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &compression);
  if (compression == COMPRESSION_NONE) return kTiffPlainPixelsPerByte;
  if (compression == COMPRESSION_PACKBITS) return kTiffPackBitsPixelsPerByte;
  return kTiffPixelsPerByte;
}

// The picture, and for a tiled file its tiles, which are read one at a time into a buffer
// of a tile's size, fit the budget and the file.
bool TiffWithinBudget(TIFF* tiff, std::uint32_t width, std::uint32_t height, std::size_t fileBytes) {
  const std::uint64_t perByte = TiffPixelsPerByte(tiff);
  if (!WithinPictureBudget(width, height, fileBytes, perByte)) return false;
  if (!TIFFIsTiled(tiff)) return true;
  std::uint32_t tileWidth = 0;
  std::uint32_t tileLength = 0;
  return TIFFGetField(tiff, TIFFTAG_TILEWIDTH, &tileWidth) == 1 &&
         TIFFGetField(tiff, TIFFTAG_TILELENGTH, &tileLength) == 1 &&
         WithinPictureBudget(tileWidth, tileLength, fileBytes, perByte);
}

}  // namespace

bool DecodeTiff(const std::vector<std::uint8_t>& bytes, Image& out) {
  if (bytes.size() < 8) return false;
  const bool little = bytes[0] == 'I' && bytes[1] == 'I';
  const bool big = bytes[0] == 'M' && bytes[1] == 'M';
  if (!little && !big) return false;

  TiffMemory memory{&bytes, 0};
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  bool damaged = false;
  TIFFOpenOptionsSetErrorHandlerExtR(options, TiffNoteError, &damaged);
  TIFFOpenOptionsSetWarningHandlerExtR(options, TiffSilence, nullptr);
  TIFFOpenOptionsSetMaxSingleMemAlloc(options, kTiffLargestAllocation);
  TIFF* tiff = TIFFClientOpenExt("memory", "rm", &memory, TiffRead, TiffWrite, TiffSeek, TiffClose, TiffSize,
                                 TiffMap, TiffUnmap, options);
  TIFFOpenOptionsFree(options);
  if (!tiff) return false;

  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint16_t extraCount = 0;
  std::uint16_t* extraKinds = nullptr;
  bool ok = TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) == 1 &&
            TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height) == 1 &&
            TiffWithinBudget(tiff, width, height, bytes.size());
  const bool hasAlpha =
      TIFFGetField(tiff, TIFFTAG_EXTRASAMPLES, &extraCount, &extraKinds) == 1 && extraCount > 0;
  // The RGBA reader premultiplies straight alpha; the engine keeps colours straight.
  const bool straightAlpha = hasAlpha && extraKinds[0] == EXTRASAMPLE_UNASSALPHA;
  std::vector<std::uint32_t> raster;
  if (ok) {
    raster.resize(static_cast<std::size_t>(width) * height);
    ok = TIFFReadRGBAImageOriented(tiff, width, height, raster.data(), ORIENTATION_TOPLEFT, 1) == 1;
  }
  TIFFClose(tiff);
  if (!ok || damaged) return false;

  out.width = static_cast<int>(width);
  out.height = static_cast<int>(height);
  out.hasAlpha = hasAlpha;
  out.rgba.resize(raster.size() * 4);
  for (std::size_t i = 0; i < raster.size(); ++i) {
    out.rgba[i * 4] = static_cast<std::uint8_t>(TIFFGetR(raster[i]));
    out.rgba[i * 4 + 1] = static_cast<std::uint8_t>(TIFFGetG(raster[i]));
    out.rgba[i * 4 + 2] = static_cast<std::uint8_t>(TIFFGetB(raster[i]));
    out.rgba[i * 4 + 3] = static_cast<std::uint8_t>(TIFFGetA(raster[i]));
    const unsigned alpha = TIFFGetA(raster[i]);
    if (straightAlpha && alpha > 0 && alpha < 255) {
      for (int c = 0; c < 3; ++c) {
        const unsigned value = (out.rgba[i * 4 + c] * 255u + alpha / 2) / alpha;
        out.rgba[i * 4 + c] = static_cast<std::uint8_t>(value > 255 ? 255 : value);
      }
    }
  }
  return true;
}

void RegisterImageDecoders(Screen& screen) {
  screen.RegisterImageDecoder(DecodePng);
  screen.RegisterImageDecoder(DecodeJpeg);
  screen.RegisterImageDecoder(DecodeTiff);
  screen.RegisterImageDecoder(DecodeTga);
}

}  // namespace vorantis
