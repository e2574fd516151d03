// Parsing of layout values and the choice of the screen variant.
#include "colvane/layout/layout_values.h"

#include <climits>
#include <cstdint>
#include <cstring>

int LayoutAtoi(const char* text) {
  if (!text) return 0;
  const char* p = text;
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  int64_t value = 0;
  while (*p >= '0' && *p <= '9') {
    value = value * 10 + (*p++ - '0');
    if (value > static_cast<int64_t>(INT_MAX) + 1) value = static_cast<int64_t>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

int ParseLayoutNumbers(const char* text, int* numbers, int count) {
  if (!text) return 0;
  int found = 0;
  const char* p = text;
  while (*p && found < count) {
    while (*p == ',') ++p;  // empty fields are skipped
    if (!*p) break;
    const char* end = std::strchr(p, ',');
    size_t len = end ? static_cast<size_t>(end - p) : std::strlen(p);
    char token[64];
    size_t n = len < sizeof(token) - 1 ? len : sizeof(token) - 1;
    std::memcpy(token, p, n);
    token[n] = '\0';
    numbers[found++] = LayoutAtoi(token);
    p += len;
  }
  return found;
}

int LayoutReach(int screenWidth, int screenHeight) {
  int reach = screenWidth > screenHeight ? screenWidth : screenHeight;
  if (reach < kMinLayoutReach) return kMinLayoutReach;
  return reach > kMaxLayoutReach ? kMaxLayoutReach : reach;
}

static bool WithinReach(const int* v, int count, int reach) {
  for (int i = 0; i < count; ++i)
    if (v[i] < -reach || v[i] > reach) return false;
  return true;
}

int ParseLayoutPoint(const char* text, int defaultX, int defaultY, int reach, int* x, int* y) {
  int v[2];
  if (!text || std::strcmp(text, "nop") == 0 || ParseLayoutNumbers(text, v, 2) < 2 ||
      !WithinReach(v, 2, reach)) {
    *x = defaultX;
    *y = defaultY;
    return 0;
  }
  *x = v[0];
  *y = v[1];
  return 1;
}

int ParseLayoutRect(const char* text, const int defaults[4], int reach, int out[4]) {
  int v[4];
  if (!text || std::strcmp(text, "nor") == 0 || ParseLayoutNumbers(text, v, 4) < 4 ||
      !WithinReach(v, 4, reach)) {
    for (int i = 0; i < 4; ++i) out[i] = defaults[i];
    return 0;
  }
  for (int i = 0; i < 4; ++i) out[i] = v[i];
  return 1;
}

ScreenGeometry ChooseScreenGeometry(int width, int height) {
  ScreenGeometry g{};
  if (width > 800) {
    g.paperWidth = 640;
    g.wideLayout = 1;
    g.screenOriginX = (width - 800) / 2;
  } else {
    g.screenOriginX = 0;
    g.wideLayout = width > 640 ? 1 : 0;
    g.paperWidth = width > 640 ? 640 : 482;
  }
  if (height > 600) {
    g.paperHeight = 480;
    g.screenOriginY = (height - 600) / 2;
  } else {
    g.screenOriginY = 0;
    g.paperHeight = height > 480 ? 480 : 371;
  }
  return g;
}

int JoinFolderPath(const char* folder, const char* name, char* out, int size) {
  if (size <= 0) return 0;
  size_t cap = static_cast<size_t>(size) - 1, n = 0;
  bool fits = true;
  auto put = [&](const char* s) {
    for (; *s; ++s) {
      if (n == cap) {
        fits = false;
        return;
      }
      out[n++] = *s;
    }
  };
  put(folder ? folder : "");
  if (n == 0 || out[n - 1] != '\\') put("\\");
  put(name ? name : "");
  out[n] = '\0';
  return fits ? 1 : 0;
}
