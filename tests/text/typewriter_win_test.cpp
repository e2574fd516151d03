// The typewriter on real GDI: the text rendered into the canvas from the picture as it was,
// Backspace and a thinner style giving the picture back, the cut at the canvas's edge, and the
// face list of the installed TrueType faces.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/canvas/tool_dispatch_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/ids.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/text/face_list_win.h"
#include "colvane/text/text_block.h"
#include "colvane/text/typewriter_win.h"

namespace {

std::vector<uint8_t> CanvasBytes() {
  const Block& b = Session().canvas.canvasImage;
  return std::vector<uint8_t>(b.Data(), b.Data() + b.size);
}

// Canvas pixels that differ from `before` in the box [x0, x1) x [y0, y1).
int Changed(const std::vector<uint8_t>& before, int x0, int y0, int x1, int y1) {
  const PixelView now = CanvasView(Session().canvas);
  const PixelView was{const_cast<uint8_t*>(before.data()) + (now.bits - Session().canvas.canvasImage.Data()),
                      now.width, now.height, now.stride};
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (std::memcmp(now.At(x, y), was.At(x, y), 3) != 0) ++n;
  return n;
}

void Type(HWND window, const char* keys) {
  for (const char* k = keys; *k; ++k) TypewriterChar(window, static_cast<uint8_t>(*k));
}

class Typewriter : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    App().instance = GetModuleHandleA(nullptr);
    window = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "typewriter", WS_POPUP | WS_VISIBLE, 0, 0, 700, 520,
                             nullptr, nullptr, App().instance, nullptr);
    App().mainWindow = window;
    ScreenLayout screen;
    screen.paperOriginX = screen.paperOriginY = 20;
    SetScreenLayout(screen);
    PrepareCanvas(window);
    SetClipArea(kCanvasWidth, kCanvasHeight);
    InstallTypewriter();
  }
  static void TearDownTestSuite() {
    CloseFaceList();
    FreeRope(window);
    FreeCanvas(window);
    DestroyWindow(window);
  }
  void SetUp() override {
    OpenCanvasPicture(window, "C:\\no\\such\\picture.sam");
    Session().choice.drawingMode = kModeTypewriter;
    Session().colours.sizeValue = 20;  // 42-pixel letters
    TypewriterStyleCommand(window, cmd::kTypeStandard);
  }
  static HWND window;
};
HWND Typewriter::window = nullptr;

}  // namespace

TEST_F(Typewriter, TextLandsRightOfThePressAndBackspaceGivesThePictureBack) {
  ASSERT_TRUE(CanvasPress(window, POINT{100, 100}));
  const std::vector<uint8_t> before = CanvasBytes();
  Type(window, "Ab");
  EXPECT_GT(Changed(before, 100, 100, 200, 160), 100);
  EXPECT_EQ(Changed(before, 0, 0, 640, 99), 0);  // nothing above or left of the text
  EXPECT_EQ(Changed(before, 0, 0, 99, 480), 0);
  EXPECT_EQ(Session().canvas.pictureModified, 1);
  Type(window, "\b\b");
  EXPECT_EQ(Changed(before, 0, 0, 640, 480), 0);
  Type(window, "\b");  // on empty text: nothing changes
  EXPECT_EQ(Changed(before, 0, 0, 640, 480), 0);
}

// The same string drawn by GDI into a mask of its own, softened and laid over white.
TEST_F(Typewriter, PixelsFollowGdisOwnRenderingOfTheString) {
  CanvasPress(window, POINT{40, 40});
  Type(window, "Ab");
  LOGFONTA f{};
  f.lfHeight = 42;
  f.lfWeight = 100;
  f.lfOutPrecision = OUT_TT_PRECIS;
  f.lfClipPrecision = CLIP_TT_ALWAYS;
  f.lfQuality = PROOF_QUALITY;
  f.lfPitchAndFamily = FF_SWISS;
  lstrcpyA(f.lfFaceName, "Arial");
  const int w = 120, h = 60;
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  PatBlt(memory, 0, 0, w, h, BLACKNESS);
  HFONT font = CreateFontIndirectA(&f);
  HGDIOBJ oldFont = SelectObject(memory, font);
  SetTextColor(memory, RGB(255, 255, 255));
  SetBkColor(memory, RGB(0, 0, 0));
  RECT r{0, 0, w, h};
  DrawTextA(memory, "Ab", 2, &r, 0);
  SelectObject(memory, oldFont);
  DeleteObject(font);
  SelectObject(memory, oldBitmap);
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint8_t> bits(static_cast<size_t>(Stride24(w)) * h);
  ASSERT_TRUE(GetDIBits(memory, bitmap, 0, h, bits.data(), &info, DIB_RGB_COLORS));
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  const std::vector<uint8_t> a = TextCoverage(PixelView{bits.data(), w, h, Stride24(w)});
  int inked = 0;
  for (int y = 0; y < h - 1; ++y)
    for (int x = 0; x < w - 1; ++x) {
      const uint8_t expected = static_cast<uint8_t>(a[static_cast<size_t>(y) * w + x] == 255
                                                        ? 0
                                                        : a[static_cast<size_t>(y) * w + x] == 0
                                                              ? 255
                                                              : 255 * (255 - a[static_cast<size_t>(y) * w + x]) / 256);
      ASSERT_EQ(CanvasView(Session().canvas).At(40 + x, 40 + y)[0], expected) << x << "," << y;
      inked += expected < 128;
    }
  EXPECT_GT(inked, 100);
}

TEST_F(Typewriter, EnterStartsALineBelowAndPlainRedrawsThinner) {
  CanvasPress(window, POINT{50, 50});
  const std::vector<uint8_t> before = CanvasBytes();
  Type(window, "Wm\rWm");
  const int plain = Changed(before, 0, 0, 640, 480);
  EXPECT_GT(Changed(before, 50, 95, 640, 480), 50);  // the second line
  TypewriterStyleCommand(window, cmd::kTypeBold);
  const int heavy = Changed(before, 0, 0, 640, 480);
  EXPECT_GT(heavy, plain);
  TypewriterStyleCommand(window, cmd::kTypeStandard);
  EXPECT_EQ(Changed(before, 0, 0, 640, 480), plain);  // the bold rim is gone again
}

TEST_F(Typewriter, TextIsCutAtTheCanvasEdgeAndStaysInsideTheSelection) {
  CanvasPress(window, POINT{620, 460});
  Type(window, "WWWW\rWWWW");  // runs off the right and bottom edges
  TypewriterCaretTick(window);
  TypewriterCaretTick(window);

  Session().choice.drawingMode = kModeRectangleRope;
  CanvasPress(window, POINT{100, 100});
  CanvasMove(window, POINT{130, 300});
  CanvasRelease(window, POINT{130, 300});
  Session().choice.drawingMode = kModeTypewriter;
  CanvasPress(window, POINT{100, 150});
  const std::vector<uint8_t> before = CanvasBytes();
  Type(window, "WWWW");
  EXPECT_GT(Changed(before, 100, 150, 130, 220), 0);
  EXPECT_EQ(Changed(before, 130, 0, 640, 480), 0);
  FreeRope(window);
  SetClipArea(kCanvasWidth, kCanvasHeight);
}

TEST_F(Typewriter, FaceListOffersTheTrueTypeFacesWithArialChosen) {
  OpenFaceList(window, RECT{200, 400, 400, 430});
  ASSERT_TRUE(FaceListOpen());
  HWND list = FindWindowExA(window, nullptr, "LISTBOX", nullptr);
  ASSERT_NE(list, nullptr);
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  EXPECT_GE(count, 3);
  EXPECT_LE(count, 49);
  const LRESULT at = SendMessageA(list, LB_GETCURSEL, 0, 0);
  ASSERT_NE(at, LB_ERR);
  char face[64] = "";
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(face));
  EXPECT_STREQ(face, "Arial");
  std::string all;
  for (LRESULT i = 0; i < count; ++i) {
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(face));
    all += std::string(face) + ";";
  }
  std::printf("faces: %s\n", all.c_str());
  // A release with no press on the list (the opening press's own) picks nothing; one click on
  // the first face takes it.
  SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(FaceListOpen());
  char first[64] = "";
  SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(FaceListOpen());
  EXPECT_STREQ(TypewriterFace(), first);
  SetTypewriterFace("Arial");
}

TEST_F(Typewriter, ACaretRepaintedAwayKeepsInStepWithItsBlink) {
  CloseFaceList();  // a list left open would lie over the caret
  ASSERT_TRUE(CanvasPress(window, POINT{300, 300}));
  auto caretDark = [] {
    HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, 20 + 300, 20 + 305);
    ReleaseDC(window, dc);
    return c == RGB(0, 0, 0);
  };
  // The canvas on the window, then blinks until the caret shows (its phase depends on the texts
  // before).
  ShowWholeCanvas(window);
  for (int t = 0; t < 4 && !caretDark(); ++t) TypewriterCaretTick(window);
  ASSERT_TRUE(caretDark());
  // Something repaints the canvas over the shown caret (a cartoon walking past).
  ShowWholeCanvas(window);
  ASSERT_FALSE(caretDark());
  TypewriterCaretTick(window);  // the hiding blink leaves the picture as it is
  EXPECT_FALSE(caretDark());
  TypewriterCaretTick(window);
  EXPECT_TRUE(caretDark());
}
