// The floor for the game's frame: the draws the game's 1920 x 1080 play frame issues on the
// default data, made by the plainest GL program there is. Into a framebuffer object, as the
// game's: 16 keyed 192 x 192 effect quads blended (one, source alpha), 504 keyed 48 x 48 tiles
// from 64 x 64 texels blended by source alpha, a grab copied on the GPU into a texture made once,
// the grab stretched over the screen with hardware bilinear, 107 keyed 29 x 48 letters from
// 12 x 20 texels blended, and a present. Keyed texels carry alpha 0 and are discarded.
// --zoom keyed filters the zoom by hand, leaving the magenta key's texels out as the game's zoom
// does; by default it takes the hardware's bilinear, which no key can keep out.
// usage: bench_bare_gl_frame [--size WxH] [--frames N] [--zoom hardware|keyed]
#include <SDL.h>
#include <epoxy/gl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr const char* kVertex = R"(#version 330 core
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 texCoord;
uniform vec2 pixelToClip;
out vec2 uv;
void main() {
  gl_Position = vec4(position * pixelToClip - 1.0, 0.0, 1.0);
  uv = texCoord;
}
)";

constexpr const char* kFragment = R"(#version 330 core
in vec2 uv;
uniform sampler2D picture;
uniform float opacity;
out vec4 colour;
void main() {
  vec4 texel = texture(picture, uv);
  if (texel.a < 0.5) discard;
  colour = vec4(texel.rgb, opacity);
}
)";

// The four texels by hand; a keyed one takes no part, and the nearest decides whether the spot
// is drawn at all.
constexpr const char* kKeyedZoom = R"(#version 330 core
in vec2 uv;
uniform sampler2D picture;
out vec4 colour;
bool Keyed(vec3 rgb) {
  vec3 off = rgb - vec3(1.0, 0.0, 1.0);
  return dot(off, off) < 1e-6;
}
void main() {
  ivec2 last = textureSize(picture, 0) - 1;
  vec2 p = uv * vec2(last + 1) - 0.5;
  vec2 f = fract(p);
  ivec2 lo = clamp(ivec2(floor(p)), ivec2(0), last);
  ivec2 hi = min(ivec2(floor(p)) + 1, last);
  vec3 a = texelFetch(picture, lo, 0).rgb;
  vec3 b = texelFetch(picture, ivec2(hi.x, lo.y), 0).rgb;
  vec3 c = texelFetch(picture, ivec2(lo.x, hi.y), 0).rgb;
  vec3 d = texelFetch(picture, hi, 0).rgb;
  bvec4 keyed = bvec4(Keyed(a), Keyed(b), Keyed(c), Keyed(d));
  bvec2 far = greaterThanEqual(f, vec2(0.5));
  if (far.y ? (far.x ? keyed.w : keyed.z) : (far.x ? keyed.y : keyed.x)) discard;
  vec4 w = vec4((1.0 - f.x) * (1.0 - f.y), f.x * (1.0 - f.y), (1.0 - f.x) * f.y, f.x * f.y) * vec4(not(keyed));
  colour = vec4((a * w.x + b * w.y + c * w.z + d * w.w) / dot(w, vec4(1.0)), 1.0);
}
)";

GLuint Compile(GLenum kind, const char* source) {
  GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  return shader;
}

struct Vertex {
  float x, y, u, v;
};

void PushQuad(std::vector<Vertex>& out, float x, float y, float w, float h, float u0, float v0, float u1,
              float v1) {
  const Vertex corners[4] = {{x, y, u0, v0}, {x + w, y, u1, v0}, {x, y + h, u0, v1}, {x + w, y + h, u1, v1}};
  for (int index : {0, 1, 2, 2, 1, 3}) out.push_back(corners[index]);
}

GLuint MakeTexture(GLenum filter) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  return texture;
}

}  // namespace

int main(int argc, char** argv) {
  int width = 1920, height = 1080, frames = 240;
  bool keyedZoom = false;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--size") == 0 && std::sscanf(argv[i + 1], "%dx%d", &width, &height) == 2)
      continue;
    if (std::strcmp(argv[i], "--frames") == 0 && (frames = std::atoi(argv[i + 1])) > 0) continue;
    if (std::strcmp(argv[i], "--zoom") == 0 && std::strcmp(argv[i + 1], "hardware") == 0) continue;
    if (std::strcmp(argv[i], "--zoom") == 0 && std::strcmp(argv[i + 1], "keyed") == 0) {
      keyedZoom = true;
      continue;
    }
    std::fprintf(stderr, "usage: bench_bare_gl_frame [--size WxH] [--frames N] [--zoom hardware|keyed]\n");
    return 2;
  }
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "bare-gl: %s\n", SDL_GetError());
    return 1;
  }
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  SDL_Window* window = SDL_CreateWindow("", 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
  if (!context) {
    std::fprintf(stderr, "bare-gl: no GL 3.3 core context: %s\n", SDL_GetError());
    return 1;
  }
  SDL_GL_MakeCurrent(window, context);
  SDL_GL_SetSwapInterval(0);

  auto link = [&](const char* fragment) {
    GLuint linked = glCreateProgram();
    glAttachShader(linked, Compile(GL_VERTEX_SHADER, kVertex));
    glAttachShader(linked, Compile(GL_FRAGMENT_SHADER, fragment));
    glLinkProgram(linked);
    glUseProgram(linked);
    glUniform1i(glGetUniformLocation(linked, "picture"), 0);
    glUniform2f(glGetUniformLocation(linked, "pixelToClip"), 2.0f / width, 2.0f / height);
    return linked;
  };
  const GLuint zoomProgram = keyedZoom ? link(kKeyedZoom) : 0;
  const GLuint program = link(kFragment);

  GLuint backBuffer = MakeTexture(GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
  GLuint framebuffer = 0;
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, backBuffer, 0);

  // One page holds the pictures, as the game's atlas does: a 64 x 64 tile with a keyed border,
  // a 192 x 192 round effect keyed outside its circle, and a 12 x 20 letter keyed around a bar.
  constexpr int kPage = 256;
  std::vector<unsigned char> page(kPage * kPage * 4, 0);
  auto put = [&](int x, int y, int r, int g, int b, bool keyed) {
    unsigned char* p = &page[(y * kPage + x) * 4];
    p[0] = static_cast<unsigned char>(r);
    p[1] = static_cast<unsigned char>(g);
    p[2] = static_cast<unsigned char>(b);
    p[3] = keyed ? 0 : 255;
  };
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) put(x, y, x * 4, 80, 40, x < 2 || y < 2 || x > 61 || y > 61);
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 192; ++x) {
      const int dx = x - 96, dy = y - 96;
      put(64 + x, y, 60 + x / 2, 90, 200 - y / 2, dx * dx + dy * dy > 90 * 90);
    }
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 12; ++x) put(x, 192 + y, 230, 200, 150, x < 3 || x > 8);
  GLuint pageTexture = MakeTexture(GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kPage, kPage, 0, GL_RGBA, GL_UNSIGNED_BYTE, page.data());
  const int grabWidth = width - 1, grabHeight = height - 1;
  GLuint grab = MakeTexture(GL_LINEAR);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, grabWidth, grabHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);

  GLuint array = 0, buffer = 0;
  glGenVertexArrays(1, &array);
  glBindVertexArray(array);
  glGenBuffers(1, &buffer);
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), nullptr);
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(2 * sizeof(float)));

  // Where the game's frame puts them: the labyrinth's 48-pixel fields from the top left, the
  // effects around a spot in it, the letters on the right.
  constexpr float kTexel = 1.0f / kPage;
  std::vector<Vertex> effects, tiles, letters, zoom;
  for (int i = 0; i < 16; ++i) {
    PushQuad(effects, static_cast<float>(206 + (i % 4) * 24), static_cast<float>(136 + (i / 4) * 24), 192,
             192, 64 * kTexel, 0, 256 * kTexel, 192 * kTexel);
  }
  for (int i = 0; i < 504; ++i) {
    PushQuad(tiles, static_cast<float>((i % 25) * 48), static_cast<float>((i / 25) * 48 % height), 48, 48, 0,
             0, 64 * kTexel, 64 * kTexel);
  }
  for (int i = 0; i < 107; ++i) {
    PushQuad(letters, static_cast<float>(1361 + (i % 18) * 30), static_cast<float>(54 + (i / 18) * 54), 29,
             48, 0, 192 * kTexel, 12 * kTexel, 212 * kTexel);
  }
  PushQuad(zoom, 0, 0, static_cast<float>(width), static_cast<float>(height), 0, 0, 1, 1);
  const GLint opacity = glGetUniformLocation(program, "opacity");
  auto draw = [](const std::vector<Vertex>& quads) {
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(quads.size() * sizeof(Vertex)), quads.data(),
                 GL_STREAM_DRAW);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(quads.size()));
  };

  auto frame = [&] {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glViewport(0, 0, width, height);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, pageTexture);
    glEnable(GL_BLEND);
    glUniform1f(opacity, 1.0f);
    glBlendFunc(GL_ONE, GL_SRC_ALPHA);
    draw(effects);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    draw(tiles);
    // The zoom: grab from (1, 1), redraw stretched over the whole buffer, unblended.
    glBindTexture(GL_TEXTURE_2D, grab);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 1, 1, grabWidth, grabHeight);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    if (keyedZoom) glUseProgram(zoomProgram);
    draw(zoom);
    if (keyedZoom) glUseProgram(program);
    glBindTexture(GL_TEXTURE_2D, pageTexture);
    glEnable(GL_BLEND);
    draw(letters);
    // The present: the buffer turned upright onto the window.
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBlitFramebuffer(0, 0, width, height, 0, height, width, 0, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    SDL_GL_SwapWindow(window);
  };

  for (int i = 0; i < 10; ++i) frame();
  glFinish();
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();  // all threads, the rasteriser's included
  for (int i = 0; i < frames; ++i) frame();
  glFinish();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  std::printf("bare-gl %dx%d: %d frames in %.2f s: %.2f ms per frame, %.1f frames/s, %.2f CPU ms per frame\n",
              width, height, frames, seconds, 1000.0 * seconds / frames, frames / seconds,
              1000.0 * cpuSeconds / frames);

  const bool ok = glGetError() == GL_NO_ERROR;
  SDL_GL_DeleteContext(context);
  SDL_DestroyWindow(window);
  SDL_Quit();
  return ok ? 0 : 1;
}
