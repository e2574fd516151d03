// The colour panel drawn with real GDI and driven through its handlers.
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>

#include "colvane/frame/frame_art_win.h"
#include "colvane/panels/colour_pages.h"
#include "colvane/canvas/canvas_view_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/frame/toolbox_win.h"
#include "colvane/panels/colour_panel_win.h"
#include "colvane/shell/app_state_win.h"
#include "tests/support/message_box_watch_win.h"

namespace {

HBITMAP SolidBitmap(int w, int h, COLORREF colour, COLORREF inner = CLR_INVALID) {
  HDC screen = GetDC(nullptr);
  HBITMAP b = CreateCompatibleBitmap(screen, w, h);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, b);
  RECT all{0, 0, w, h};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  if (inner != CLR_INVALID) {
    RECT middle{2, 2, w - 2, h - 2};
    brush = CreateSolidBrush(inner);
    FillRect(memory, &middle, brush);
    DeleteObject(brush);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return b;
}

class ColourPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    AppState& app = App();
    app.instance = GetModuleHandleA(nullptr);
    SetScreenLayout(ScreenLayout{});
    CoverDesk(true);  // no paper overlay
    SetLibraryShown(false);
    window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, nullptr,
                             nullptr, app.instance, nullptr);
    FrameArt& f = Frame();
    f.colorCord = POINT{10, 20};
    SetRect(&f.palSBoxCord, 40, 5, 20, 20);
    f.palGBoxCord = POINT{24, 25};
    f.sizeDomain = POINT{33, 222};
    f.color = SolidBitmap(254, 76, RGB(200, 180, 120));
    f.sizebar = SolidBitmap(12, 18, RGB(255, 0, 0), RGB(20, 40, 60));  // red rim: transparent
    f.colorPageUp = SolidBitmap(40, 20, RGB(1, 2, 3));
    f.colorPageDown = SolidBitmap(40, 20, RGB(1, 2, 3));
    f.colorPageUpAt = POINT{270, 20};
    f.colorPageDownAt = POINT{270, 50};
    ResetColourTable();
    Session().colours = ColourState{};
  }
  void TearDown() override {
    FreeColourPanel();
    FrameArt& f = Frame();
    for (HBITMAP* b : {&f.color, &f.sizebar, &f.colorPageUp, &f.colorPageDown}) {
      DeleteObject(*b);
      *b = nullptr;
    }
    DestroyWindow(window);
  }
  // Paints the panel into a memory bitmap and reads back one pixel.
  COLORREF Painted(int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 400, 200);
    HGDIOBJ old = SelectObject(memory, target);
    kColourBoxesArea.paint(window, memory);
    kSizeBarArea.paint(window, memory);
    COLORREF c = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteObject(target);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return c;
  }
  HWND window = nullptr;
};

}  // namespace

TEST_F(ColourPanel, DrawsPictureBoxesSwatchAndThumb) {
  EXPECT_EQ(Painted(10 + 2, 20 + 60), RGB(200, 180, 120));  // the panel picture
  EXPECT_EQ(Painted(50, 25), RGB(255, 255, 255));            // slot 0: white
  EXPECT_EQ(Painted(50 + 2 * 24 + 20, 25 + 20), RGB(255, 0, 0));  // slot 2's corner: red
  EXPECT_EQ(Painted(50 + 24, 25 + 25), RGB(128, 128, 128));  // slot 9: grey
  EXPECT_EQ(Painted(10 + 3 + 8, 20 + 8 + 8), RGB(0, 0, 0));  // foreground over background
  EXPECT_EQ(Painted(10 + 7 + 14, 20 + 14 + 14), RGB(255, 255, 255));
  // Thumb at size 20: left = 10 + 33 + 189 * 20 / 48 = 121, bottom = 20 + 76.
  EXPECT_EQ(Painted(121 + 5, 96 - 9), RGB(20, 40, 60));
  EXPECT_EQ(Painted(121, 96 - 9), RGB(200, 180, 120));  // its red rim lets the panel through
}

TEST_F(ColourPanel, BoxesSetTheColoursAndGapsAreNotTaken) {
  EXPECT_EQ(kColourBoxesArea.press(window, POINT{52, 27}), 1);
  EXPECT_EQ(Session().colours.foregroundColour, 0xFFFFFFu);
  EXPECT_EQ(kColourBoxesArea.rightPress(window, POINT{50 + 2 * 24 + 3, 28}), 1);
  EXPECT_EQ(Session().colours.backgroundColour, 0x0000FFu);
  EXPECT_EQ(kColourBoxesArea.press(window, POINT{50 + 22, 27}), 0);  // between two boxes
  SetLibraryShown(true);
  EXPECT_EQ(kColourBoxesArea.press(window, POINT{52, 27}), 0);
}

TEST_F(ColourPanel, PageButtonsWrapAround) {
  EXPECT_EQ(kColourPagesArea.press(window, POINT{275, 25}), 1);  // page-up on page 0: page 3
  kColourPagesArea.release(window, POINT{275, 25});
  EXPECT_EQ(Painted(52, 27), RGB(0, 0, 128));  // page 3 slot 0 is 0x800000
  EXPECT_EQ(kColourPagesArea.press(window, POINT{275, 55}), 1);  // page-down on page 3: page 0
  EXPECT_EQ(Painted(52, 27), RGB(255, 255, 255));
  EXPECT_EQ(kColourPagesArea.press(window, POINT{300, 25}), 0);  // the right half is not a button
}

TEST_F(ColourPanel, ThumbDragsToBothEnds) {
  EXPECT_EQ(kSizeBarArea.press(window, POINT{125, 90}), 1);
  EXPECT_EQ(kSizeBarArea.hover(window, POINT{-50, 90}), 1);
  EXPECT_EQ(Session().colours.sizeValue, 0);
  EXPECT_EQ(kSizeBarArea.hover(window, POINT{900, 90}), 1);
  EXPECT_EQ(Session().colours.sizeValue, 48);
  kSizeBarArea.endDrag(window, POINT{20, 90});
  EXPECT_EQ(kSizeBarArea.hover(window, POINT{20, 90}), 0);  // no longer dragging, not on the thumb
  EXPECT_EQ(Session().colours.sizeValue, 48);
}

TEST_F(ColourPanel, DoubleClickOpensTheColourDialog) {
  MessageBoxWatch watch;  // accepts the dialog as it opens
  EXPECT_EQ(kColourBoxesArea.doubleClick(window, POINT{50 + 3 * 24 + 2, 27}), 1);
  EXPECT_EQ(Session().colours.foregroundColour, 0x00FF00u);  // accepted unchanged: the slot's green
  ASSERT_GE(watch.seen().size(), 1u);
}
