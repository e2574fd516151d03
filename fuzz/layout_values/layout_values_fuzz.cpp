// Fuzzes the layout values and the screen geometry: any screen size and any value text give
// positions whose sums with the screen and paper origins stay inside int, as start-up and every
// drawing routine compute them. Input layout:
//   0   4  screen width (little-endian int32)     4  4  screen height
//   8   .. value texts separated by "\n": the first is the paper origin, the rest are read both
//          as points and as rectangles; each is cut to 143 characters as the profile read does
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "colvane/frame/screen_layout.h"
#include "colvane/layout/layout_values.h"

namespace {

int32_t Int32(const uint8_t* p) {
  return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

void Check(bool ok) {
  if (!ok) abort();
}

// A layout point taken to the screen and to the paper, as the blits and the mouse routers do.
void Place(const ScreenLayout& s, int reach, int x, int y) {
  Check(x >= -reach && x <= reach && y >= -reach && y <= reach);
  const int screenX = x + s.screenOriginX, screenY = y + s.screenOriginY;
  const int paperX = screenX - s.paperOriginX, paperY = screenY - s.paperOriginY;
  Check(int64_t(paperX) == int64_t(x) + s.screenOriginX - s.paperOriginX);
  Check(int64_t(paperY) == int64_t(y) + s.screenOriginY - s.paperOriginY);
  IsOnPaperPoint(s, paperX, paperY);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 8) return 0;
  const int width = Int32(data), height = Int32(data + 4);
  const ScreenGeometry g = ChooseScreenGeometry(width, height);
  const int reach = LayoutReach(width, height);
  Check(reach >= kMinLayoutReach && reach <= kMaxLayoutReach);

  std::string text(reinterpret_cast<const char*>(data + 8), size - 8);
  size_t at = 0;
  bool first = true;
  ScreenLayout screen;
  while (at <= text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    char value[144];  // the profile read's buffer: longer values are cut
    size_t n = end - at < sizeof(value) - 1 ? end - at : sizeof(value) - 1;
    std::memcpy(value, text.data() + at, n);
    value[n] = '\0';
    at = end + 1;

    int x = 0, y = 0;
    const int present = ParseLayoutPoint(value, 0, 0, reach, &x, &y);
    Check(present || (x == 0 && y == 0));
    if (first) {
      screen = MakeScreenLayout(g, x, y);
      first = false;
    }
    Place(screen, reach, x, y);

    const int defaults[4] = {0, 0, 0, 0};
    int r[4];
    ParseLayoutRect(value, defaults, reach, r);
    Place(screen, reach, r[0], r[1]);
    Place(screen, reach, r[2], r[3]);
    // Width and height of a hit rectangle, and a point plus a size (the swatch rectangles).
    const int w = r[2] - r[0], h = r[3] - r[1];
    Check(int64_t(w) == int64_t(r[2]) - r[0] && int64_t(h) == int64_t(r[3]) - r[1]);
    Place(screen, 3 * reach, x + r[0] + r[2], y + r[1] + r[3]);

    int numbers[8];
    Check(ParseLayoutNumbers(value, numbers, 8) <= 8);
    char path[32];
    JoinFolderPath(value, value + n / 2, path, sizeof(path));
    Check(std::strlen(path) < sizeof(path));
    if (at > text.size()) break;
  }
  return 0;
}
