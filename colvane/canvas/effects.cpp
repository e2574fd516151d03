// Blur, sharpen and emboss: a vectorisable row kernel for pixels whose whole neighbourhood is
// inside, and a per-pixel path with centre substitution for the rest.
#include "colvane/canvas/effects.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Weights row by row from the top-left neighbour.
struct Kernel {
  int weight[9];
};

const Kernel kBlur = {{10, 30, 10, 30, 96, 30, 10, 30, 10}};
const Kernel kSharpen = {{0, -1, 0, -1, 5, -1, 0, -1, 0}};
const Kernel kEmboss = {{-1, 0, 0, 0, 0, 0, 0, 0, 1}};

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
void BlurRow(const uint8_t* __restrict up, const uint8_t* __restrict mid,
             const uint8_t* __restrict down, uint8_t* __restrict out, int count) {
  // 10·(corners) + 30·(edges) + 96·centre <= 256·255: fits 16 bits unsigned.
  for (int i = 0; i < count; ++i) {
    uint16_t corners = static_cast<uint16_t>(up[i - 3] + up[i + 3] + down[i - 3] + down[i + 3]);
    uint16_t edges = static_cast<uint16_t>(up[i] + down[i] + mid[i - 3] + mid[i + 3]);
    uint16_t sum = static_cast<uint16_t>(corners * 10 + edges * 30 + mid[i] * 96);
    out[i] = static_cast<uint8_t>(sum >> 8);
  }
}

void SharpenRow(const uint8_t* __restrict up, const uint8_t* __restrict mid,
                const uint8_t* __restrict down, uint8_t* __restrict out, int count) {
  for (int i = 0; i < count; ++i) {
    int16_t sum = static_cast<int16_t>(mid[i] * 5 - up[i] - down[i] - mid[i - 3] - mid[i + 3]);
    sum = std::max<int16_t>(sum, 0);
    out[i] = static_cast<uint8_t>(std::min<int16_t>(sum, 255));
  }
}

void EmbossRow(const uint8_t* __restrict up, const uint8_t* /*mid*/,
               const uint8_t* __restrict down, uint8_t* __restrict out, int count) {
  for (int i = 0; i < count; ++i) {
    int16_t sum = static_cast<int16_t>(down[i + 3] - up[i - 3] + 128);
    sum = std::max<int16_t>(sum, 0);
    out[i] = static_cast<uint8_t>(std::min<int16_t>(sum, 255));
  }
}

using RowKernel = void (*)(const uint8_t*, const uint8_t*, const uint8_t*, uint8_t*, int);

struct EffectJob {
  int effect;
  const Kernel* kernel;
  RowKernel row;
  PixelView* canvas;
  const PixelView* snapshot;
  const ClipMask* clip;
  int width, height;  // the canvas as far as both pictures and the clip reach
};

bool Allowed(const EffectJob& job, int x, int y) {
  return x >= 0 && y >= 0 && x < job.width && y < job.height && job.clip->Contains(x, y);
}

// One pixel with neighbours outside the clip or the canvas replaced by the centre.
void EdgePixel(const EffectJob& job, int x, int y) {
  const uint8_t* centre = job.snapshot->At(x, y);
  int sum[3] = {0, 0, 0};
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      int w = job.kernel->weight[(dy + 1) * 3 + dx + 1];
      if (w == 0) continue;
      const uint8_t* p = Allowed(job, x + dx, y + dy) ? job.snapshot->At(x + dx, y + dy) : centre;
      for (int c = 0; c < 3; ++c) sum[c] += w * p[c];
    }
  uint8_t* out = job.canvas->At(x, y);
  for (int c = 0; c < 3; ++c) out[c] = Finish(job.effect, sum[c]);
}

// Without a selection: the row kernel for columns 1 .. width - 2 of rows 1 .. height - 2, the
// per-pixel path for the canvas border.
void WholeCanvas(const EffectJob& job) {
  for (int y = 0; y < job.height; ++y) {
    bool inner = y >= 1 && y <= job.height - 2 && job.width >= 3;
    if (!inner) {
      for (int x = 0; x < job.width; ++x) EdgePixel(job, x, y);
      continue;
    }
    job.row(job.snapshot->At(1, y - 1), job.snapshot->At(1, y), job.snapshot->At(1, y + 1),
            job.canvas->At(1, y), 3 * (job.width - 2));
    EdgePixel(job, 0, y);
    EdgePixel(job, job.width - 1, y);
  }
}

// With a selection: the row kernel into a scratch row, taken for every pixel whose nine
// neighbours are all selected; the per-pixel path for the selection's border.
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
              &scratch[3 * lo], 3 * (hi - lo));
    for (int x = box.left; x < box.right; ++x) {
      if (!m[x]) continue;
      bool full = rowsInside && x >= 1 && x + 1 < job.width && m[x - 1] && m[x + 1] &&
                  mu[x - 1] && mu[x] && mu[x + 1] && md[x - 1] && md[x] && md[x + 1];
      if (full)
        std::memcpy(job.canvas->At(x, y), &scratch[3 * x], 3);
      else
        EdgePixel(job, x, y);
    }
  }
}

}  // namespace

int ApplyPictureEffect(int effect, PixelView* canvas, const PixelView& snapshot, const ClipMask& clip) {
  EffectJob job{effect, nullptr, nullptr, canvas, &snapshot, &clip, 0, 0};
  switch (effect) {
    case kEffectBlur: job.kernel = &kBlur; job.row = BlurRow; break;
    case kEffectSharpen: job.kernel = &kSharpen; job.row = SharpenRow; break;
    case kEffectEmboss: job.kernel = &kEmboss; job.row = EmbossRow; break;
    default: return 0;
  }
  job.width = std::min({canvas->width, snapshot.width, clip.Width()});
  job.height = std::min({canvas->height, snapshot.height, clip.Height()});
  if (job.width <= 0 || job.height <= 0) return 1;
  if (clip.IsAll())
    WholeCanvas(job);
  else
    SelectedArea(job);
  return 1;
}
