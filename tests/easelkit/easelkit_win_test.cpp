// easelkit on real windows, messages and GDI: run path, recorder, delay, band copy, edit field
// and the palette table.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "easelkit/easelkit_win.h"
#include "easelkit/palette_table_win.h"

namespace {

// A hidden top-level window that counts the messages it receives.
struct Recorder {
  HWND window = nullptr;
  std::vector<UINT> seen;
  std::vector<WPARAM> commands;
};
Recorder* current = nullptr;

LRESULT CALLBACK RecordProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (current && ((m >= WM_USER && m < WM_USER + 100) || m == WM_LBUTTONDOWN || m == WM_LBUTTONUP))
    current->seen.push_back(m);
  if (current && m == WM_COMMAND && lp == 0) current->commands.push_back(wp);  // not EN_ notices
  return DefWindowProcA(w, m, wp, lp);
}

HWND MakeWindow() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "EaselkitTest";
    RegisterClassA(&wc);
    registered = true;
  }
  return CreateWindowExA(0, "EaselkitTest", "t", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

TEST(RunPath, GivesTheFolderOfTheModule) {
  char full[MAX_PATH];
  GetModuleFileNameA(nullptr, full, MAX_PATH);
  char folder[80];
  ASSERT_EQ(GetRunPath(nullptr, folder), 1);
  std::string expected(full);
  expected = expected.substr(0, expected.rfind('\\'));
  EXPECT_EQ(std::string(folder), expected);
  EXPECT_NE(folder[std::strlen(folder) - 1], '\\');
  HMODULE easel = GetModuleHandleA("easelkit.dll");
  ASSERT_EQ(GetRunPath(easel, folder), 1);
  EXPECT_EQ(std::string(folder), expected);  // the DLL lies beside the program
}

// A copy of easelkit.dll in a folder of each length: the folder comes whole or not at all,
// and nothing is written past the caller's 80 characters.
TEST(RunPath, FolderTooLongForTheBufferIsRefusedNotCut) {
  char temp[MAX_PATH];
  GetModuleFileNameA(GetModuleHandleA("easelkit.dll"), temp, MAX_PATH);
  std::string dll = temp;
  GetTempPathA(MAX_PATH, temp);
  const struct {
    size_t length;
    int result;
  } kCases[] = {{79, 1}, {80, 0}, {81, 0}, {120, 0}};
  for (const auto& c : kCases) {
    std::string folder = std::string(temp) + "run path ";
    ASSERT_LT(folder.size(), c.length);
    folder.append(c.length - folder.size(), 'x');
    std::string copy = folder + "\\probe.dll";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    ASSERT_TRUE(CopyFileA(dll.c_str(), copy.c_str(), FALSE));
    HMODULE probe = LoadLibraryExA(copy.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(probe, nullptr);
    char buffer[96];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(GetRunPath(probe, buffer), c.result) << c.length;
    EXPECT_EQ(std::string(buffer), c.result ? folder : "") << c.length;
    EXPECT_EQ(std::string(buffer + 80, 16), std::string(16, '#')) << c.length;
    FreeLibrary(probe);
    DeleteFileA(copy.c_str());
    RemoveDirectoryA(folder.c_str());
  }
}

TEST(Recorder, StoresOneMessageAndPostsOnlyWhenFull) {
  Recorder r;
  current = &r;
  r.window = MakeWindow();
  ClearMessage();
  UINT m;
  WPARAM wp;
  LPARAM lp;
  EXPECT_EQ(IsIntMessage(&m, &wp, &lp), 0);
  EXPECT_EQ(OutPutMessage(r.window, WM_USER + 1, 0, 0), 1);  // empty: nothing posted
  Pump();
  EXPECT_TRUE(r.seen.empty());

  InPutMessage(WM_LBUTTONDOWN, 1, MAKELPARAM(10, 20));
  InPutMessage(WM_LBUTTONDOWN, 1, MAKELPARAM(30, 40));  // a second press replaces the first
  ASSERT_EQ(IsIntMessage(&m, &wp, &lp), 1);
  EXPECT_EQ(m, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(LOWORD(lp), 30);
  EXPECT_EQ(IsIntMessage(&m, &wp, &lp), 1);  // reading leaves the slot full
  // The message posted is the one passed, not the stored one.
  EXPECT_NE(OutPutMessage(r.window, WM_USER + 2, 0, 0), 0);
  EXPECT_EQ(IsIntMessage(&m, &wp, &lp), 0);
  Pump();
  ASSERT_EQ(r.seen.size(), 1u);
  EXPECT_EQ(r.seen[0], static_cast<UINT>(WM_USER + 2));

  InPutMessage(WM_LBUTTONDOWN, 0, 0);
  ClearMessage();
  EXPECT_EQ(IsIntMessage(&m, &wp, &lp), 0);
  DestroyWindow(r.window);
  current = nullptr;
}

// A click made during an animation: its release is kept behind the press and posted after it,
// never alone and never after the press was dropped.
TEST(Recorder, KeepsTheReleaseOfAStoredPress) {
  Recorder r;
  current = &r;
  r.window = MakeWindow();
  const UINT down = WM_LBUTTONDOWN, up = WM_LBUTTONUP;
  const struct {
    const char* what;
    std::vector<UINT> stored;  // given to InPutMessage in turn
    bool clear;                // ClearMessage instead of OutPutMessage
    std::vector<UINT> posted;
  } kCases[] = {
      {"press then release", {down, up}, false, {down, up}},
      {"press alone", {down}, false, {down}},
      {"release alone", {up}, false, {}},
      {"a second press drops the first one's release", {down, up, down}, false, {down}},
      {"cleared", {down, up}, true, {}},
  };
  for (const auto& c : kCases) {
    ClearMessage();
    r.seen.clear();
    for (UINT m : c.stored) InPutMessage(m, MK_LBUTTON, MAKELPARAM(5, 6));
    UINT m;
    WPARAM wp;
    LPARAM lp;
    if (c.clear) ClearMessage();
    else if (IsIntMessage(&m, &wp, &lp)) OutPutMessage(r.window, m, wp, lp);
    Pump();
    EXPECT_EQ(r.seen, c.posted) << c.what;
    EXPECT_EQ(IsIntMessage(&m, &wp, &lp), 0) << c.what;
  }
  DestroyWindow(r.window);
  current = nullptr;
}

TEST(Delay, DispatchesTheWindowsMessagesWhileDelaying) {
  Recorder r;
  current = &r;
  r.window = MakeWindow();
  HWND other = MakeWindow();
  PostMessageA(r.window, WM_USER + 3, 0, 0);
  PostMessageA(other, WM_USER + 4, 0, 0);
  EXPECT_EQ(isdelayon(), 0);
  Delay(r.window, 0);  // zero still pumps what is waiting
  EXPECT_EQ(isdelayon(), 0);
  ASSERT_EQ(r.seen.size(), 1u);
  EXPECT_EQ(r.seen[0], static_cast<UINT>(WM_USER + 3));  // only the given window's messages

  DWORD start = GetTickCount();
  Delay(r.window, 60);
  EXPECT_GE(GetTickCount() - start, 60u);

  Delay(r.window, -5);  // negative: no wait, flag cleared
  EXPECT_EQ(isdelayon(), 0);
  Pump();
  DestroyWindow(other);
  DestroyWindow(r.window);
  current = nullptr;
}

TEST(BandCopy, CopiesRowsCountedFromTheTop) {
  const int w = 8, h = 6, stride = 24;
  std::vector<BYTE> bits(stride * h);
  for (int row = 0; row < h; ++row) {      // stored row 0 is the bottom of the picture
    int top = h - 1 - row;
    for (int x = 0; x < w; ++x) {
      BYTE* p = &bits[row * stride + x * 3];
      p[0] = static_cast<BYTE>(x * 10);    // blue
      p[1] = static_cast<BYTE>(top * 40);  // green
      p[2] = 200;                          // red
    }
  }
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  HDC screen = GetDC(nullptr);
  HBITMAP target = CreateCompatibleBitmap(screen, w, h);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, target);
  PatBlt(memory, 0, 0, w, h, BLACKNESS);
  SelectObject(memory, old);

  EXPECT_EQ(OutputDIB2BMP(screen, &info, bits.data(), 2, 2, 3, 2, target, h, stride), target);
  old = SelectObject(memory, target);
  EXPECT_EQ(GetPixel(memory, 2, 2), RGB(200, 80, 20));
  EXPECT_EQ(GetPixel(memory, 4, 3), RGB(200, 120, 40));
  EXPECT_EQ(GetPixel(memory, 5, 2), RGB(0, 0, 0));  // outside the width
  EXPECT_EQ(GetPixel(memory, 2, 1), RGB(0, 0, 0));  // outside the band
  SelectObject(memory, old);

  // The whole picture at once.
  OutputDIB2BMP(screen, &info, bits.data(), 0, 0, w, h, target, h, stride);
  old = SelectObject(memory, target);
  EXPECT_EQ(GetPixel(memory, 0, 0), RGB(200, 0, 0));
  EXPECT_EQ(GetPixel(memory, 7, 5), RGB(200, 200, 70));
  SelectObject(memory, old);
  // A band past the picture is refused rather than read out of bounds.
  EXPECT_EQ(OutputDIB2BMP(screen, &info, bits.data(), 0, 5, w, 3, target, h, stride), target);
  DeleteDC(memory);
  DeleteObject(target);
  ReleaseDC(nullptr, screen);
}

TEST(TransparentEdit, EnterCopiesTheTextAndEscapeCancels) {
  Recorder r;
  current = &r;
  r.window = MakeWindow();
  char text[80] = "unchanged";
  HWND edit = CreateTransparentEdit(GetModuleHandleA(nullptr), r.window, 5, 5, 150, 20, text);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(GetCapture(), edit);
  SetWindowTextA(edit, "My Box");
  SendMessageA(edit, WM_CHAR, VK_RETURN, 0);
  EXPECT_STREQ(text, "My Box");
  EXPECT_FALSE(IsWindow(edit));
  Pump();
  ASSERT_EQ(r.commands.size(), 1u);
  EXPECT_EQ(r.commands[0], 8010u);

  edit = CreateTransparentEdit(GetModuleHandleA(nullptr), r.window, 5, 5, 150, 20, text);
  ASSERT_NE(edit, nullptr);
  SetWindowTextA(edit, "other");
  SendMessageA(edit, WM_CHAR, VK_ESCAPE, 0);
  EXPECT_STREQ(text, "My Box");
  EXPECT_FALSE(IsWindow(edit));
  Pump();
  ASSERT_EQ(r.commands.size(), 2u);
  EXPECT_EQ(r.commands[1], 8011u);
  DestroyWindow(r.window);
  current = nullptr;
}

TEST(PaletteTable, HoldsThePaletteSortedAscending) {
  // A LOGPALETTE of four entries: the header's one-entry array runs on into the buffer.
  std::vector<BYTE> bytes(sizeof(LOGPALETTE) + 3 * sizeof(PALETTEENTRY));
  auto* pal = reinterpret_cast<LOGPALETTE*>(bytes.data());
  pal->palVersion = 0x300;
  pal->palNumEntries = 4;
  const BYTE colours[4][3] = {{0, 0, 255}, {10, 0, 0}, {0, 255, 0}, {1, 0, 0}};
  PALETTEENTRY* entries = pal->palPalEntry;
  for (int i = 0; i < 4; ++i) {
    entries[i].peRed = colours[i][0];
    entries[i].peGreen = colours[i][1];
    entries[i].peBlue = colours[i][2];
  }
  HPALETTE palette = CreatePalette(pal);
  InitPalette(palette);
  unsigned count = 0;
  const COLORREF* table = PaletteTable(&count);
  ASSERT_EQ(count, 4u);
  EXPECT_EQ(table[0], RGB(1, 0, 0));
  EXPECT_EQ(table[1], RGB(10, 0, 0));
  EXPECT_EQ(table[2], RGB(0, 255, 0));
  EXPECT_EQ(table[3], RGB(0, 0, 255));
  ClosePalette();
  PaletteTable(&count);
  EXPECT_EQ(count, 0u);
  DeleteObject(palette);
}
