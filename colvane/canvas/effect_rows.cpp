// The picture effects' row loops, written so the compiler vectorises them, in two builds.
#include "colvane/canvas/effect_rows.h"

#include <algorithm>

// The loops are small and hot: inlined into each compiled variant.
#define EFFECT_INLINE inline __attribute__((always_inline))

namespace {

// A row across is at most 50·255 = 12750; the sum down with its centre is at most 256·255
// however many rows are missing, so everything runs in 16 bits unsigned.
EFFECT_INLINE void BlurAcrossBody(const uint8_t* __restrict row, uint16_t* __restrict across, int count) {
  for (int i = 0; i < count; ++i)
    across[i] = static_cast<uint16_t>(10 * (row[i - 3] + row[i + 3]) + 30 * row[i]);
}

EFFECT_INLINE void BlurDownBody(const uint16_t* __restrict up, const uint16_t* __restrict mid,
                                const uint16_t* __restrict down, const uint8_t* __restrict m,
                                uint8_t* __restrict out, int count, int centre) {
  const uint16_t c = static_cast<uint16_t>(centre);
  for (int i = 0; i < count; ++i) {
    const uint16_t sum = static_cast<uint16_t>(up[i] + down[i] + 3 * mid[i] + c * m[i]);
    out[i] = static_cast<uint8_t>(sum >> 8);
  }
}

EFFECT_INLINE void SharpenBody(const uint8_t* __restrict u, const uint8_t* __restrict m,
                               const uint8_t* __restrict d, uint8_t* __restrict out, int count, int centre) {
  const int16_t c = static_cast<int16_t>(centre);
  for (int i = 0; i < count; ++i) {
    int16_t sum = static_cast<int16_t>(m[i] * c - u[i] - d[i] - m[i - 3] - m[i + 3]);
    sum = std::max<int16_t>(sum, 0);
    out[i] = static_cast<uint8_t>(std::min<int16_t>(sum, 255));
  }
}

// In bytes (twice the lanes of 16-bit sums): with rise = max(d − u, 0) and fall = max(u − d, 0),
// one of them 0, the result is min(rise, 127) + 128 taken down by fall, stopping at 0.
EFFECT_INLINE void EmbossBody(const uint8_t* __restrict up, const uint8_t* __restrict down,
                              uint8_t* __restrict out, int count) {
  for (int i = 0; i < count; ++i) {
    const uint8_t d = down[i + 3], u = up[i - 3];
    const uint8_t top = std::max(d, u);
    const uint8_t rise = static_cast<uint8_t>(top - u), fall = static_cast<uint8_t>(top - d);
    const uint8_t lifted = static_cast<uint8_t>(std::min<uint8_t>(rise, 127) + 128);
    out[i] = static_cast<uint8_t>(lifted - std::min(fall, lifted));
  }
}

void BlurAcross(const uint8_t* r, uint16_t* a, int n) { BlurAcrossBody(r, a, n); }
void BlurDown(const uint16_t* u, const uint16_t* m16, const uint16_t* d, const uint8_t* m, uint8_t* o, int n,
              int c) {
  BlurDownBody(u, m16, d, m, o, n, c);
}
void BlurStep(const uint8_t* next, const uint16_t* u, const uint16_t* m16, uint16_t* d, const uint8_t* m,
              uint8_t* o, int n, int c) {
  BlurAcrossBody(next, d, n);
  BlurDownBody(u, m16, d, m, o, n, c);
}
void Sharpen(const uint8_t* u, const uint8_t* m, const uint8_t* d, uint8_t* o, int n, int c) {
  SharpenBody(u, m, d, o, n, c);
}
void Emboss(const uint8_t* u, const uint8_t* d, uint8_t* o, int n) { EmbossBody(u, d, o, n); }

}  // namespace

// The x86-64 build also has hand-vectorised AVX2 loops, the 32-bit x86 build the plain ones
// compiled for AVX2; either is chosen at run time and gives the same bytes as the plain loops
// (COLVANE_EFFECTS_NO_AVX2 builds only those, so tests can check them anywhere).
#if defined(__GNUC__) && defined(__x86_64__) && !defined(COLVANE_EFFECTS_NO_AVX2)
#include <immintrin.h>

namespace {
#define EFFECT_AVX2 __attribute__((target("avx2")))
#define EFFECT_AVX2_INLINE inline __attribute__((always_inline, target("avx2")))

// The loops take 32 bytes at a time and leave the rest to the plain loops. Loads are what
// these loops wait on, so a row is loaded once, in whole blocks, and its neighbours 3 bytes to
// either side are shifted out of the block and the next one. Bytes widen to 16 bits by
// unpacking inside each 128-bit half, which puts the 16-bit lanes in an order of their own;
// packing the two halves back undoes it. The blur's rows across are kept in that order
// (blurDown reads them the same way). u8 × s8 pair products (maddubs) weigh and add two
// unpacked bytes in one step. Few registers are live, so nothing spills to the stack.

inline const __m256i* In(const void* p) { return static_cast<const __m256i*>(p); }
inline __m256i* Out(void* p) { return static_cast<__m256i*>(p); }

// One 32-byte block of a row walked left to right: the bytes 3 back, the block, 3 on.
struct RowBlocks {
  const uint8_t* row;
  int count;
  __m256i left, mid, right, nextLeft, next;
  // Reads nothing for a row shorter than one block.
  EFFECT_AVX2_INLINE RowBlocks(const uint8_t* r, int n) : row(r), count(n) {
    left = mid = right = nextLeft = next = _mm256_setzero_si256();
    if (n >= 32) {
      left = _mm256_loadu_si256(In(r - 3));
      mid = _mm256_loadu_si256(In(r));
    }
  }
  // Loads the block at i (the next one is taken whole where it lies inside the row).
  EFFECT_AVX2_INLINE void At(int i) {
    if (i + 64 <= count) {
      next = _mm256_loadu_si256(In(row + i + 32));
      const __m256i across = _mm256_permute2x128_si256(mid, next, 0x21);
      right = _mm256_alignr_epi8(across, mid, 3);
      nextLeft = _mm256_alignr_epi8(next, across, 13);
    } else {
      right = _mm256_loadu_si256(In(row + i + 3));
    }
  }
  EFFECT_AVX2_INLINE void Advance() {
    left = nextLeft;
    mid = next;
  }
};

EFFECT_AVX2_INLINE void AcrossHalves(const RowBlocks& b, __m256i* lo, __m256i* hi) {
  const __m256i w1010 = _mm256_set1_epi16(10 | 10 << 8), w30 = _mm256_set1_epi16(30);
  const __m256i zero = _mm256_setzero_si256();
  *lo = _mm256_add_epi16(_mm256_maddubs_epi16(_mm256_unpacklo_epi8(b.left, b.right), w1010),
                         _mm256_maddubs_epi16(_mm256_unpacklo_epi8(b.mid, zero), w30));
  *hi = _mm256_add_epi16(_mm256_maddubs_epi16(_mm256_unpackhi_epi8(b.left, b.right), w1010),
                         _mm256_maddubs_epi16(_mm256_unpackhi_epi8(b.mid, zero), w30));
}

// (up + down + 3·mid + centre·m) >> 8 for one block, its rows below given as values.
EFFECT_AVX2_INLINE __m256i DownBlock(const uint16_t* u, const uint16_t* m16, __m256i downLo, __m256i downHi,
                                     const uint8_t* m, __m256i centre) {
  const __m256i zero = _mm256_setzero_si256(), px = _mm256_loadu_si256(In(m));
  const __m256i midLo = _mm256_loadu_si256(In(m16)), midHi = _mm256_loadu_si256(In(m16 + 16));
  const __m256i lo =
      _mm256_add_epi16(_mm256_add_epi16(_mm256_add_epi16(_mm256_loadu_si256(In(u)), downLo),
                                        _mm256_mullo_epi16(_mm256_unpacklo_epi8(px, zero), centre)),
                       _mm256_add_epi16(midLo, _mm256_add_epi16(midLo, midLo)));
  const __m256i hi =
      _mm256_add_epi16(_mm256_add_epi16(_mm256_add_epi16(_mm256_loadu_si256(In(u + 16)), downHi),
                                        _mm256_mullo_epi16(_mm256_unpackhi_epi8(px, zero), centre)),
                       _mm256_add_epi16(midHi, _mm256_add_epi16(midHi, midHi)));
  return _mm256_packus_epi16(_mm256_srli_epi16(lo, 8), _mm256_srli_epi16(hi, 8));
}

EFFECT_AVX2 void BlurAcrossAvx2(const uint8_t* r, uint16_t* a, int n) {
  RowBlocks b(r, n);
  int i = 0;
  for (; i + 32 <= n; i += 32, b.Advance()) {
    b.At(i);
    __m256i lo, hi;
    AcrossHalves(b, &lo, &hi);
    _mm256_storeu_si256(Out(a + i), lo);
    _mm256_storeu_si256(Out(a + i + 16), hi);
  }
  BlurAcrossBody(r + i, a + i, n - i);
}

EFFECT_AVX2 void BlurDownAvx2(const uint16_t* u, const uint16_t* m16, const uint16_t* d, const uint8_t* m,
                              uint8_t* o, int n, int c) {
  const __m256i centre = _mm256_set1_epi16(static_cast<int16_t>(c));
  int i = 0;
  for (; i + 32 <= n; i += 32)
    _mm256_storeu_si256(Out(o + i), DownBlock(u + i, m16 + i, _mm256_loadu_si256(In(d + i)),
                                              _mm256_loadu_si256(In(d + i + 16)), m + i, centre));
  BlurDownBody(u + i, m16 + i, d + i, m + i, o + i, n - i, c);
}

// The next row across, kept for the rows to come and used at once as the row below.
EFFECT_AVX2 void BlurStepAvx2(const uint8_t* next, const uint16_t* u, const uint16_t* m16, uint16_t* d,
                              const uint8_t* m, uint8_t* o, int n, int c) {
  const __m256i centre = _mm256_set1_epi16(static_cast<int16_t>(c));
  RowBlocks b(next, n);
  int i = 0;
  for (; i + 32 <= n; i += 32, b.Advance()) {
    b.At(i);
    __m256i lo, hi;
    AcrossHalves(b, &lo, &hi);
    _mm256_storeu_si256(Out(d + i), lo);
    _mm256_storeu_si256(Out(d + i + 16), hi);
    _mm256_storeu_si256(Out(o + i), DownBlock(u + i, m16 + i, lo, hi, m + i, centre));
  }
  BlurAcrossBody(next + i, d + i, n - i);
  BlurDownBody(u + i, m16 + i, d + i, m + i, o + i, n - i, c);
}

// centre·m − u − d − left − right as two pair products and one difference; the pack limits
// to 0..255.
EFFECT_AVX2 void SharpenAvx2(const uint8_t* u, const uint8_t* m, const uint8_t* d, uint8_t* o, int n, int c) {
  const __m256i centreLessUp = _mm256_set1_epi16(static_cast<int16_t>((c & 0xFF) | 0xFF00));
  const __m256i lessBoth = _mm256_set1_epi16(-1), zero = _mm256_setzero_si256();
  RowBlocks b(m, n);
  int i = 0;
  for (; i + 32 <= n; i += 32, b.Advance()) {
    b.At(i);
    const __m256i up = _mm256_loadu_si256(In(u + i)), down = _mm256_loadu_si256(In(d + i));
    const __m256i lo =
        _mm256_sub_epi16(_mm256_add_epi16(_mm256_maddubs_epi16(_mm256_unpacklo_epi8(b.mid, up), centreLessUp),
                                          _mm256_maddubs_epi16(_mm256_unpacklo_epi8(down, b.left), lessBoth)),
                         _mm256_unpacklo_epi8(b.right, zero));
    const __m256i hi =
        _mm256_sub_epi16(_mm256_add_epi16(_mm256_maddubs_epi16(_mm256_unpackhi_epi8(b.mid, up), centreLessUp),
                                          _mm256_maddubs_epi16(_mm256_unpackhi_epi8(down, b.left), lessBoth)),
                         _mm256_unpackhi_epi8(b.right, zero));
    _mm256_storeu_si256(Out(o + i), _mm256_packus_epi16(lo, hi));
  }
  SharpenBody(u + i, m + i, d + i, o + i, n - i, c);
}

EFFECT_AVX2 void EmbossAvx2(const uint8_t* u, const uint8_t* d, uint8_t* o, int n) { EmbossBody(u, d, o, n); }
}  // namespace

const EffectRows& TheEffectRows() {
  static const EffectRows plain{BlurAcross, BlurDown, BlurStep, Sharpen, Emboss};
  static const EffectRows avx2{BlurAcrossAvx2, BlurDownAvx2, BlurStepAvx2, SharpenAvx2, EmbossAvx2};
  static const bool has = __builtin_cpu_supports("avx2");
  return has ? avx2 : plain;
}
#elif defined(__GNUC__) && defined(__i386__) && !defined(COLVANE_EFFECTS_NO_AVX2)
// The 32-bit build (eight vector registers) compiles the plain loops once more for AVX2.
namespace {
#define EFFECT_AVX2 __attribute__((target("avx2")))
EFFECT_AVX2 void BlurAcrossAvx2(const uint8_t* r, uint16_t* a, int n) { BlurAcrossBody(r, a, n); }
EFFECT_AVX2 void BlurDownAvx2(const uint16_t* u, const uint16_t* m16, const uint16_t* d, const uint8_t* m,
                              uint8_t* o, int n, int c) {
  BlurDownBody(u, m16, d, m, o, n, c);
}
EFFECT_AVX2 void BlurStepAvx2(const uint8_t* next, const uint16_t* u, const uint16_t* m16, uint16_t* d,
                              const uint8_t* m, uint8_t* o, int n, int c) {
  BlurAcrossBody(next, d, n);
  BlurDownBody(u, m16, d, m, o, n, c);
}
EFFECT_AVX2 void SharpenAvx2(const uint8_t* u, const uint8_t* m, const uint8_t* d, uint8_t* o, int n, int c) {
  SharpenBody(u, m, d, o, n, c);
}
EFFECT_AVX2 void EmbossAvx2(const uint8_t* u, const uint8_t* d, uint8_t* o, int n) { EmbossBody(u, d, o, n); }
}  // namespace

const EffectRows& TheEffectRows() {
  static const EffectRows plain{BlurAcross, BlurDown, BlurStep, Sharpen, Emboss};
  static const EffectRows avx2{BlurAcrossAvx2, BlurDownAvx2, BlurStepAvx2, SharpenAvx2, EmbossAvx2};
  static const bool has = __builtin_cpu_supports("avx2");
  return has ? avx2 : plain;
}
#else
const EffectRows& TheEffectRows() {
  static const EffectRows plain{BlurAcross, BlurDown, BlurStep, Sharpen, Emboss};
  return plain;
}
#endif
