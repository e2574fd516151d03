// Plain and transparent blits of screen art, with the paper laid over whatever reaches under it
// (the overlay of paper_overlay_win.h lives here: it is made of these blits).
#include "colvane/frame/blit_win.h"

#include "colvane/frame/coords_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/palette_scope_win.h"
#include "colvane/frame/paper_overlay_win.h"
#include "colvane/frame/screen_bitmap_win.h"

namespace {

bool composing = false;  // the screen is being composed: the paper comes last, over everything
HDC composeSource = nullptr;  // one memory DC for every art bitmap blitted into the composition
HGDIOBJ composeSourceDefault = nullptr;

// Whether a rectangle of dc (device coordinates) reaches into its clipping: a blit wholly
// outside costs nothing then, not even the selection of its source.
bool ReachesClip(HDC dc, int x, int y, int width, int height) {
  RECT clip;
  const int kind = GetClipBox(dc, &clip);
  if (kind == ERROR) return true;
  const RECT r{x, y, x + width, y + height};
  RECT both;
  return kind != NULLREGION && IntersectRect(&both, &clip, &r) != 0;
}

// The memory DC the composition's blits take their art through, made at the first.
HDC ComposeSource(HDC dc) {
  if (!composeSource) {
    composeSource = CreateCompatibleDC(dc);
    if (composeSource) composeSourceDefault = GetCurrentObject(composeSource, OBJ_BITMAP);
  }
  return composeSource;
}

// Draws a source rectangle of bitmap at the layout point on dc as it is.
int BlitDirect(HDC dc, HBITMAP bitmap, POINT destination, int width, int height, POINT source) {
  POINT at = destination;
  LayoutToScreen(&at);
  if (!ReachesClip(dc, at.x, at.y, width, height)) return 1;
  if (!ComposeSource(dc)) return 0;
  SelectObject(composeSource, bitmap);
  BitBlt(dc, at.x, at.y, width, height, composeSource, source.x, source.y, SRCCOPY);
  return 1;
}

// Copies a source rectangle of bitmap into a new bitmap of width x height, overlays the paper
// at the layout point and draws the result at that point on dc.
int BlitViaTemporary(HWND window, HDC dc, HBITMAP bitmap, POINT destination, int width, int height,
                     POINT source) {
  HBITMAP tempBitmap = CreateScreenBitmap(dc, width, height);
  {
    MemoryDc from(dc), temp(dc);
    SelectedObject fromArt(from, bitmap), tempArt(temp, tempBitmap);
    BitBlt(temp, 0, 0, width, height, from, source.x, source.y, SRCCOPY);
    OverlayPaper(window, temp, destination);
    POINT at = destination;
    LayoutToScreen(&at);
    BitBlt(dc, at.x, at.y, width, height, temp, 0, 0, SRCCOPY);
  }
  DeleteObject(tempBitmap);
  return 1;
}

}  // namespace

int BlitPart(HWND window, HDC dc, HBITMAP bitmap, POINT destination, int width, int height,
             POINT source, HPALETTE palette) {
  if (!bitmap || width == 0) return 0;
  // The composition realised the palette in its DC once for all its blits.
  PaletteScope scope(dc, composing ? nullptr : palette);
  if (composing) return BlitDirect(dc, bitmap, destination, width, height, source);
  return BlitViaTemporary(window, dc, bitmap, destination, width, height, source);
}

int BlitPartToWindow(HWND window, HBITMAP bitmap, POINT destination, int width, int height,
                     POINT source, HPALETTE palette) {
  if (!bitmap || width == 0) return 0;
  HDC dc = GetDC(window);
  int r = BlitPart(window, dc, bitmap, destination, width, height, source, palette);
  ReleaseDC(window, dc);
  return r;
}

namespace {
const PaperArt* overlaidPaper = nullptr;  // the desk's
}  // namespace

void SetOverlaidPaper(const PaperArt* paper) { overlaidPaper = paper; }

CompositionScope::CompositionScope() { composing = true; }

// The art bitmaps go back out of the shared source DC, which goes too.
CompositionScope::~CompositionScope() {
  composing = false;
  if (!composeSource) return;
  SelectObject(composeSource, composeSourceDefault);
  DeleteDC(composeSource);
  composeSource = nullptr;
}

void OverlayPaper(HWND window, HDC elementDc, POINT element) {
  if (!overlaidPaper || !overlaidPaper->bitmap) return;
  const PaperArt& paper = *overlaidPaper;
  const int px = paper.position.x, py = paper.position.y;
  const int pw = paper.size.cx, ph = paper.size.cy;
  if (element.x > px + pw || element.y > py + ph) return;
  int dx = px - element.x, dy = py - element.y, w = pw, h = ph;
  if (dx < 0) {
    w = pw + dx;
    dx = 0;
  }
  if (dy < 0) {
    h = ph + dy;
    dy = 0;
  }
  if (w <= 0 || h <= 0) return;
  BlitPaperPart(elementDc, paper, dx, dy, w, h, pw - w, ph - h);
}

void MakeTransparentPair(HWND window, HBITMAP bitmap, HPALETTE palette, COLORREF key,
                         HBITMAP* image, HBITMAP* mask) {
  *image = nullptr;
  *mask = nullptr;
  if (!bitmap) return;
  SIZE size = BitmapSize(bitmap);
  HDC screen = GetDC(window);
  PaletteScope scope(screen, palette);
  HBITMAP maskBitmap = CreateBitmap(size.cx, size.cy, 1, 1, nullptr);
  HBITMAP imageBitmap = CreateScreenBitmap(screen, size.cx, size.cy);
  {
    MemoryDc source(screen), maskDc(screen), imageDc(screen);
    SelectedObject sourceArt(source, bitmap), maskArt(maskDc, maskBitmap);
    SelectedObject imageArt(imageDc, imageBitmap);
    // Colour to monochrome: pixels of the background colour become white (1), the rest black.
    COLORREF oldBk = SetBkColor(source, key);
    BitBlt(maskDc, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
    SetBkColor(source, oldBk);
    // Image = source with every key pixel black: (source AND mask), inverted, AND source.
    SetBkColor(imageDc, RGB(255, 255, 255));
    SetTextColor(imageDc, RGB(0, 0, 0));
    BitBlt(imageDc, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
    BitBlt(imageDc, 0, 0, size.cx, size.cy, maskDc, 0, 0, SRCAND);
    BitBlt(imageDc, 0, 0, size.cx, size.cy, nullptr, 0, 0, DSTINVERT);
    BitBlt(imageDc, 0, 0, size.cx, size.cy, source, 0, 0, SRCAND);
  }
  ReleaseDC(window, screen);
  *image = imageBitmap;
  *mask = maskBitmap;
}

namespace {

// Monochrome to colour: mask 1 keeps the destination (white), 0 clears it (black); then the image
// with its key made black is ORed in. `memory` is a memory DC the caller lends.
void PairThroughDc(HDC destination, HDC memory, HBITMAP image, HBITMAP mask, int x, int y, int width, int height,
                   int sourceX, int sourceY) {
  SelectedObject art(memory, mask);
  BitBlt(destination, x, y, width, height, memory, sourceX, sourceY, SRCAND);
  SelectObject(memory, image);
  BitBlt(destination, x, y, width, height, memory, sourceX, sourceY, SRCPAINT);
}

}  // namespace

void BlitTransparentPairThrough(HDC destination, HDC memory, HBITMAP image, HBITMAP mask, int x, int y, int width,
                                int height, int sourceX, int sourceY) {
  if (!image || !mask || !memory) return;
  COLORREF oldText = SetTextColor(destination, RGB(0, 0, 0));
  COLORREF oldBk = SetBkColor(destination, RGB(255, 255, 255));
  PairThroughDc(destination, memory, image, mask, x, y, width, height, sourceX, sourceY);
  SetTextColor(destination, oldText);
  SetBkColor(destination, oldBk);
}

void BlitTransparentPair(HWND window, HDC destination, HBITMAP image, HBITMAP mask,
                         HPALETTE palette, int x, int y, int width, int height, int sourceX,
                         int sourceY) {
  if (!image || !mask || !ReachesClip(destination, x, y, width, height)) return;
  if (composing && ComposeSource(destination)) {
    BlitTransparentPairThrough(destination, composeSource, image, mask, x, y, width, height, sourceX, sourceY);
    return;
  }
  MemoryDc memory(destination);
  BlitTransparentPairThrough(destination, memory, image, mask, x, y, width, height, sourceX, sourceY);
}

void FindPaperCovers(PaperArt* paper) {
  paper->covers.clear();
  paper->runs = CoverRuns{};
  const SIZE size = BitmapSize(paper->bitmap);
  if (size.cx <= 0 || size.cy <= 0) return;
  std::vector<uint32_t> pixels(static_cast<size_t>(size.cx) * size.cy);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, paper->bitmap, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != size.cy) {
    paper->covers.push_back(BandRect{0, 0, size.cx, size.cy});
    return;
  }
  for (uint32_t& p : pixels) p &= 0xFFFFFF;
  paper->covers = CoverBands(pixels.data(), size.cx, size.cy, size.cx, 0xFF0000);
  paper->runs = FindCoverRuns(pixels.data(), size.cx, size.cy, size.cx, 0xFF0000);
}

namespace {

// Whether a 32-bit section's rows run bottom-up in memory (1) or top-down (0); -1 when it cannot
// be told. Its reported height is positive either way, so one pixel inside the clip at (x, y) is
// changed through GDI and looked for at the two places it may lie, then put back. The same few
// sections come back every time (the kept composition, the cartoons' work bitmap): their answers
// are kept.
int RowsRunUpward(HDC dc, HGDIOBJ bitmap, const DIBSECTION& section, int x, int y) {
  struct Known {
    HGDIOBJ bitmap;
    void* bits;
    int width, height, upward;
  };
  static Known known[4] = {};
  static int next = 0;
  const int w = section.dsBm.bmWidth, h = section.dsBm.bmHeight;
  for (const Known& k : known)
    if (k.bitmap == bitmap && k.bits == section.dsBm.bmBits && k.width == w && k.height == h) return k.upward;
  if (x < 0 || y < 0 || x >= w || y >= h || y == h - 1 - y) return -1;
  const ptrdiff_t stride = section.dsBm.bmWidthBytes / 4;
  const uint32_t* bits = static_cast<const uint32_t*>(section.dsBm.bmBits);
  const uint32_t* down = bits + y * stride + x;  // where the pixel lies if rows run top-down
  const uint32_t* up = bits + (h - 1 - y) * stride + x;
  const COLORREF was = GetPixel(dc, x, y);
  if (was == CLR_INVALID) return -1;
  COLORREF probe = was;
  uint32_t value = 0;
  for (int k = 1; k <= 3; ++k) {  // a colour neither place holds now
    probe = was ^ RGB(k, k, k);
    value = (GetRValue(probe) << 16) | (GetGValue(probe) << 8) | GetBValue(probe);
    if ((*down & 0xFFFFFF) != value && (*up & 0xFFFFFF) != value) break;
  }
  SetPixelV(dc, x, y, probe);
  GdiFlush();
  const bool atDown = (*down & 0xFFFFFF) == value, atUp = (*up & 0xFFFFFF) == value;
  SetPixelV(dc, x, y, was);
  GdiFlush();
  if (atDown == atUp) return -1;
  known[next] = Known{bitmap, section.dsBm.bmBits, w, h, atUp ? 1 : 0};
  next = (next + 1) % 4;
  return atUp ? 1 : 0;
}

// The paper laid by copying its pixels into dc's bitmap, when that is a 32-bit section seen
// through a plain rectangle with no mapping: the same pixels as the mask and image give. False
// when the blits must do it.
bool LayPaperStraight(HDC dc, const PaperArt& paper, int x, int y, int width, int height, int sourceX,
                      int sourceY) {
  if (paper.runs.runs.empty() && !paper.covers.empty()) return false;  // its pixels could not be read
  DIBSECTION section{};
  HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  if (!bitmap || GetObjectA(bitmap, sizeof(section), &section) != sizeof(section)) return false;
  if (!section.dsBm.bmBits || section.dsBm.bmBitsPixel != 32 || section.dsBmih.biCompression != BI_RGB) return false;
  POINT viewport, origin;
  if (GetMapMode(dc) != MM_TEXT || GetGraphicsMode(dc) != GM_COMPATIBLE || !GetViewportOrgEx(dc, &viewport) ||
      !GetWindowOrgEx(dc, &origin) || viewport.x || viewport.y || origin.x || origin.y)
    return false;
  RECT clip;
  const int kind = GetClipBox(dc, &clip);
  if (kind == NULLREGION) return true;
  if (kind != SIMPLEREGION) return false;
  const RECT part{x, y, x + width, y + height};
  if (!IntersectRect(&clip, &clip, &part)) return true;
  GdiFlush();  // what GDI drew before must be in the pixels first
  const int w = section.dsBm.bmWidth, h = section.dsBm.bmHeight;
  const ptrdiff_t stride = section.dsBm.bmWidthBytes / 4;
  auto* bits = static_cast<uint32_t*>(section.dsBm.bmBits);
  const int bottomUp = RowsRunUpward(dc, bitmap, section, clip.left, clip.top);
  if (bottomUp < 0) return false;
  LayCoverRuns(paper.runs, bottomUp ? bits + (h - 1) * stride : bits, w, h, bottomUp ? -stride : stride,
               x - sourceX, y - sourceY, BandRect{clip.left, clip.top, clip.right, clip.bottom});
  return true;
}

}  // namespace

void BlitPaperPart(HDC dc, const PaperArt& paper, int x, int y, int width, int height, int sourceX, int sourceY) {
  if (!paper.image || !paper.mask) return;
  if (LayPaperStraight(dc, paper, x, y, width, height, sourceX, sourceY)) return;
  HDC memory = nullptr;  // made at the first band that shows
  COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
  const RECT part{sourceX, sourceY, sourceX + width, sourceY + height};
  for (const BandRect& band : paper.covers) {
    const RECT b{band.left, band.top, band.right, band.bottom};
    RECT both;
    if (!IntersectRect(&both, &b, &part)) continue;
    const int atX = x + both.left - sourceX, atY = y + both.top - sourceY;
    const int w = both.right - both.left, h = both.bottom - both.top;
    if (!ReachesClip(dc, atX, atY, w, h)) continue;
    if (!memory && !(memory = CreateCompatibleDC(dc))) break;
    PairThroughDc(dc, memory, paper.image, paper.mask, atX, atY, w, h, both.left, both.top);
  }
  if (memory) DeleteDC(memory);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBk);
}

void BlitTransparentKeyed(HWND window, HDC destination, HBITMAP bitmap, HPALETTE palette, int x,
                          int y, int width, int height, int sourceX, int sourceY) {
  HBITMAP image, mask;
  MakeTransparentPair(window, bitmap, palette, RGB(255, 0, 0), &image, &mask);
  BlitTransparentPair(window, destination, image, mask, palette, x, y, width, height, sourceX, sourceY);
  if (image) DeleteObject(image);
  if (mask) DeleteObject(mask);
}

