// Blur, sharpen and emboss: the row loops for pixels whose neighbours may all be read (a row
// above or below the canvas stands in the centre), a per-pixel path with centre substitution for
// the rest.
#include "colvane/canvas/effects.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "colvane/canvas/effect_rows.h"

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

struct EffectJob {
  const EffectRows* rows;
  PixelView* canvas;
  const PixelView* snapshot;
  const ClipMask* clip;
  int width, height;  // the canvas as far as both pictures and the clip reach
  // The blur's rows across, three kept by row number; a row of zeros of each width.
  std::unique_ptr<uint16_t[]> across;
  std::vector<uint16_t> zero16;
  std::vector<uint8_t> zero8;
  int acrossRow[3] = {-1, -1, -1};

  // Row y taken across for the `count` bytes from column lo on (the same columns every call).
  const uint16_t* Across(int y, int lo, int count) {
    if (acrossRow[y % 3] != y) rows->blurAcross(snapshot->At(lo, y), Claim(y, count), count);
    return Slot(y, count);
  }
  bool HasAcross(int y) const { return acrossRow[y % 3] == y; }
  uint16_t* Slot(int y, int count) { return across.get() + static_cast<size_t>(y % 3) * AcrossLength(count); }
  uint16_t* Claim(int y, int count) {
    acrossRow[y % 3] = y;
    return Slot(y, count);
  }
};

// The row loops over `count` bytes of row m (bytes 3 back and 3 on readable) between rows up
// and down, either missing (null); the blur's rows across go to `scratch` (3 × AcrossLength(count)
// values).
template <int kEffect>
void KernelRow(const EffectJob& job, const uint8_t* up, const uint8_t* m, const uint8_t* down, uint8_t* out,
               int count, uint16_t* scratch) {
  const int missing = !up + !down;
  if (kEffect == kEffectBlur) {
    const int length = AcrossLength(count);
    uint16_t* across[3] = {scratch, scratch + length, scratch + 2 * length};
    const uint8_t* rows[3] = {up, m, down};
    for (int k = 0; k < 3; ++k) {
      if (rows[k])
        job.rows->blurAcross(rows[k], across[k], count);
      else
        std::fill_n(across[k], length, uint16_t{0});
    }
    job.rows->blurDown(across[0], across[1], across[2], m, out, count, 6 + 50 * missing);
  } else if (kEffect == kEffectSharpen) {
    job.rows->sharpen(up ? up : job.zero8.data(), m, down ? down : job.zero8.data(), out, count, 5 - missing);
  } else {
    // A missing corner neighbour is the centre: m + 3 read 3 bytes back is m.
    job.rows->emboss(up ? up : m + 3, down ? down : m - 3, out, count);
  }
}

// Columns lo .. hi - 1 of row y (1 <= lo, hi < width) through the row loops into `out`.
template <int kEffect>
void InnerRow(EffectJob& job, int y, int lo, int hi, uint8_t* out) {
  const int n = 3 * (hi - lo);
  const bool up = y > 0, down = y + 1 < job.height;
  const uint8_t* m = job.snapshot->At(lo, y);
  if (kEffect != kEffectBlur) {
    KernelRow<kEffect>(job, up ? job.snapshot->At(lo, y - 1) : nullptr, m,
                       down ? job.snapshot->At(lo, y + 1) : nullptr, out, n, nullptr);
    return;
  }
  // The blur keeps each row across for the rows below; going down, the next row is taken
  // across in the same pass.
  const uint16_t* above = up ? job.Across(y - 1, lo, n) : job.zero16.data();
  const uint16_t* mid = job.Across(y, lo, n);
  const int centre = 6 + 50 * (!up + !down);
  if (down && !job.HasAcross(y + 1))
    job.rows->blurStep(job.snapshot->At(lo, y + 1), above, mid, job.Claim(y + 1, n), m, out, n, centre);
  else
    job.rows->blurDown(above, mid, down ? job.Across(y + 1, lo, n) : job.zero16.data(), m, out, n, centre);
}

// Column x for rows 1 .. height - 2 through the row loops: each kernel is its own mirror across
// the diagonal, so columns x - 1, x, x + 1 laid out as rows (top first) stand for rows above,
// at and below.
template <int kEffect>
void SideColumn(const EffectJob& job, int x) {
  const int h = job.height, bytes = 3 * h;
  std::vector<uint8_t> columns(4 * static_cast<size_t>(bytes));
  std::vector<uint16_t> scratch(kEffect == kEffectBlur ? 3 * static_cast<size_t>(AcrossLength(bytes)) : 0);
  const uint8_t* laid[3] = {nullptr, nullptr, nullptr};
  const int first = std::max(x - 1, 0), last = std::min(x + 1, job.width - 1);
  for (int c = first; c <= last; ++c) laid[c - x + 1] = columns.data() + static_cast<size_t>(c - x + 1) * bytes;
  // Row by row, all the columns at once: each row of the picture is visited once.
  for (int y = 0; y < h; ++y) {
    const uint8_t* p = job.snapshot->At(first, y);
    for (int c = first; c <= last; ++c, p += 3)
      std::memcpy(columns.data() + static_cast<size_t>(c - x + 1) * bytes + 3 * y, p, 3);
  }
  uint8_t* out = columns.data() + 3 * static_cast<size_t>(bytes);
  KernelRow<kEffect>(job, laid[0] ? laid[0] + 3 : nullptr, laid[1] + 3, laid[2] ? laid[2] + 3 : nullptr,
                     out + 3, 3 * (h - 2), scratch.data());
  for (int y = 1; y + 1 < h; ++y) std::memcpy(job.canvas->At(x, y), out + 3 * y, 3);
}

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

// Without a selection: the row loops for columns 1 .. width - 2 and, laid out as rows, for the
// first and last columns; the per-pixel path for the corners and for a canvas too narrow or
// too short for that.
template <int kEffect>
void WholeCanvas(EffectJob& job) {
  const int w = job.width, h = job.height;
  if (w < 3 || h < 3) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) EdgePixel<kEffect, false>(job, x, y);
    return;
  }
  for (int y = 0; y < h; ++y) InnerRow<kEffect>(job, y, 1, w - 1, job.canvas->At(1, y));
  for (int x : {0, w - 1}) {
    SideColumn<kEffect>(job, x);
    EdgePixel<kEffect, false>(job, x, 0);
    EdgePixel<kEffect, false>(job, x, h - 1);
  }
}

// With a selection: the row loops into a scratch row, taken for every pixel whose nine
// neighbours are all selected; the per-pixel path for the selection's border.
template <int kEffect>
void SelectedArea(EffectJob& job) {
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
    if (rowsInside && lo < hi) InnerRow<kEffect>(job, y, lo, hi, &scratch[3 * lo]);
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
  if (effect != kEffectBlur && effect != kEffectSharpen && effect != kEffectEmboss) return 0;
  EffectJob job{&TheEffectRows(), canvas, &snapshot, &clip, 0, 0, nullptr, {}, {}};
  job.width = std::min({canvas->width, snapshot.width, clip.Width()});
  job.height = std::min({canvas->height, snapshot.height, clip.Height()});
  if (job.width <= 0 || job.height <= 0) return 1;
  const size_t rowBytes = static_cast<size_t>(job.width) * 3;
  if (effect == kEffectBlur) {
    const size_t length = AcrossLength(static_cast<int>(rowBytes));
    job.across.reset(new uint16_t[3 * length]);
    job.zero16.resize(length);
  }
  // Columns may run as rows too.
  if (effect == kEffectSharpen) job.zero8.resize(static_cast<size_t>(std::max(job.width, job.height)) * 3);
  const bool all = clip.IsAll();
  switch (effect) {
    case kEffectBlur: all ? WholeCanvas<kEffectBlur>(job) : SelectedArea<kEffectBlur>(job); break;
    case kEffectSharpen: all ? WholeCanvas<kEffectSharpen>(job) : SelectedArea<kEffectSharpen>(job); break;
    default: all ? WholeCanvas<kEffectEmboss>(job) : SelectedArea<kEffectEmboss>(job); break;
  }
  return 1;
}
