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
#define EFFECT_AVX2_LAMBDA __attribute__((always_inline, target("avx2")))

// The loops take 32 bytes at a time. The sharpen's row is loaded once, in whole blocks, and its
// neighbours 3 bytes to either side are shifted out of the block and the next one; its bytes
// widen to 16 bits by unpacking inside each 128-bit half and pack back the same way. The blur
// is bound by its instruction count more than by loads, so it loads the neighbours instead.
// u8 × s8 pair products (maddubs) weigh and add two bytes in one step. Few registers are live,
// so nothing spills to the stack.

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

// The blur keeps a block's 16-bit sums as those of its even bytes, then those of its odd ones:
// a 16-bit lane holds two neighbouring bytes, so a pair product with one weight 0 weighs either
// byte where it lies, and no byte is unpacked. A row's last bytes short of a block are taken by
// one more block ending at the row's end, its sums kept after the whole blocks'.

// Stops the compiler from loading a block once more where it is used twice.
EFFECT_AVX2_INLINE __m256i Held(__m256i v) {
  asm("" : "+x"(v));
  return v;
}

// The blocks of a row: f(byte offset, offset of its sums).
template <class Block>
EFFECT_AVX2_INLINE void ForBlurBlocks(int count, Block f) {
  int i = 0;
  for (; i + 32 <= count; i += 32) f(i, i);
  if (i < count && count >= 32) f(count - 32, i);
}

// 3 for the multiplies of the middle row across, held in a register: one multiply with the row
// loaded in it is fewer instructions than the shift and add the compiler would make of it.
EFFECT_AVX2_INLINE __m256i Three() { return Held(_mm256_set1_epi16(3)); }

// 10·(r[i − 3] + r[i + 3]) + 30·r[i] for the block at r: the bytes either side merged into one
// lane (low byte from the left, high from the right) and weighed as a pair.
EFFECT_AVX2_INLINE void AcrossBlock(const uint8_t* r, __m256i* even, __m256i* odd) {
  const __m256i w1010 = _mm256_set1_epi16(10 | 10 << 8), w30 = _mm256_set1_epi16(30);
  const __m256i w30odd = _mm256_set1_epi16(30 << 8), high = _mm256_set1_epi16(static_cast<int16_t>(0xFF00));
  const __m256i left = Held(_mm256_loadu_si256(In(r - 3))), mid = Held(_mm256_loadu_si256(In(r)));
  const __m256i right = Held(_mm256_loadu_si256(In(r + 3)));
  const __m256i sidesEven = _mm256_blendv_epi8(left, _mm256_slli_epi16(right, 8), high);
  const __m256i sidesOdd = _mm256_blendv_epi8(_mm256_srli_epi16(left, 8), right, high);
  *even = _mm256_add_epi16(_mm256_maddubs_epi16(sidesEven, w1010), _mm256_maddubs_epi16(mid, w30));
  *odd = _mm256_add_epi16(_mm256_maddubs_epi16(sidesOdd, w1010), _mm256_maddubs_epi16(mid, w30odd));
}

// (up + down + 3·mid + centre·m) >> 8 for one block, its row below given as values; the even
// bytes take their sums' high bytes down, the odd ones keep theirs in place.
EFFECT_AVX2_INLINE __m256i DownBlock(const uint16_t* u, const uint16_t* m16, __m256i downEven, __m256i downOdd,
                                     const uint8_t* m, __m256i centre, __m256i three) {
  const __m256i high = _mm256_set1_epi16(static_cast<int16_t>(0xFF00));
  const __m256i px = Held(_mm256_loadu_si256(In(m)));
  const __m256i even = _mm256_add_epi16(
      _mm256_add_epi16(_mm256_loadu_si256(In(u)), downEven),
      _mm256_add_epi16(_mm256_mullo_epi16(_mm256_loadu_si256(In(m16)), three), _mm256_maddubs_epi16(px, centre)));
  const __m256i odd = _mm256_add_epi16(
      _mm256_add_epi16(_mm256_loadu_si256(In(u + 16)), downOdd),
      _mm256_add_epi16(_mm256_mullo_epi16(_mm256_loadu_si256(In(m16 + 16)), three),
                       _mm256_maddubs_epi16(px, _mm256_slli_epi16(centre, 8))));
  return _mm256_blendv_epi8(_mm256_srli_epi16(even, 8), odd, high);
}

EFFECT_AVX2 void BlurAcrossAvx2(const uint8_t* r, uint16_t* a, int n) {
  if (n < 32) return BlurAcrossBody(r, a, n);
  ForBlurBlocks(n, [&](int at, int slot) EFFECT_AVX2_LAMBDA {
    __m256i even, odd;
    AcrossBlock(r + at, &even, &odd);
    _mm256_storeu_si256(Out(a + slot), even);
    _mm256_storeu_si256(Out(a + slot + 16), odd);
  });
}

EFFECT_AVX2 void BlurDownAvx2(const uint16_t* u, const uint16_t* m16, const uint16_t* d, const uint8_t* m,
                              uint8_t* o, int n, int c) {
  if (n < 32) return BlurDownBody(u, m16, d, m, o, n, c);
  const __m256i centre = _mm256_set1_epi16(static_cast<int16_t>(c)), three = Three();
  ForBlurBlocks(n, [&](int at, int slot) EFFECT_AVX2_LAMBDA {
    _mm256_storeu_si256(Out(o + at), DownBlock(u + slot, m16 + slot, _mm256_loadu_si256(In(d + slot)),
                                               _mm256_loadu_si256(In(d + slot + 16)), m + at, centre, three));
  });
}

// The next row across, kept for the rows to come and used at once as the row below.
EFFECT_AVX2 void BlurStepAvx2(const uint8_t* next, const uint16_t* u, const uint16_t* m16, uint16_t* d,
                              const uint8_t* m, uint8_t* o, int n, int c) {
  if (n < 32) {
    BlurAcrossBody(next, d, n);
    return BlurDownBody(u, m16, d, m, o, n, c);
  }
  const __m256i centre = _mm256_set1_epi16(static_cast<int16_t>(c)), three = Three();
  ForBlurBlocks(n, [&](int at, int slot) EFFECT_AVX2_LAMBDA {
    __m256i even, odd;
    AcrossBlock(next + at, &even, &odd);
    _mm256_storeu_si256(Out(d + slot), even);
    _mm256_storeu_si256(Out(d + slot + 16), odd);
    _mm256_storeu_si256(Out(o + at), DownBlock(u + slot, m16 + slot, even, odd, m + at, centre, three));
  });
}

// centre·m − u − d − left − right as two pair products and one difference; the pack limits
// to 0..255.
EFFECT_AVX2_INLINE __m256i SharpenBlock(const RowBlocks& b, const uint8_t* u, const uint8_t* d,
                                        __m256i centreLessUp) {
  const __m256i lessBoth = _mm256_set1_epi16(-1), zero = _mm256_setzero_si256();
  const __m256i up = _mm256_loadu_si256(In(u)), down = _mm256_loadu_si256(In(d));
  const __m256i lo =
      _mm256_sub_epi16(_mm256_add_epi16(_mm256_maddubs_epi16(_mm256_unpacklo_epi8(b.mid, up), centreLessUp),
                                        _mm256_maddubs_epi16(_mm256_unpacklo_epi8(down, b.left), lessBoth)),
                       _mm256_unpacklo_epi8(b.right, zero));
  const __m256i hi =
      _mm256_sub_epi16(_mm256_add_epi16(_mm256_maddubs_epi16(_mm256_unpackhi_epi8(b.mid, up), centreLessUp),
                                        _mm256_maddubs_epi16(_mm256_unpackhi_epi8(down, b.left), lessBoth)),
                       _mm256_unpackhi_epi8(b.right, zero));
  return _mm256_packus_epi16(lo, hi);
}

// A row's last bytes short of a block are taken by one more block ending at the row's end.
EFFECT_AVX2 void SharpenAvx2(const uint8_t* u, const uint8_t* m, const uint8_t* d, uint8_t* o, int n, int c) {
  if (n < 32) return SharpenBody(u, m, d, o, n, c);
  const __m256i centreLessUp = _mm256_set1_epi16(static_cast<int16_t>((c & 0xFF) | 0xFF00));
  RowBlocks b(m, n);
  int i = 0;
  for (; i + 32 <= n; i += 32, b.Advance()) {
    b.At(i);
    _mm256_storeu_si256(Out(o + i), SharpenBlock(b, u + i, d + i, centreLessUp));
  }
  if (i == n) return;
  const int at = n - 32;
  RowBlocks last(m + at, 32);
  last.At(0);
  _mm256_storeu_si256(Out(o + at), SharpenBlock(last, u + at, d + at, centreLessUp));
}

EFFECT_AVX2 void EmbossAvx2(const uint8_t* u, const uint8_t* d, uint8_t* o, int n) {
  if (n < 32) return EmbossBody(u, d, o, n);
  const int whole = n - n % 32;
  EmbossBody(u, d, o, whole);
  if (whole < n) EmbossBody(u + n - 32, d + n - 32, o + n - 32, 32);
}
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
