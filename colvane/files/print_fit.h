// Where a printed picture stands on the page: fitted to the printable area with its proportions
// kept and centred along the other side. Pure.
#pragma once

struct PrintPlace {
  int left = 0, top = 0, right = 0, bottom = 0;  // inside the printable area, device pixels
  int x = 0, y = 0, width = 0, height = 0;        // the destination of the stretch on the page
};

// Canvas Wc x Hc on a printer of HORZRES x VERTRES pixels at LOGPIXELSX x LOGPIXELSY dots per
// inch. The printable area is Wp = HORZRES - dpiX / 2 by Hp = VERTRES - dpiY (each modulo
// 65536). t = Wc / Hc * Hp is the width at full height: when Wp <= t the width limits and the
// picture is centred vertically, otherwise the height limits and it is centred horizontally.
// The stretch starts a quarter inch right of the computed left edge.
PrintPlace FitOnPage(int canvasWidth, int canvasHeight, int horzRes, int vertRes, int dpiX, int dpiY);
