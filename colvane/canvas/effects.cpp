// Blur, sharpen and emboss: a vectorisable row kernel for pixels whose whole neighbourhood is
// inside, and a per-pixel path with centre substitution for the rest.
#include "colvane/canvas/effects.h"

#include <algorithm>
#include <cstring>
#include <vector>

// The row kernels are small and hot: inlined into each compiled variant.
#define EFFECT_INLINE inline __attribute__((always_inline))

namespace {

// Weights row by row from the top-left neighbour, by effect number.
constexpr int kWeights[4][9] = {{0, 0, 0, 0, 0, 0, 0, 0, 0},
                                {10, 30, 10, 30, 96, 30, 10, 30, 10},
                                {0, -1, 0, -1, 5, -1, 0, -1, 0},
                                {-1, 0, 0, 0, 0, 0, 0, 0, 1}};

inline uint8_t Clamp255(int v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); }

// blur: sum >> 8; sharpen: sum limited to 0..255; emboss: sum + 128 limited to 0..255.
inline uint8_t Finish(int effect, int sum) {
  if (effect == kEffectBlur) return static_cast<uint8_t>(sum >> 8);
  if (effect == kEffectSharpen) return Clamp255(sum);
  return Clamp255(sum + 128);
}

// Row kernels over interleaved bytes: `up`, `mid`, `down` point at the first output pixel's
// bytes in rows y - 1, y, y + 1, so a neighbour pixel is 3 bytes away. `count` bytes are
// written. No neighbourhood leaves the rows, so the loops carry no tests and vectorise.
// `scratch` holds count + 6 16-bit values.

// The blur kernel is 10 × ([1 3 1] ⊗ [1 3 1]) + 6 × centre (10 30 10 / 30 90 30 / 10 30 10 plus 6
// at the centre), so it runs as a vertical pass v = up + 3·mid + down and a horizontal pass
// h = v[-3] + 3·v + v[+3]; 10·h + 6·mid <= 256·255 fits 16 bits unsigned.
EFFECT_INLINE void BlurBody(const uint8_t* __restrict up, const uint8_t* __restrict mid,
                            const uint8_t* __restrict down, uint8_t* __restrict out, int count,
                            uint16_t* __restrict scratch) {
  uint16_t* __restrict v = scratch;  // v[j] belongs to byte j - 3
  for (int j = 0; j < count + 6; ++j)
    v[j] = static_cast<uint16_t>(up[j - 3] + 3 * mid[j - 3] + down[j - 3]);
  for (int i = 0; i < count; ++i) {
    uint16_t h = static_cast<uint16_t>(v[i] + 3 * v[i + 3] + v[i + 6]);
    out[i] = static_cast<uint8_t>(static_cast<uint16_t>(10 * h + 6 * mid[i]) >> 8);
  }
}

EFFECT_INLINE void SharpenBody(const uint8_t* __restrict up, const uint8_t* __restrict mid,
                               const uint8_t* __restrict down, uint8_t* __restrict out, int count,
                               uint16_t*) {
  for (int i = 0; i < count; ++i) {
    int16_t sum = static_cast<int16_t>(mid[i] * 5 - up[i] - down[i] - mid[i - 3] - mid[i + 3]);
    sum = std::max<int16_t>(sum, 0);
    out[i] = static_cast<uint8_t>(std::min<int16_t>(sum, 255));
  }
}

// down - up + 128 limited to 0..255, all in bytes (twice the lanes of 16-bit sums): with
// rise = max(down - up, 0) and fall = max(up - down, 0), one of them 0, the result is
// min(rise, 127) + 128 taken down by fall, stopping at 0.
EFFECT_INLINE void EmbossBody(const uint8_t* __restrict up, const uint8_t* /*mid*/,
                              const uint8_t* __restrict down, uint8_t* __restrict out, int count,
                              uint16_t*) {
  for (int i = 0; i < count; ++i) {
    const uint8_t d = down[i + 3], u = up[i - 3];
    const uint8_t top = std::max(d, u);
    const uint8_t rise = static_cast<uint8_t>(top - u), fall = static_cast<uint8_t>(top - d);
    const uint8_t lifted = static_cast<uint8_t>(std::min<uint8_t>(rise, 127) + 128);
    out[i] = static_cast<uint8_t>(lifted - std::min(fall, lifted));
  }
}

using RowKernel = void (*)(const uint8_t*, const uint8_t*, const uint8_t*, uint8_t*, int, uint16_t*);

// Each kernel is compiled for any processor and, where the compiler can, once more for AVX2
// (twice the lanes); the choice is made once at run time and both give the same bytes.
void BlurRow(const uint8_t* u, const uint8_t* m, const uint8_t* d, uint8_t* o, int n, uint16_t* s) {
  BlurBody(u, m, d, o, n, s);
}
void SharpenRow(const uint8_t* u, const uint8_t* m, const uint8_t* d, uint8_t* o, int n, uint16_t* s) {
  SharpenBody(u, m, d, o, n, s);
}
void EmbossRow(const uint8_t* u, const uint8_t* m, const uint8_t* d, uint8_t* o, int n, uint16_t* s) {
  EmbossBody(u, m, d, o, n, s);
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__)) && !defined(COLVANE_EFFECTS_NO_AVX2)
__attribute__((target("avx2"))) void BlurRowAvx2(const uint8_t* u, const uint8_t* m, const uint8_t* d,
                                                 uint8_t* o, int n, uint16_t* s) {
  BlurBody(u, m, d, o, n, s);
}
__attribute__((target("avx2"))) void SharpenRowAvx2(const uint8_t* u, const uint8_t* m, const uint8_t* d,
                                                    uint8_t* o, int n, uint16_t* s) {
  SharpenBody(u, m, d, o, n, s);
}
__attribute__((target("avx2"))) void EmbossRowAvx2(const uint8_t* u, const uint8_t* m, const uint8_t* d,
                                                   uint8_t* o, int n, uint16_t* s) {
  EmbossBody(u, m, d, o, n, s);
}
RowKernel Faster(RowKernel plain) {
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (!avx2) return plain;
  if (plain == BlurRow) return BlurRowAvx2;
  if (plain == SharpenRow) return SharpenRowAvx2;
  return EmbossRowAvx2;
}
#else
RowKernel Faster(RowKernel plain) { return plain; }
#endif

struct EffectJob {
  int effect;
  RowKernel row;
  PixelView* canvas;
  const PixelView* snapshot;
  const ClipMask* clip;
  int width, height;  // the canvas as far as both pictures and the clip reach
  uint16_t* scratch;  // width × 3 + 6 values for the row kernels
};

// Whether the neighbour (x, y) may be read: inside the canvas and, with a selection, inside it.
template <bool kSelection>
bool Allowed(const EffectJob& job, int x, int y) {
  if (x < 0 || y < 0 || x >= job.width || y >= job.height) return false;
  return !kSelection || job.clip->Contains(x, y);
}

// One pixel with neighbours outside the clip or the canvas replaced by the centre. Built per
// effect, so the nine weights are constants and the zero ones vanish.
template <int kEffect, bool kSelection>
void EdgePixel(const EffectJob& job, int x, int y) {
  const uint8_t* centre = job.snapshot->At(x, y);
  int sum[3] = {0, 0, 0};
  for (int dy = -1; dy <= 1; ++dy) {
    const bool rowInside = y + dy >= 0 && y + dy < job.height;
    const uint8_t* row = rowInside ? job.snapshot->Row(y + dy) : nullptr;
    for (int dx = -1; dx <= 1; ++dx) {
      const int w = kWeights[kEffect][(dy + 1) * 3 + dx + 1];
      if (w == 0) continue;
      const bool inside = rowInside && Allowed<kSelection>(job, x + dx, y + dy);
      const uint8_t* p = inside ? row + 3 * (x + dx) : centre;
      for (int c = 0; c < 3; ++c) sum[c] += w * p[c];
    }
  }
  uint8_t* out = job.canvas->At(x, y);
  for (int c = 0; c < 3; ++c) out[c] = Finish(kEffect, sum[c]);
}

// Without a selection: the row kernel for columns 1 .. width - 2 of rows 1 .. height - 2, the
// per-pixel path for the canvas border.
template <int kEffect>
void WholeCanvas(const EffectJob& job) {
  for (int y = 0; y < job.height; ++y) {
    bool inner = y >= 1 && y <= job.height - 2 && job.width >= 3;
    if (!inner) {
      for (int x = 0; x < job.width; ++x) EdgePixel<kEffect, false>(job, x, y);
      continue;
    }
    job.row(job.snapshot->At(1, y - 1), job.snapshot->At(1, y), job.snapshot->At(1, y + 1),
            job.canvas->At(1, y), 3 * (job.width - 2), job.scratch);
    EdgePixel<kEffect, false>(job, 0, y);
    EdgePixel<kEffect, false>(job, job.width - 1, y);
  }
}

// With a selection: the row kernel into a scratch row, taken for every pixel whose nine
// neighbours are all selected; the per-pixel path for the selection's border.
template <int kEffect>
void SelectedArea(const EffectJob& job) {
  ClipRect box = job.clip->Bounds();
  box.right = std::min(box.right, job.width);
  box.bottom = std::min(box.bottom, job.height);
  std::vector<uint8_t> scratch(static_cast<size_t>(job.width) * 3);
  std::vector<uint8_t> none(static_cast<size_t>(job.width), 0);
  for (int y = box.top; y < box.bottom; ++y) {
    const uint8_t* m = job.clip->Row(y);
    const uint8_t* mu = y > 0 ? job.clip->Row(y - 1) : none.data();
    const uint8_t* md = y + 1 < job.height ? job.clip->Row(y + 1) : none.data();
    bool rowsInside = y >= 1 && y + 1 < job.height && job.width >= 3;
    int lo = std::max(box.left, 1), hi = std::min(box.right, job.width - 1);
    if (rowsInside && lo < hi)
      job.row(job.snapshot->At(lo, y - 1), job.snapshot->At(lo, y), job.snapshot->At(lo, y + 1),
              &scratch[3 * lo], 3 * (hi - lo), job.scratch);
    for (int x = box.left; x < box.right; ++x) {
      if (!m[x]) continue;
      bool full = rowsInside && x >= 1 && x + 1 < job.width && m[x - 1] && m[x + 1] &&
                  mu[x - 1] && mu[x] && mu[x + 1] && md[x - 1] && md[x] && md[x + 1];
      if (full)
        std::memcpy(job.canvas->At(x, y), &scratch[3 * x], 3);
      else
        EdgePixel<kEffect, true>(job, x, y);
    }
  }
}

}  // namespace

int ApplyPictureEffect(int effect, PixelView* canvas, const PixelView& snapshot, const ClipMask& clip) {
  EffectJob job{effect, nullptr, canvas, &snapshot, &clip, 0, 0, nullptr};
  switch (effect) {
    case kEffectBlur: job.row = BlurRow; break;
    case kEffectSharpen: job.row = SharpenRow; break;
    case kEffectEmboss: job.row = EmbossRow; break;
    default: return 0;
  }
  job.row = Faster(job.row);
  job.width = std::min({canvas->width, snapshot.width, clip.Width()});
  job.height = std::min({canvas->height, snapshot.height, clip.Height()});
  if (job.width <= 0 || job.height <= 0) return 1;
  std::vector<uint16_t> scratch(static_cast<size_t>(job.width) * 3 + 6);
  job.scratch = scratch.data();
  const bool all = clip.IsAll();
  switch (effect) {
    case kEffectBlur: all ? WholeCanvas<kEffectBlur>(job) : SelectedArea<kEffectBlur>(job); break;
    case kEffectSharpen: all ? WholeCanvas<kEffectSharpen>(job) : SelectedArea<kEffectSharpen>(job); break;
    default: all ? WholeCanvas<kEffectEmboss>(job) : SelectedArea<kEffectEmboss>(job); break;
  }
  return 1;
}
