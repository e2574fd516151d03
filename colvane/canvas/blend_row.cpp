// The weighted row blend, compiled for any processor and once more for AVX2.
#include "colvane/canvas/blend_row.h"

namespace {

void BlendPlain(uint8_t* px, const uint8_t* colour, const uint8_t* w, uint8_t* wb, int count) {
  BlendRowBody(px, colour, w, wb, count);
}

}  // namespace

// COLVANE_BLEND_NO_AVX2 builds only the plain loop, so tests can check it on any machine.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__)) && !defined(COLVANE_BLEND_NO_AVX2)
namespace {
__attribute__((target("avx2"))) void BlendAvx2(uint8_t* px, const uint8_t* colour, const uint8_t* w,
                                               uint8_t* wb, int count) {
  BlendRowBody(px, colour, w, wb, count);
}
}  // namespace

void BlendRow(uint8_t* px, const uint8_t* colour, const uint8_t* w, uint8_t* spread, int count) {
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2)
    BlendAvx2(px, colour, w, spread, count);
  else
    BlendPlain(px, colour, w, spread, count);
}
#else
void BlendRow(uint8_t* px, const uint8_t* colour, const uint8_t* w, uint8_t* spread, int count) {
  BlendPlain(px, colour, w, spread, count);
}
#endif
