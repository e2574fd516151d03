// Flood fill: span region growing over a mask of the canvas.
#include "colvane/canvas/flood_fill.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>


namespace {

// Mask byte values.
constexpr uint8_t kClosed = 0, kOpen = 1, kInArea = kFillMaskArea;
constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr size_t kSpare = 8;  // bytes before and after the mask for word-wide reads

inline uint64_t Load8(const uint8_t* p) { uint64_t v; std::memcpy(&v, p, 8); return v; }

inline size_t MaskIndex(const FillState& f, int x, int y) {
  return kSpare + static_cast<size_t>(y + 1) * (f.width + 2) + (x + 1);
}
// Row y of the mask, indexed by x (x = -1 and x = width are the zero border).
inline uint8_t* MaskRow(FillState* f, int y) { return &f->mask[MaskIndex(*f, 0, y)]; }
inline const uint8_t* MaskRow(const FillState& f, int y) { return &f.mask[MaskIndex(f, 0, y)]; }

// The span loop's helpers are small and hot: inlined whatever the optimiser's estimate.
#define FILL_INLINE inline __attribute__((always_inline))

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the word-wide mask scans assume little-endian byte order"
#endif

// Makes the mask fit the canvas and clears what the previous fill left: every row it
// classified (rows never classified hold only zeros).
void ResetMask(FillState* fill, int width, int height) {
  size_t size = kSpare + static_cast<size_t>(width + 2) * (height + 2) + kSpare;
  if (fill->width != width || fill->height != height || fill->mask.size() != size) {
    fill->width = width;
    fill->height = height;
    fill->mask.assign(size, kClosed);
    fill->rowReady.assign(static_cast<size_t>(height), 0);
    fill->scratch.resize(static_cast<size_t>(width) * 9);  // tests, range low, range span
    return;
  }
  for (int y = 0; y < height; ++y) {
    if (!fill->rowReady[y]) continue;
    std::memset(MaskRow(fill, y), kClosed, static_cast<size_t>(width));
    fill->rowReady[y] = 0;
  }
}

// The seed colour's acceptance range: a pixel is similar when every byte v satisfies
// lo <= v <= lo + span, tested as one unsigned byte compare. The range is laid out once per fill
// as two rows of bytes in pixel order (blue, green, red, blue, ...), so the row test below runs
// over plain byte arrays.
void SetSeedColour(FillState* fill, const uint8_t* seed) {
  for (int c = 0; c < 3; ++c) {
    int lo = std::max(seed[c] - kFillTolerance, 0);
    int hi = std::min(seed[c] + kFillTolerance, 255);
    fill->lo[c] = static_cast<uint8_t>(lo);
    fill->span[c] = static_cast<uint8_t>(hi - lo);
  }
  const size_t n = static_cast<size_t>(fill->width) * 3;
  uint8_t* lo = fill->scratch.data() + n;
  uint8_t* span = lo + n;
  for (size_t i = 0; i < n; ++i) {
    lo[i] = fill->lo[i % 3];
    span[i] = fill->span[i % 3];
  }
}

// ---- Row kernels ---------------------------------------------------------------------------
// The classifying row loop runs over whole rows of bytes and vectorises, with byte shuffles
// (taking every third byte) that only AVX2 does well. So it is compiled twice, for any processor
// and for processors with AVX2, and chosen once at run time; both give the same bytes
// (COLVANE_FILL_NO_AVX2 builds only the first, so tests can check it on any machine).

// test = per byte, is p within the seed's range; row[x] = all three bytes of pixel x passed.
FILL_INLINE void ClassifyBytes(const uint8_t* __restrict p, const uint8_t* __restrict lo,
                               const uint8_t* __restrict span, uint8_t* __restrict test,
                               uint8_t* __restrict row, int width) {
  const int n = 3 * width;
  for (int i = 0; i < n; ++i) test[i] = static_cast<uint8_t>(p[i] - lo[i]) <= span[i];
  // Fold each byte with the next two, then take every third byte: three plain loops.
  for (int i = 0; i < n - 2; ++i) test[i] = test[i] & test[i + 1] & test[i + 2];
  for (int x = 0; x < width; ++x) row[x] = test[3 * x];
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__)) && !defined(COLVANE_FILL_NO_AVX2)
__attribute__((target("avx2"))) void ClassifyBytesAvx2(const uint8_t* p, const uint8_t* lo,
                                                       const uint8_t* span, uint8_t* test,
                                                       uint8_t* row, int width) {
  ClassifyBytes(p, lo, span, test, row, width);
}
bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#define FILL_HAS_AVX2_KERNELS 1
#endif

void ClassifyRowBytes(const uint8_t* p, const uint8_t* lo, const uint8_t* span, uint8_t* test,
                      uint8_t* row, int width) {
#ifdef FILL_HAS_AVX2_KERNELS
  if (HasAvx2()) return ClassifyBytesAvx2(p, lo, span, test, row, width);
#endif
  ClassifyBytes(p, lo, span, test, row, width);
}

// ---- Region growing --------------------------------------------------------------------------

// Marks row y's pixels open (similar to the seed) or closed, all at once and without branches.
void ClassifyRow(FillState* fill, const PixelView& canvas, int y) {
  const size_t n = static_cast<size_t>(fill->width) * 3;
  uint8_t* test = fill->scratch.data();
  ClassifyRowBytes(canvas.Row(y), test + n, test + 2 * n, test, MaskRow(fill, y), fill->width);
  fill->rowReady[y] = 1;
}

// The run of open pixels through x (open itself). The zero border stops both scans; marked
// pixels never touch open ones (runs are marked whole), so "open" is "similar" here.
FILL_INLINE void RunAround(const uint8_t* row, int x, int* left, int* right) {
  int r = x;
  for (;;) {
    uint64_t other = Load8(row + r + 1) ^ kOnes;  // non-zero bytes: not open
    if (other) {
      r += __builtin_ctzll(other) / 8;
      break;
    }
    r += 8;
  }
  int l = x;
  for (;;) {
    uint64_t other = Load8(row + l - 8) ^ kOnes;
    if (other) {
      l -= 7 - (63 - __builtin_clzll(other)) / 8;
      break;
    }
    l -= 8;
  }
  *left = l;
  *right = r;
}

// How many open runs of the row touch columns [l, r]: 0, 1 (its ends in *left and *right; it
// may reach beyond them) or 2 for more than one.
FILL_INLINE int RunsAhead(const uint8_t* row, int l, int r, int* left, int* right) {
  if (l == r) {
    // One pixel: most often a corridor going on, which three bytes tell.
    if (row[l] != kOpen) return 0;
    if (row[l - 1] == kOpen || row[l + 1] == kOpen) {
      RunAround(row, l, left, right);
    } else {
      *left = *right = l;
    }
    return 1;
  }
  int x = r;
  uint64_t open = 0;
  for (; x >= l; x -= 8) {
    open = Load8(row + x - 7) & kOnes & (~0ull << (8 * std::max(l - (x - 7), 0)));
    if (open) break;
  }
  if (!open) return 0;
  RunAround(row, x - 7 + (63 - __builtin_clzll(open)) / 8, left, right);
  for (x = *left - 2; x >= l; x -= 8)
    if (Load8(row + x - 7) & kOnes & (~0ull << (8 * std::max(l - (x - 7), 0)))) return 2;
  return 1;
}

// The growing's state in one local object, kept in registers: read through the FillState, it
// would be read again after every byte stored into the mask (a byte store may alias anything).
struct Grower {
  FillState* fill;
  const PixelView* canvas;
  uint8_t* row0;                   // mask row 0 at x = 0
  ptrdiff_t pitch;                 // bytes from one mask row to the next
  const uint8_t* ready;
  FillSpan* stack;                 // fill->pending's room: `size` spans wait, `capacity` fit
  size_t size, capacity;

  FILL_INLINE uint8_t* Row(int y) const { return row0 + y * pitch; }
  // Row y of the mask, classified first when the growing reaches it for the first time.
  FILL_INLINE const uint8_t* Reached(int y) {
    if (!ready[y]) ClassifyRow(fill, *canvas, y);
    return Row(y);
  }

  // Spans are marked when they are pushed rather than when they are taken off the stack. Spans
  // are always maximal runs, so a run is either wholly marked or wholly unmarked, and marking
  // early only stops the same run from being pushed twice: the area is the same.
  FILL_INLINE void Mark(const FillSpan& s) {
    uint8_t* p = Row(s.y) + s.left;
    const int length = s.right - s.left + 1;
    if (length <= 8) {
      // Most runs in narrow places are short: merge them into one word instead of a memset call
      // (the bytes after the run are rewritten unchanged; the mask has spare bytes at its end).
      uint64_t keep = length == 8 ? 0 : ~0ull << (8 * length);
      uint64_t word = (Load8(p) & keep) | (0x0202020202020202ull & ~keep);
      std::memcpy(p, &word, 8);
    } else {
      std::memset(p, kInArea, static_cast<size_t>(length));
    }
  }

  FILL_INLINE void Push(const FillSpan& s) {
    Mark(s);
    if (size == capacity) {
      fill->pending.resize(std::max<size_t>(2 * capacity, 256));
      stack = fill->pending.data();
      capacity = fill->pending.size();
    }
    stack[size++] = s;
  }

  // Pushes every open run of row parent.y + dir that touches columns [l, r] of the parent,
  // scanning from right to left.
  FILL_INLINE void Scan(const FillSpan& parent, int dir, int l, int r) {
    const int ny = parent.y + dir;
    const uint8_t* row = Reached(ny);
    int x = r;
    while (x >= l) {
      // Bytes x - 7 .. x, those left of `l` dropped; bit 0 of a byte is set only when open.
      uint64_t open = Load8(row + x - 7) & kOnes & (~0ull << (8 * std::max(l - (x - 7), 0)));
      if (!open) {
        x -= 8;
        continue;
      }
      FillSpan run{0, 0, ny, dir, parent.left, parent.right};
      RunAround(row, x - 7 + (63 - __builtin_clzll(open)) / 8, &run.left, &run.right);
      Push(run);
      x = run.left - 2;  // run.left - 1 is closed
    }
  }

  // Spreads a run to its neighbour rows: all of the row away from its parent, and of the row
  // toward the parent only the columns beyond the parent's ends.
  FILL_INLINE void Spread(const FillSpan& s) {
    if (s.dir == 0) {
      Scan(s, -1, s.left, s.right);
      Scan(s, 1, s.left, s.right);
      return;
    }
    Scan(s, s.dir, s.left, s.right);
    if (s.left < s.parentLeft) Scan(s, -s.dir, s.left, s.parentLeft - 1);
    if (s.right > s.parentRight) Scan(s, -s.dir, s.parentRight + 1, s.right);
  }

  void Run(int x, int y) {
    const int last = canvas->height - 2;  // spans on rows 0 and height - 1 spread no further
    FillSpan seed{0, 0, y, 0, 0, 0};
    RunAround(Row(y), x, &seed.left, &seed.right);
    Push(seed);
    while (size) {
      FillSpan s = stack[--size];
      if (s.y < 1 || s.y > last) continue;
      // A run its parent covers only looks ahead. While the row ahead holds exactly one run,
      // that run is the one the stack would give next: take it at once (a corridor is followed
      // row by row), and go on while it too is covered.
      bool spread = true;
      while (s.dir != 0 && s.parentLeft <= s.left && s.right <= s.parentRight) {
        FillSpan next{0, 0, s.y + s.dir, s.dir, s.left, s.right};
        const int runs = RunsAhead(Reached(next.y), s.left, s.right, &next.left, &next.right);
        if (runs == 0) {
          spread = false;  // a dead end (or pixels already in the area)
          break;
        }
        if (runs > 1) break;
        Mark(next);
        s = next;
        if (s.y < 1 || s.y > last) break;
      }
      if (spread && s.y >= 1 && s.y <= last) Spread(s);
    }
  }
};

// The bounding box of the area (right and bottom exclusive), read from the mask once the
// growing is done: only classified rows can hold area pixels.
ClipRect AreaBox(const FillState& fill) {
  constexpr uint64_t kAreaBits = 0x0202020202020202ull;
  const int width = fill.width;
  ClipRect box{width, fill.height, 0, 0};
  for (int y = 0; y < fill.height; ++y) {
    if (!fill.rowReady[y]) continue;
    const uint8_t* row = MaskRow(fill, y);
    int first = width;
    for (int x = 0; x < width; x += 8)
      if (uint64_t a = Load8(row + x) & kAreaBits) {
        first = x + __builtin_ctzll(a) / 8;
        break;
      }
    if (first >= width) continue;  // (bytes past the row's end belong to the border and on)
    int last = first;
    for (int x = width - 8;; x -= 8)
      if (uint64_t a = Load8(row + x) & kAreaBits & (~0ull << (8 * std::max(-x, 0)))) {
        last = x + (63 - __builtin_clzll(a)) / 8;
        break;
      }
    box.left = std::min(box.left, first);
    box.right = std::max(box.right, last + 1);
    box.top = std::min(box.top, y);
    box.bottom = y + 1;
  }
  return box;
}

}  // namespace

int ColourDistance(uint32_t a, uint32_t b) {
  int dr = std::abs(RedOf(a) - RedOf(b));
  int dg = std::abs(GreenOf(a) - GreenOf(b));
  int db = std::abs(BlueOf(a) - BlueOf(b));
  return std::max(dr, std::max(dg, db));
}

int GrowFillArea(FillState* fill, const PixelView& canvas, const ClipMask& clip, int x, int y) {
  if (!canvas.Inside(x, y) || !clip.Contains(x, y)) return 0;
  ResetMask(fill, canvas.width, canvas.height);
  SetSeedColour(fill, canvas.At(x, y));
  ClassifyRow(fill, canvas, y);
  Grower g{fill, &canvas, MaskRow(fill, 0), static_cast<ptrdiff_t>(canvas.width) + 2,
           fill->rowReady.data(), fill->pending.data(), 0, fill->pending.size()};
  g.Run(x, y);
  fill->rect = AreaBox(*fill);
  return 1;
}

const uint8_t* FillMaskRow(const FillState& fill, int y) { return MaskRow(fill, y); }

int InFillArea(const FillState& fill, int x, int y) {
  if (x < 0 || y < 0 || x >= fill.width || y >= fill.height) return 0;
  return fill.mask[MaskIndex(fill, x, y)] == kInArea;
}
