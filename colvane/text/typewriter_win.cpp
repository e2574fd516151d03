// The typewriter's text on the screen: fonts, the render through a memory bitmap, the caret.
#include "colvane/text/typewriter_win.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/tool_dispatch_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/screen_bitmap_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/ids.h"
#include "colvane/layout/lead_bytes_win.h"
#include "colvane/media/sound_effects_win.h"
#include "colvane/text/text_block.h"
#include "colvane/text/text_buffer.h"

namespace {

constexpr int kNoOrigin = -9999;

TextBuffer text;
POINT origin{kNoOrigin, kNoOrigin};  // canvas point of the text's top-left corner
char faceName[LF_FACESIZE] = "Arial";
bool bold = false, italic = false, underline = false;
LOGFONTA previousFont{};  // the font of the last render
bool havePreviousFont = false;
POINT caretAt{0, 0};  // canvas point where the caret was last drawn
bool caretShown = false;
RECT caretOnScreen{0, 0, 0, 0};  // the window's pixels the shown caret inverted

bool Typing() { return Session().choice.drawingMode == kModeTypewriter; }

LOGFONTA CurrentFont() {
  LOGFONTA f{};
  f.lfHeight = 2 * (Session().colours.sizeValue + 1);  // the size slot counted from 1
  f.lfWeight = bold ? 900 : 100;
  f.lfItalic = italic;
  f.lfUnderline = underline;
  f.lfCharSet = ANSI_CHARSET;
  f.lfOutPrecision = OUT_TT_PRECIS;
  f.lfClipPrecision = CLIP_TT_ALWAYS;
  f.lfQuality = PROOF_QUALITY;
  f.lfPitchAndFamily = FF_SWISS | DEFAULT_PITCH;
  lstrcpynA(f.lfFaceName, faceName, LF_FACESIZE);
  return f;
}

// The fonts of the last renders, kept: every key measures and draws with them.
struct KeptFont {
  LOGFONTA look;
  HFONT font = nullptr;
};
KeptFont keptFonts[2];
int nextKeptFont = 0;

HFONT FontFor(const LOGFONTA& f) {
  for (const KeptFont& k : keptFonts)
    if (k.font && std::memcmp(&k.look, &f, sizeof(f)) == 0) return k.font;
  KeptFont& k = keptFonts[nextKeptFont];
  nextKeptFont = (nextKeptFont + 1) % 2;
  if (k.font) DeleteObject(k.font);
  k.look = f;
  k.font = CreateFontIndirectA(&f);
  return k.font;
}

void FreeKeptFonts() {
  for (KeptFont& k : keptFonts) {
    if (k.font) DeleteObject(k.font);
    k.font = nullptr;
  }
}

// A font selected into a DC for the holder's lifetime (the font stays kept).
class FontInDc {
 public:
  FontInDc(HDC dc, const LOGFONTA& f) : dc_(dc), font_(FontFor(f)) {
    old_ = font_ ? SelectObject(dc, font_) : nullptr;
  }
  ~FontInDc() {
    if (old_) SelectObject(dc_, old_);
  }
  FontInDc(const FontInDc&) = delete;
  FontInDc& operator=(const FontInDc&) = delete;

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ old_ = nullptr;
};

int LineWidth(HDC dc, const TextLine& line) {
  SIZE s{0, 0};
  if (line.length > 0) GetTextExtentPoint32A(dc, text.bytes + line.start, line.length, &s);
  return s.cx;
}

TextBlockSize Measure(HDC dc, const LOGFONTA& f) {
  FontInDc font(dc, f);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  std::vector<int> widths;
  for (const TextLine& line : SplitLines(text.bytes, text.length)) widths.push_back(LineWidth(dc, line));
  return MeasureTextBlock(widths, tm.tmMaxCharWidth, tm.tmHeight);
}

// The mask's bitmap: a 24-bit DIB section whose pixels are read in place, kept from key to key
// and grown when a larger block needs it (a new one costs more than rendering the text).
struct MaskBitmap {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ original = nullptr;
  uint8_t* bits = nullptr;
  int width = 0, height = 0;
} maskBitmap;

void FreeMaskBitmap() {
  MaskBitmap& m = maskBitmap;
  if (m.dc) {
    SelectObject(m.dc, m.original);
    DeleteDC(m.dc);
  }
  if (m.bitmap) DeleteObject(m.bitmap);
  m = MaskBitmap{};
}

// A DC holding a bitmap of at least width x height; the block is its top-left corner.
HDC MaskDc(HDC dc, int width, int height) {
  MaskBitmap& m = maskBitmap;
  if (m.dc && m.width >= width && m.height >= height) return m.dc;
  // Grown in steps, so a text growing key by key makes few bitmaps.
  width = ((width > m.width ? width : m.width) + 255) & ~255;
  height = ((height > m.height ? height : m.height) + 63) & ~63;
  FreeMaskBitmap();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as every picture here
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  m.bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  m.dc = m.bitmap ? CreateCompatibleDC(dc) : nullptr;
  if (!m.dc) {
    FreeMaskBitmap();
    return nullptr;
  }
  m.original = SelectObject(m.dc, m.bitmap);
  m.bits = static_cast<uint8_t*>(bits);
  m.width = width;
  m.height = height;
  return m.dc;
}

// The text drawn white on black into a block-sized bitmap, seen as 24-bit pixels. Valid until the
// next render.
bool RenderMask(HDC dc, const LOGFONTA& f, TextBlockSize block, PixelView* mask) {
  HDC memory = MaskDc(dc, block.width, block.height);
  if (!memory) return false;
  PatBlt(memory, 0, 0, block.width, block.height, BLACKNESS);
  {
    FontInDc font(memory, f);
    SetTextColor(memory, RGB(255, 255, 255));
    SetBkColor(memory, RGB(0, 0, 0));
    RECT r{0, 0, block.width, block.height};
    DrawTextA(memory, text.bytes, text.length, &r, 0);
  }
  GdiFlush();  // the pixels are read straight from the section
  // Bottom-up: the block's top rows are the bitmap's last ones in memory.
  const int stride = Stride24(maskBitmap.width);
  *mask = PixelView{maskBitmap.bits + static_cast<ptrdiff_t>(maskBitmap.height - block.height) * stride, block.width,
                    block.height, stride};
  return true;
}

// The shown caret's pixels join what a render flushes: the canvas shown there again takes it off.
void AddCaret(ChangedRect* changed) {
  const ScreenLayout& screen = Screen();
  const int left = caretOnScreen.left - screen.paperOriginX, top = caretOnScreen.top - screen.paperOriginY;
  const int right = caretOnScreen.right - 1 - screen.paperOriginX, bottom = caretOnScreen.bottom - 1 - screen.paperOriginY;
  if (right < left || bottom < top) return;
  if (!changed->changed) {
    *changed = ChangedRect{1, left, top, right, bottom};
    return;
  }
  changed->left = std::min(changed->left, left);
  changed->top = std::min(changed->top, top);
  changed->right = std::max(changed->right, right);
  changed->bottom = std::max(changed->bottom, bottom);
}

void Render(HWND window) {
  const LOGFONTA current = CurrentFont();
  if (!havePreviousFont) previousFont = current;
  PaintSession& s = Session();
  HDC dc = GetDC(window);
  const TextBlockSize now = Measure(dc, current);
  const bool sameFont = std::memcmp(&previousFont, &current, sizeof(current)) == 0;
  const TextBlockSize block = sameFont ? now : LargerBlock(Measure(dc, previousFont), now);
  const TextBlockPart part = BlockOnCanvas(origin.x, origin.y, block, kCanvasWidth, s.canvas.height);
  if (part.width > 0 && part.height > 0) {
    PixelView mask;
    if (RenderMask(dc, current, block, &mask)) {
      PixelView canvas = CanvasView(s.canvas);
      static std::vector<uint8_t> coverage;  // kept: a new block's worth of memory costs more than the sums
      TextCoverage(mask, &coverage);
      ChangedRect changed = BlendTextBlock(&canvas, UndoSnapshotView(), s.clip, part, coverage, block.width,
                                           s.colours.foregroundColour);
      if (caretShown) AddCaret(&changed);
      FlushChangedRect(window, changed);
    }
  }
  ReleaseDC(window, dc);
  previousFont = current;
  havePreviousFont = true;
}

bool StartText(HWND window, POINT p) {
  TakeCanvasUndo();
  SetTimer(window, timer::kCaret, timer::kCaretMs, nullptr);
  origin = p;
  ClearText(&text);
  return true;
}

}  // namespace

void InstallTypewriter() {
  // A press on the paper starts a text; the size bar re-renders it.
  RegisterToolRow(ToolRow{kModeTypewriter, [](HWND window, PaintSession&, POINT p) { return StartText(window, p); },
                          nullptr, nullptr, false, nullptr, false, false, false, 0, TypewriterRerender});
}

void TypewriterChar(HWND window, WPARAM code) {
  if (!Typing()) {
    origin = POINT{kNoOrigin, kNoOrigin};  // the caret stops
    return;
  }
  if (origin.x == kNoOrigin && origin.y == kNoOrigin) return;  // no text begun (or it was ended)
  MarkPictureChanged(&Session().canvas);
  PlaySoundEffect("TYPER");
  if (TypeByte(&text, static_cast<uint8_t>(code), SystemLeadByte) == KeyResult::kShow) Render(window);
}

void TypewriterRerender(HWND window) {
  if (!Typing()) return;
  SetTimer(window, timer::kCaret, timer::kCaretMs, nullptr);
  Render(window);
}

void FreeTypewriter() {
  FreeMaskBitmap();
  FreeKeptFonts();
}

void EndTypewriterText() {
  ClearText(&text);
  origin = POINT{kNoOrigin, kNoOrigin};  // the next key waits for a new press on the paper
}

bool TypewriterHasText() { return Typing() && !(origin.x == kNoOrigin && origin.y == kNoOrigin); }

void HideTypewriterCaret(HWND window) {
  if (!caretShown) return;
  // The caret is drawn on the window only: composing its place again takes it away.
  InvalidateRect(window, &caretOnScreen, FALSE);
  caretShown = false;
}

void TypewriterCaretTick(HWND window) {
  if (origin.x == kNoOrigin && origin.y == kNoOrigin) {
    HideTypewriterCaret(window);  // the text ended some other way than by a command
    return;
  }
  const ScreenLayout& screen = Screen();
  HDC dc = GetDC(window);
  FontInDc font(dc, CurrentFont());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  const std::vector<TextLine> lines = SplitLines(text.bytes, text.length);
  const CaretPoint caret = CaretAfterText(origin.x, origin.y, static_cast<int>(lines.size()),
                                          LineWidth(dc, lines.back()), tm.tmHeight);
  if ((caret.x != caretAt.x || caret.y != caretAt.y) && caretShown && caretAt.x >= 1) {
    // The caret moved: the picture comes back where it was drawn.
    RECT old{screen.paperOriginX + caretAt.x - 1, screen.paperOriginY + caretAt.y - 1,
             screen.paperOriginX + caretAt.x + 2, screen.paperOriginY + caretAt.y + tm.tmHeight + 1};
    InvalidateRect(window, &old, FALSE);
    UpdateWindow(window);
    caretShown = false;
  }
  if (IsOnPaperPoint(screen, caret.x, caret.y)) {
    const int bottom = caret.y + tm.tmHeight < screen.paperHeight ? caret.y + tm.tmHeight : screen.paperHeight;
    HBITMAP canvas = CanvasBitmap();
    if (caretShown && canvas) {
      // Hidden by showing the canvas there again, not by inverting once more: a cartoon passing
      // over the caret has repainted it, and a second inversion would then draw it instead.
      ShowCanvasRect(dc, RECT{caret.x, caret.y, caret.x + 1, bottom});
    } else {
      const int oldRop = SetROP2(dc, R2_NOT);
      caretOnScreen = RECT{screen.paperOriginX + caret.x, screen.paperOriginY + caret.y,
                           screen.paperOriginX + caret.x + 1, screen.paperOriginY + bottom};
      MoveToEx(dc, screen.paperOriginX + caret.x, screen.paperOriginY + caret.y, nullptr);
      LineTo(dc, screen.paperOriginX + caret.x, screen.paperOriginY + bottom);
      SetROP2(dc, oldRop);
    }
  }
  ReleaseDC(window, dc);
  caretAt = POINT{caret.x, caret.y};
  caretShown = !caretShown;
}

bool TypewriterStyleCommand(HWND window, int id) {
  switch (id) {
    case cmd::kTypeStandard: bold = italic = underline = false; break;
    case cmd::kTypeBold: bold = true; break;
    case cmd::kTypeItalic: italic = true; break;
    case cmd::kTypeUnderline: underline = true; break;
    default: return false;
  }
  TypewriterRerender(window);
  return true;
}

bool TypewriterStyleShown(int id) {
  switch (id) {
    case cmd::kTypeStandard: return !bold && !italic && !underline;
    case cmd::kTypeBold: return bold;
    case cmd::kTypeItalic: return italic;
    case cmd::kTypeUnderline: return underline;
    default: return false;
  }
}

const char* TypewriterFace() { return faceName; }
void SetTypewriterFace(const char* face) { lstrcpynA(faceName, face, LF_FACESIZE); }
