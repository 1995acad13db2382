#include "engine/platform/gl_renderer.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <unordered_map>
#include <vector>

#include "engine/frame_pacing.h"
#include "engine/platform/gl_atlas.h"
#include "engine/platform/gl_shaders.h"

namespace vorantis {

unsigned GlBlendFactor(int number, bool isSource) {
  switch (number) {
    case kBlendZero:
      return GL_ZERO;
    case kBlendOne:
      return GL_ONE;
    case kBlendSourceColour:
      return GL_SRC_COLOR;
    case kBlendInverseSourceColour:
      return GL_ONE_MINUS_SRC_COLOR;
    case kBlendSourceAlpha:
      return GL_SRC_ALPHA;
    case kBlendInverseSourceAlpha:
      return GL_ONE_MINUS_SRC_ALPHA;
    case kBlendDestAlpha:
      return GL_DST_ALPHA;
    case kBlendInverseDestAlpha:
      return GL_ONE_MINUS_DST_ALPHA;
    case kBlendDestColour:
      return GL_DST_COLOR;
    case kBlendInverseDestColour:
      return GL_ONE_MINUS_DST_COLOR;
    case kBlendSourceAlphaSaturate:
      return GL_SRC_ALPHA_SATURATE;
    // "Both" factors set the pair: as a source they decide the destination too.
    case kBlendBothSourceAlpha:
      return isSource ? GL_SRC_ALPHA : GL_ONE_MINUS_SRC_ALPHA;
    case kBlendBothInverseSourceAlpha:
      return isSource ? GL_ONE_MINUS_SRC_ALPHA : GL_SRC_ALPHA;
    default:
      return kNoBlendFactor;
  }
}

namespace {

struct Vertex {
  float x, y, u, v;
  float keyRed, keyGreen, keyBlue, keyed;
  float opacity, ownAlpha;
  GLint placeX, placeY, placeWidth, placeHeight;  // the picture's texels in its texture
};

constexpr int kAtlasSide = 2048;
constexpr int kLargestAtlasPicture = 256;
constexpr int kMostAtlasPages = 8;

// The quad programs, one per combination of these bits.
enum ProgramBits { kPartialBit = 1, kBilinearBit = 2, kOwnAlphaBit = 4, kKeyedBit = 8, kProgramCount = 16 };

// Each shader's source may come in parts, read one after the other.
GLuint CompileProgram(std::vector<const char*> vertexSource, std::vector<const char*> fragmentSource) {
  auto compile = [](GLenum kind, const std::vector<const char*>& source) {
    GLuint shader = glCreateShader(kind);
    glShaderSource(shader, static_cast<GLsizei>(source.size()), source.data(), nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
      glDeleteShader(shader);
      return 0u;
    }
    return shader;
  };
  GLuint vertex = compile(GL_VERTEX_SHADER, vertexSource);
  GLuint fragment = compile(GL_FRAGMENT_SHADER, fragmentSource);
  GLuint program = 0;
  if (vertex && fragment) {
    program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
      glDeleteProgram(program);
      program = 0;
    }
  }
  if (vertex) glDeleteShader(vertex);
  if (fragment) glDeleteShader(fragment);
  return program;
}

class GlRenderer : public Renderer {
 public:
  GlRenderer(int width, int height, GlPresentTarget target)
      : width_(width), height_(height), target_(std::move(target)) {}

  ~GlRenderer() override {
    for (GLuint program : programs_)
      if (program) glDeleteProgram(program);
    for (const SpareGrab& spare : spareGrabs_) glDeleteTextures(1, &spare.name);
    for (GLuint page : atlasPages_) glDeleteTextures(1, &page);
    if (buffer_) glDeleteBuffers(1, &buffer_);
    if (quadArray_) glDeleteVertexArrays(1, &quadArray_);
    if (framebuffer_) glDeleteFramebuffers(1, &framebuffer_);
    if (backBuffer_) glDeleteTextures(1, &backBuffer_);
  }

  bool Initialise() {
    if (epoxy_gl_version() < 33) return false;
    for (int bits = 0; bits < kProgramCount; ++bits) {
      programs_[bits] = CompileProgram(
          {gl_shaders::kQuadVertex},
          {gl_shaders::kFragmentVersion, bits & kPartialBit ? gl_shaders::kPartialGrab : "",
           bits & kBilinearBit ? gl_shaders::kBilinear : "", bits & kOwnAlphaBit ? gl_shaders::kOwnAlpha : "",
           bits & kKeyedBit ? gl_shaders::kKeyed : "", gl_shaders::kQuadFragment});
      if (!programs_[bits]) return false;
    }

    // No alpha in the back buffer: blending reads the destination alpha as opaque.
    glGenTextures(1, &backBuffer_);
    glBindTexture(GL_TEXTURE_2D, backBuffer_);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, width_, height_, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // Shown at its own size (the game's case) each pixel takes its texel unfiltered.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glGenFramebuffers(1, &framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, backBuffer_, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) return false;

    glGenVertexArrays(1, &quadArray_);
    glGenBuffers(1, &buffer_);
    glBindVertexArray(quadArray_);
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    const GLsizei stride = sizeof(Vertex);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, x)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, u)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 4, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(Vertex, keyRed)));
    glEnableVertexAttribArray(3);
    glVertexAttribPointer(3, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(Vertex, opacity)));
    glEnableVertexAttribArray(4);
    glVertexAttribIPointer(4, 4, GL_INT, stride, reinterpret_cast<void*>(offsetof(Vertex, placeX)));

    for (int bits = 0; bits < kProgramCount; ++bits) {
      const GLuint program = programs_[bits];
      glUseProgram(program);
      glUniform1i(glGetUniformLocation(program, "picture"), 0);
      glUniform2f(glGetUniformLocation(program, "pixelToClip"), 2.0f / static_cast<float>(width_),
                  2.0f / static_cast<float>(height_));
      grabKeptLocation_[bits] = glGetUniformLocation(program, "grabKept");
      grabSizeLocation_[bits] = glGetUniformLocation(program, "grabSize");
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glUseProgram(0);
    BindBackBuffer();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    return glGetError() == GL_NO_ERROR;
  }

  std::uint32_t CreateTexture(const Image& image) override {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgba.size() != static_cast<std::size_t>(image.width) * image.height * 4) {
      return 0;
    }
    Picture picture;
    picture.width = image.width;
    picture.height = image.height;
    picture.place = atlas_.Take(image.width, image.height);
    if (picture.place.page >= static_cast<int>(atlasPages_.size())) {
      atlasPages_.push_back(NewTexture());
      glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kAtlasSide, kAtlasSide, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    }
    if (picture.place.page >= 0) {
      picture.name = atlasPages_[picture.place.page];
      glActiveTexture(GL_TEXTURE0);
      glBindTexture(GL_TEXTURE_2D, picture.name);
      glTexSubImage2D(GL_TEXTURE_2D, 0, picture.place.x, picture.place.y, image.width, image.height, GL_RGBA,
                      GL_UNSIGNED_BYTE, image.rgba.data());
    } else {
      picture.name = NewTexture();
      glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                   image.rgba.data());
    }
    stats_.texelsUploaded += static_cast<long long>(image.width) * image.height;
    if (glGetError() != GL_NO_ERROR) {
      Release(picture);
      return 0;
    }
    picture.colours = PictureColours::Of(image);
    return Keep(std::move(picture));
  }

  // Only the part of the rectangle on the back buffer is copied; the shader reads the
  // rest as black. A grab many times the buffer's size (the zoom) costs no more than the buffer.
  std::uint32_t GrabTexture(int x, int y, int width, int height) override {
    if (width <= 0 || height <= 0) return 0;
    Flush();
    const long long left = std::max<long long>(x, 0), top = std::max<long long>(y, 0);
    const long long right = std::min<long long>(static_cast<long long>(x) + width, width_);
    const long long bottom = std::min<long long>(static_cast<long long>(y) + height, height_);
    const bool onBuffer = left < right && top < bottom;
    const GLsizei keptWidth = onBuffer ? static_cast<GLsizei>(right - left) : 1;
    const GLsizei keptHeight = onBuffer ? static_cast<GLsizei>(bottom - top) : 1;
    // The zoom grabs the same rectangle every frame: a texture freed by the last grab
    // takes the copy, so a frame makes no texture.
    const auto spare = std::find_if(spareGrabs_.begin(), spareGrabs_.end(), [&](const SpareGrab& g) {
      return g.width == keptWidth && g.height == keptHeight;
    });
    GLuint texture = 0;
    if (spare != spareGrabs_.end()) {
      texture = spare->name;
      spareGrabs_.erase(spare);
      glActiveTexture(GL_TEXTURE0);
      glBindTexture(GL_TEXTURE_2D, texture);
    } else {
      texture = NewTexture();
      glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, keptWidth, keptHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    }
    if (onBuffer) {
      glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, static_cast<GLint>(left), static_cast<GLint>(top),
                          keptWidth, keptHeight);
      ++stats_.grabs;
    }
    Picture picture;
    picture.name = texture;
    picture.width = keptWidth;
    picture.height = keptHeight;
    picture.grab = true;
    if (glGetError() != GL_NO_ERROR) {
      glDeleteTextures(1, &texture);
      return 0;
    }
    const std::uint32_t grabbed = Keep(std::move(picture));
    const bool whole = left == x && top == y && right - left == width && bottom - top == height;
    if (!whole) {
      GrabFrame& frame = grabFrames_[grabbed];
      frame.left = static_cast<int>(left - x);
      frame.top = static_cast<int>(top - y);
      frame.keptWidth = onBuffer ? keptWidth : 0;
      frame.keptHeight = onBuffer ? keptHeight : 0;
      frame.width = width;
      frame.height = height;
    }
    return grabbed;
  }

  void DestroyTexture(std::uint32_t texture) override {
    const auto found = pictures_.find(texture);
    if (found == pictures_.end()) return;
    // Quads waiting in the batch may read it (or its atlas page, which may take another picture).
    if (found->second.name == batchTexture_) Flush();
    grabFrames_.erase(texture);
    Release(found->second);
    pictures_.erase(found);
  }

  void Clear(std::uint32_t rgb) override {
    Flush();
    glDisable(GL_SCISSOR_TEST);
    ClearTo(rgb);
  }

  void FillRect(int x, int y, int width, int height, std::uint32_t rgb) override {
    if (width <= 0 || height <= 0) return;
    Flush();
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, y, width, height);
    ClearTo(rgb);
    glDisable(GL_SCISSOR_TEST);
  }

  void DrawQuad(const QuadDraw& quad) override {
    const GLenum source = GlBlendFactor(quad.blendSource, true);
    GLenum dest = GlBlendFactor(quad.blendDest, false);
    if (quad.blendSource == kBlendBothSourceAlpha || quad.blendSource == kBlendBothInverseSourceAlpha)
      dest = GlBlendFactor(quad.blendSource, false);
    const auto found = pictures_.find(quad.texture);
    if (found == pictures_.end() || source == kNoBlendFactor || dest == kNoBlendFactor) return;
    const Picture& picture = found->second;
    const auto frame = grabFrames_.find(quad.texture);
    // Opaque quads in ordinary translucency give their own colour: a batch of nothing
    // else draws with blending off, so nothing is read back for it.
    const bool ownColour =
        quad.opacity >= 255 && !quad.ownAlpha &&
        ((source == GL_SRC_ALPHA && dest == GL_ONE_MINUS_SRC_ALPHA) || (source == GL_ONE && dest == GL_ZERO));
    // The key costs a test per texel only where the picture holds the key's colour.
    const bool keyed = quad.keyed && picture.colours.MayHold(quad.colourKey & 0xFFFFFF);
    // An empty batch starts afresh: a recycled grab texture may come back with another frame.
    if (batch_.empty() || picture.name != batchTexture_ || source != batchSource_ || dest != batchDest_ ||
        quad.smooth != batchSmooth_ || quad.ownAlpha != batchOwnAlpha_) {
      Flush();
      batchTexture_ = picture.name;
      batchFrame_ = frame == grabFrames_.end() ? std::nullopt : std::optional<GrabFrame>(frame->second);
      batchSource_ = source;
      batchDest_ = dest;
      batchSmooth_ = quad.smooth;
      batchOwnAlpha_ = quad.ownAlpha;
    }
    batchOwnColour_ = batchOwnColour_ && ownColour;
    // A batch runs the key test when any of its quads needs it; the others skip it by their flag.
    batchKeyed_ = batchKeyed_ || keyed;
    Vertex corners[4];
    for (int i = 0; i < 4; ++i) {
      const QuadCorner& c = quad.corners[i];
      corners[i] = Vertex{c.x,
                          c.y,
                          c.u,
                          c.v,
                          static_cast<float>(quad.colourKey & 255),
                          static_cast<float>((quad.colourKey >> 8) & 255),
                          static_cast<float>((quad.colourKey >> 16) & 255),
                          keyed ? 1.0f : 0.0f,
                          static_cast<float>(quad.opacity) / 255.0f,
                          quad.ownAlpha ? 1.0f : 0.0f,
                          picture.place.x,
                          picture.place.y,
                          picture.width,
                          picture.height};
    }
    // The strip top-left, top-right, bottom-left, bottom-right as two triangles.
    for (int index : {0, 1, 2, 2, 1, 3}) batch_.push_back(corners[index]);
  }

  void Present() override {
    Flush();
    int drawableWidth = width_, drawableHeight = height_;
    if (target_.drawableSize) target_.drawableSize(drawableWidth, drawableHeight);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    // The picture keeps its shape in any window: as large as fits, centred, with black
    // bars beside or above and below it (cleared only when there are bars).
    int shownWidth = drawableWidth, shownHeight = drawableHeight;
    const long long wide = static_cast<long long>(drawableWidth) * height_;
    const long long tall = static_cast<long long>(drawableHeight) * width_;
    if (wide > tall && height_ > 0) shownWidth = static_cast<int>(tall / height_);
    if (tall > wide && width_ > 0) shownHeight = static_cast<int>(wide / width_);
    if (shownWidth != drawableWidth || shownHeight != drawableHeight) {
      glDisable(GL_SCISSOR_TEST);
      glViewport(0, 0, drawableWidth, drawableHeight);
      glClearColor(0, 0, 0, 1);
      glClear(GL_COLOR_BUFFER_BIT);
    }
    // A blit costs a copy where a textured draw would run a shader per pixel; the back buffer's
    // first row goes on top, so the target rows run downwards. Enlarged pixels stay sharp.
    const int left = (drawableWidth - shownWidth) / 2, bottom = (drawableHeight - shownHeight) / 2;
    const bool shrinks = shownWidth < width_ || shownHeight < height_;
    glDisable(GL_SCISSOR_TEST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    ++stats_.presents;
    glBlitFramebuffer(0, 0, width_, height_, left, bottom + shownHeight, left + shownWidth, bottom,
                      GL_COLOR_BUFFER_BIT, shrinks ? GL_LINEAR : GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (target_.swap) target_.swap();
    BindBackBuffer();
  }

  // The game's screen lets progress frames through at most once per 15 ms of its clock; the
  // replay's clock moves a frame's time for each, though a build makes hundreds in a fraction of
  // a second. Measured on this machine's clock, one far closer to the last shown than a
  // display's refresh stays in the back buffer only (its pixels are all there to be read),
  // and costs no copy to the display.
  void PresentProgress() override {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    if (!progressShown_.Show(std::chrono::duration_cast<std::chrono::microseconds>(now).count())) {
      Flush();
      ++stats_.progressLeftUnshown;
      return;
    }
    Present();
  }

  Image ReadPixels(int x, int y, int width, int height) override {
    Flush();
    Image image;
    if (width <= 0 || height <= 0) return image;
    image.width = width;
    image.height = height;
    image.rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
    // The back buffer's rows run top first, so GL's bottom-up read answers top first.
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
    return image;
  }

  GLuint backBufferTexture() const { return backBuffer_; }
  const GlRenderStats& stats() const { return stats_; }

 private:
  // Where a texture handle's texels lie: in a GL texture of their own (grabs, large
  // pictures) or at a place on an atlas page.
  struct Picture {
    GLuint name = 0;
    AtlasShelves::Place place;  // page -1: a texture of its own, texels from (0, 0)
    int width = 0, height = 0;
    bool grab = false;
    PictureColours colours;  // unknown for grabs
  };
  struct SpareGrab {
    GLuint name;
    int width, height;
  };
  static constexpr std::size_t kSpareGrabs = 2;

  std::uint32_t Keep(Picture picture) {
    while (nextHandle_ == 0 || pictures_.count(nextHandle_)) ++nextHandle_;
    pictures_.emplace(nextHandle_, std::move(picture));
    return nextHandle_++;
  }

  void Release(const Picture& picture) {
    if (picture.place.page >= 0) {
      atlas_.Give(picture.place, picture.width, picture.height);
      return;
    }
    // The zoom grabs the same rectangle every frame; its texture waits for the next grab.
    if (picture.grab && spareGrabs_.size() < kSpareGrabs) {
      spareGrabs_.push_back({picture.name, picture.width, picture.height});
      return;
    }
    glDeleteTextures(1, &picture.name);
  }

  // A grab that ran off the back buffer: where its on-buffer part lies in it, and sizes.
  struct GrabFrame {
    int left = 0, top = 0;
    int keptWidth = 0, keptHeight = 0;  // 0: nothing of the grab lay on the buffer
    int width = 0, height = 0;
  };

  void BindBackBuffer() {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glViewport(0, 0, width_, height_);
  }

  void ClearTo(std::uint32_t rgb) {
    glClearColor(static_cast<float>(rgb & 255) / 255.0f, static_cast<float>((rgb >> 8) & 255) / 255.0f,
                 static_cast<float>((rgb >> 16) & 255) / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
  }

  GLuint NewTexture() {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    ++stats_.texturesMade;
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    // The shader filters by hand with texelFetch; these keep the texture complete.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return texture;
  }

  // Draws the quads gathered since the last change of texture or blending.
  void Flush() {
    if (batch_.empty()) return;
    // A grab that ran off the back buffer draws through the program that knows its frame.
    const bool partial = batchFrame_.has_value();
    const int bits = (partial ? kPartialBit : 0) | (batchSmooth_ ? kBilinearBit : 0) |
                     (batchOwnAlpha_ ? kOwnAlphaBit : 0) | (batchKeyed_ ? kKeyedBit : 0);
    // Program and blending change only between draws that need it: each change makes the
    // rasteriser look up its state again.
    if (programs_[bits] != usedProgram_) {
      usedProgram_ = programs_[bits];
      glUseProgram(usedProgram_);
      ++stats_.stateChanges;
    }
    if (partial) {
      const GrabFrame& f = *batchFrame_;
      glUniform4i(grabKeptLocation_[bits], f.left, f.top, f.keptWidth, f.keptHeight);
      glUniform2i(grabSizeLocation_[bits], f.width, f.height);
    }
    glBindVertexArray(quadArray_);
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(batch_.size() * sizeof(Vertex)), batch_.data(),
                 GL_STREAM_DRAW);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, batchTexture_);
    const BlendState blend{!batchOwnColour_, batchOwnColour_ ? 0u : batchSource_,
                           batchOwnColour_ ? 0u : batchDest_};
    if (blend != usedBlend_) {
      if (blend.on) {
        glEnable(GL_BLEND);
        glBlendFunc(blend.source, blend.dest);
      } else {
        glDisable(GL_BLEND);
      }
      usedBlend_ = blend;
      ++stats_.stateChanges;
    }
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(batch_.size()));
    batch_.clear();
    batchKeyed_ = false;
    batchOwnColour_ = true;
    ++stats_.drawCalls;
  }

  int width_;
  int height_;
  GlPresentTarget target_;
  GLuint programs_[kProgramCount] = {};
  GLuint backBuffer_ = 0, framebuffer_ = 0;
  GLuint quadArray_ = 0, buffer_ = 0;
  std::vector<Vertex> batch_;
  GLuint batchTexture_ = 0;
  std::optional<GrabFrame> batchFrame_;
  GLenum batchSource_ = 0, batchDest_ = 0;
  bool batchSmooth_ = false;
  bool batchOwnAlpha_ = false;
  bool batchOwnColour_ = true;
  bool batchKeyed_ = false;
  struct BlendState {
    bool on = false;
    GLenum source = 0, dest = 0;
    bool operator==(const BlendState&) const = default;
  };
  GLuint usedProgram_ = 0;
  BlendState usedBlend_;  // GL starts with blending off
  GlRenderStats stats_;
  ProgressShowing progressShown_{8000};  // half a refresh at 60 a second
  std::unordered_map<std::uint32_t, GrabFrame> grabFrames_;
  std::unordered_map<std::uint32_t, Picture> pictures_;
  std::uint32_t nextHandle_ = 1;
  std::vector<SpareGrab> spareGrabs_;
  AtlasShelves atlas_{kAtlasSide, kLargestAtlasPicture, kMostAtlasPages};
  std::vector<GLuint> atlasPages_;
  GLint grabKeptLocation_[kProgramCount] = {}, grabSizeLocation_[kProgramCount] = {};
};

}  // namespace

std::unique_ptr<Renderer> MakeGlRenderer(int width, int height, GlPresentTarget target) {
  if (width <= 0 || height <= 0) return nullptr;
  auto renderer = std::make_unique<GlRenderer>(width, height, std::move(target));
  if (!renderer->Initialise()) return nullptr;
  return renderer;
}

GlRenderStats GlStatsOf(Renderer& renderer) {
  const auto* gl = dynamic_cast<const GlRenderer*>(&renderer);
  return gl ? gl->stats() : GlRenderStats{};
}

}  // namespace vorantis
