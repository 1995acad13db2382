// The GLSL programs of the GL renderer.
#pragma once

namespace vorantis::gl_shaders {

// Quads: positions in back-buffer pixels; y grows downwards and the back buffer
// stores the top row first, so no flip is needed until the present.
inline constexpr const char* kQuadVertex = R"(#version 330 core
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 texCoord;
layout(location = 2) in vec4 keyColour;
layout(location = 3) in vec2 shading;
layout(location = 4) in ivec4 picturePlace;
uniform vec2 pixelToClip;
out vec2 uv;
flat out vec4 key;
flat out vec2 mode;
flat out ivec4 place;
void main() {
  gl_Position = vec4(position * pixelToClip - 1.0, 0.0, 1.0);
  uv = texCoord;
  key = vec4(keyColour.rgb / 255.0, keyColour.w);
  mode = shading;
  place = picturePlace;
}
)";

// key: colour key as 0..1 and whether this quad is keyed; mode: opacity 0..1, own alpha; place: where the
// picture's texels lie in its texture (an atlas page holds many) and its size. Filtering is done here so that
// keyed texels never take part: the nearest texel decides whether a spot is drawn, and bilinear averages only
// unkeyed neighbours, so no key colour bleeds into edges. The source follows kFragmentVersion and the defines
// of the program's variant, so each draw runs only the fetches and tests it needs.
inline constexpr const char* kFragmentVersion = "#version 330 core\n";
// A grab that ran off the back buffer holds only its on-buffer part (grabKept: where
// that part lies in the grab, and its size; grabSize: the whole grab); the rest is black.
inline constexpr const char* kPartialGrab = "#define PARTIAL_GRAB\n";
inline constexpr const char* kBilinear = "#define BILINEAR\n";
// Only batches with a keyed quad test texels against the key (pictures without the key's
// colour need not).
inline constexpr const char* kKeyed = "#define KEYED\n";
// Only own-alpha pictures read the texture's alpha; the others leave its filtering out.
inline constexpr const char* kOwnAlpha = "#define OWN_ALPHA\n";
inline constexpr const char* kQuadFragment = R"(
in vec2 uv;
flat in vec4 key;
flat in vec2 mode;
flat in ivec4 place;
uniform sampler2D picture;
out vec4 colour;
// Texels hold whole 255ths: one off the key by a 255th in any channel is far outside half a 255th,
// and the squared distance is the cheapest test of that.
bool IsKey(vec4 texel) {
  vec3 off = texel.rgb - key.rgb;
  return key.w > 0.5 && dot(off, off) < 0.25 / (255.0 * 255.0);
}
#ifdef PARTIAL_GRAB
uniform ivec4 grabKept;
uniform ivec2 grabSize;
vec4 Texel(ivec2 at) {
  ivec2 inner = at - grabKept.xy;
  if (any(lessThan(inner, ivec2(0))) || any(greaterThanEqual(inner, grabKept.zw))) return vec4(0.0, 0.0, 0.0, 1.0);
  return texelFetch(picture, inner, 0);
}
#define PICTURE_SIZE grabSize
#else
vec4 Texel(ivec2 at) {
  return texelFetch(picture, place.xy + at, 0);
}
#define PICTURE_SIZE place.zw
#endif
void main() {
  ivec2 size = PICTURE_SIZE;
  vec2 spot = uv * vec2(size);
  vec4 texel;
#ifdef BILINEAR
  vec2 p = spot - 0.5;
  ivec2 base = ivec2(floor(p));
  vec2 f = p - floor(p);
  ivec2 last = size - 1;
  vec4 t00 = Texel(clamp(base, ivec2(0), last));
  vec4 t10 = Texel(clamp(base + ivec2(1, 0), ivec2(0), last));
  vec4 t01 = Texel(clamp(base + ivec2(0, 1), ivec2(0), last));
  vec4 t11 = Texel(clamp(base + ivec2(1, 1), ivec2(0), last));
  vec4 w = vec4((1.0 - f.x) * (1.0 - f.y), f.x * (1.0 - f.y), (1.0 - f.x) * f.y, f.x * f.y);
#ifdef KEYED
  {
    bvec4 keyed = bvec4(IsKey(t00), IsKey(t10), IsKey(t01), IsKey(t11));
    bool right = f.x >= 0.5;
    bool below = f.y >= 0.5;
    if (below ? (right ? keyed.w : keyed.z) : (right ? keyed.y : keyed.x)) discard;
    w *= vec4(not(keyed));
  }
#endif
  texel = (t00 * w.x + t10 * w.y + t01 * w.z + t11 * w.w) / (w.x + w.y + w.z + w.w);
#else
  texel = Texel(clamp(ivec2(floor(spot)), ivec2(0), size - 1));
#ifdef KEYED
  if (IsKey(texel)) discard;
#endif
#endif
#ifdef OWN_ALPHA
  colour = vec4(texel.rgb, texel.a * mode.x);
#else
  colour = vec4(texel.rgb, mode.x);
#endif
}
)";

}  // namespace vorantis::gl_shaders
