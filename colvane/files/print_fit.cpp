// The fit of a printed picture on the printable page.
#include "colvane/files/print_fit.h"

#include <cstdint>

PrintPlace FitOnPage(int canvasWidth, int canvasHeight, int horzRes, int vertRes, int dpiX, int dpiY) {
  PrintPlace p;
  if (canvasWidth <= 0 || canvasHeight <= 0) return p;
  const int wp = static_cast<uint16_t>(horzRes - dpiX / 2);
  const int hp = static_cast<uint16_t>(vertRes - dpiY);
  const double t = static_cast<double>(canvasWidth) / canvasHeight * hp;
  if (wp <= t) {
    const int h = static_cast<int>(static_cast<double>(canvasHeight) / canvasWidth * wp);
    p.left = 0;
    p.right = wp;
    p.top = (hp - h) / 2;
    p.bottom = p.top + h;
  } else {
    const int w = static_cast<int>(t);
    p.top = 0;
    p.bottom = hp;
    p.left = (wp - w) / 2;
    p.right = p.left + w;
  }
  p.x = dpiX / 4 + p.left;
  p.y = p.top;
  p.width = p.right - p.left;
  p.height = p.bottom - p.top;
  return p;
}
