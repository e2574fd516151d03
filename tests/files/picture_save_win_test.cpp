// Keeping pictures on real files under Wine: the save procedure writes a changed picture and
// nothing else, a failed write keeps the old picture and tells the child once, new pictures are
// named in their box, and the recovery copy brings a picture back after a crash.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/files/file_box_win.h"
#include "colvane/files/file_seam.h"
#include "colvane/files/picture_keeping.h"
#include "colvane/files/picture_save_win.h"
#include "colvane/frame/file_bytes.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/shell/app_state_win.h"
#include "tests/frame/bmp_builder.h"
#include "tests/support/message_box_watch_win.h"

namespace {

std::string root;  // the asset folder of these tests

std::vector<uint8_t> Bytes(const std::string& path) {
  std::vector<uint8_t> b;
  ReadFileBytes(path.c_str(), 4u << 20, &b);
  return b;
}
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
std::string Setting(const char* section, const char* key) {
  char v[256];
  GetSettingString(section, key, "", v, sizeof(v));
  return v;
}

// A stroke: the canvas changes and counts as modified.
void Paint(uint8_t value) {
  TakeCanvasUndo();
  Block& image = Session().canvas.canvasImage;
  std::memset(image.Data() + 40 + 1920 * 100, value, 1920 * 50);
}

// The second write of every save fails half way, as on a full disk.
int writes = 0;
int HalfWrite(PictureSeamFile* f, const void* b, uint32_t n) {
  if (++writes == 2) {
    PlatformPictureSeam()->write(f, b, n / 2);
    return -1;
  }
  return PlatformPictureSeam()->write(f, b, n);
}
PictureSeamFile* Create(const char* p) { return PlatformPictureSeam()->create(p); }
int Flush(PictureSeamFile* f) { return PlatformPictureSeam()->flush(f); }
void Close(PictureSeamFile* f) { PlatformPictureSeam()->close(f); }
int Replace(const char* a, const char* b) { return PlatformPictureSeam()->replace(a, b); }
int Remove(const char* p) { return PlatformPictureSeam()->remove(p); }
WriteFailure NoRoom() { return WriteFailure::kNoRoom; }
const PictureSeam kFullDisk = {Create, HalfWrite, Flush, Close, Replace, Remove, NoRoom};

// Every save fails at its first write, for the reason `failing`.
WriteFailure failing = WriteFailure::kOther;
int FailingWrite(PictureSeamFile*, const void*, uint32_t) { return -1; }
WriteFailure Failing() { return failing; }
const PictureSeam kFailing = {Create, FailingWrite, Flush, Close, Replace, Remove, Failing};

class PictureSave : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    App().instance = GetModuleHandleA(nullptr);
    window = CreateWindowExA(0, "STATIC", "save", WS_POPUP, 0, 0, 700, 520, nullptr, nullptr, App().instance, nullptr);
    App().mainWindow = window;
    ScreenLayout screen;
    SetScreenLayout(screen);
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    // Wine reuses process ids from run to run: the tick count keeps each run's library its own.
    root = std::string(temp) + "colvane-save-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount64());
    CreateDirectoryA(root.c_str(), nullptr);
    GetSettingString("FILE", "PATH", "", oldPath, sizeof(oldPath));
    SetSettingString("FILE", "PATH", root.c_str());
    SetSettingString("DESKTOP", "WORKINDIR", "BOX");
    SetSettingString("sample", "sample", "Sample1.sam");
    PrepareCanvas(window);
  }
  static void TearDownTestSuite() {
    FreeCanvas(window);
    DestroyWindow(window);
    SetSettingString("FILE", "PATH", oldPath[0] ? oldPath : nullptr);
  }
  void SetUp() override {
    UsePictureSeam(nullptr);
    SetCurrentPicture("BOX", "Sample1.sam");
    OpenCanvasPicture(window, "C:\\no\\such\\picture.sam");
  }
  std::string Box() { return root + "\\CUST\\BOX\\"; }
  static HWND window;
  static char oldPath[256];
};
HWND PictureSave::window = nullptr;
char PictureSave::oldPath[256];

}  // namespace

TEST_F(PictureSave, OnlyAChangedPictureIsWrittenAndTheSettingsFollow) {
  DeleteFileA((Box() + "Sample1.sam").c_str());
  EXPECT_EQ(SavePicture(window), 0);  // unchanged: neither file
  EXPECT_FALSE(Exists(Box() + "Sample1.sam"));
  EXPECT_FALSE(Exists(Box() + "Sample1.CAT"));
  EXPECT_EQ(Setting("sample", "sample"), "Sample1.sam");
  EXPECT_EQ(Setting("DESKTOP", "WORKINDIR"), "BOX");
  Paint(0x40);
  ASSERT_EQ(SavePicture(window), 1);  // the box folder is made on the way
  const std::vector<uint8_t> file = Bytes(Box() + "Sample1.sam");
  ASSERT_EQ(file.size(), 921654u);
  EXPECT_EQ(0, std::memcmp(file.data() + 14, Session().canvas.canvasImage.Data(), 921640));
  EXPECT_EQ(Session().canvas.pictureModified, 0);
  EXPECT_FALSE(Exists(Box() + "Sample1.sam.part"));
  EXPECT_EQ(SavePicture(window), 0);  // saved once is saved
  // A cartoon file already beside the picture stays as it was: no cartoon is placed.
  HANDLE h = CreateFileA((Box() + "Sample1.CAT").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n;
  WriteFile(h, "\r\rold", 5, &n, nullptr);
  CloseHandle(h);
  Paint(0x41);
  ASSERT_EQ(SavePicture(window), 1);
  EXPECT_EQ(Bytes(Box() + "Sample1.CAT").size(), 5u);
}

TEST_F(PictureSave, AFailedWriteKeepsTheOldPictureAndTellsTheChildOnce) {
  Paint(0x10);
  ASSERT_EQ(SavePicture(window), 1);
  const std::vector<uint8_t> old = Bytes(Box() + "Sample1.sam");
  UsePictureSeam(&kFullDisk);
  MessageBoxWatch watch;
  for (int i = 0; i < 2; ++i) {
    writes = 0;
    Paint(static_cast<uint8_t>(0x20 + i));
    EXPECT_EQ(SavePicture(window), 0);
    EXPECT_EQ(Session().canvas.pictureModified, 1);
    EXPECT_EQ(Bytes(Box() + "Sample1.sam"), old);
    EXPECT_FALSE(Exists(Box() + "Sample1.sam.part"));
  }
  EXPECT_EQ(watch.seen().size(), 1u);
  UsePictureSeam(nullptr);
  EXPECT_EQ(SavePicture(window), 1);
}

// The file box on a box of broken, huge and good pictures: a card for each picture it can't show
// and no message box, however often it redraws; a box too long to keep a picture in is shown but
// not chosen, and a painting of that box is kept in the first box with a word to the parent.
TEST_F(PictureSave, TheFileBoxShowsCardsForBrokenPicturesAndKeepsNothingInABoxTooLong) {
  const std::string assets = root + "\\fb";
  const std::string cust = assets + "\\CUST\\";
  const std::string longBox(245 - cust.size(), 'L');  // its folder fits MAX_PATH; a picture in it doesn't
  for (const std::string& d : {assets, cust, cust + "BOX", cust + longBox}) CreateDirectoryA(d.c_str(), nullptr);
  auto write = [](const std::string& path, const std::vector<uint8_t>& bytes, uint64_t size) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    if (!bytes.empty()) WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    SetFilePointerEx(f, end, nullptr, FILE_BEGIN);
    SetEndOfFile(f);  // sparse past the bytes written
    CloseHandle(f);
  };
  BmpSpec card, good, huge;
  card.width = 100;
  card.height = 80;
  card.fill = 0xFF;
  good.width = 640;
  good.height = 480;
  good.pixelBytes = 0;
  huge.width = huge.height = 16384;
  huge.bits = 1;
  huge.pixelBytes = 0;
  write(assets + "\\card.bmp", BuildBmp(card), BuildBmp(card).size());
  write(cust + "BOX\\Sample1.sam", {}, 0);
  const std::string text = "not a picture at all\r\n";
  write(cust + "BOX\\Sample2.sam", std::vector<uint8_t>(text.begin(), text.end()), text.size());
  write(cust + "BOX\\Sample3.sam", BuildBmp(huge), 33554494);
  std::vector<uint8_t> grey = BuildBmp(good);
  grey.resize(921654, 0x30);
  write(cust + "BOX\\Sample4.sam", grey, grey.size());
  char layout[MAX_PATH];
  LayoutFilePath(layout);
  const char* keys[][2] = {{"FILEPAPER", "card.bmp"}, {"BOXRC", "0,0,600,120"}, {"FILE_IN_BOX", "0,200,600,500"}};
  std::vector<std::string> kept;
  for (auto& k : keys) {
    char old[144];
    GetPrivateProfileStringA("800", k[0], "\x01", old, sizeof(old), layout);
    kept.push_back(old);
    WritePrivateProfileStringA("800", k[0], k[1], layout);
  }
  SetLayoutVariant(true);
  SetSettingString("FILE", "PATH", assets.c_str());
  SetCurrentPicture(longBox.c_str(), "Sample1.sam");  // settings naming the long box

  // Cells are 100 x 80 from (8, 8) in steps of 108; thumbnails lie 2 pixels inside.
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP frame = CreateCompatibleBitmap(screen, 700, 520);
  HGDIOBJ oldFrame = SelectObject(dc, frame);
  auto cells = [&](COLORREF corner) {
    kFileBoxArea.paint(window, dc);
    int n = 0;
    for (int k = 0; k < 5; ++k) {
      const int x = 8 + 108 * k, y = 208;
      n += GetPixel(dc, x + 4, y + 4) == corner;
    }
    return n;
  };
  {
    MessageBoxWatch watch;
    OpenFileBox(window);
    // The empty, the text and the huge file get the card, the good picture its thumbnail: BOX
    // was chosen, not the long box the settings name.
    EXPECT_EQ(cells(RGB(244, 240, 230)), 3);
    EXPECT_EQ(cells(RGB(0x30, 0x30, 0x30)), 1);
    kFileBoxArea.command(window, cmd::kPicturesForward);
    kFileBoxArea.command(window, cmd::kPicturesBack);
    kFileBoxArea.paint(window, dc);
    Sleep(300);
    EXPECT_EQ(watch.seen().size(), 0u);
    // Both box cards pressed: the long one refuses, kindly, and BOX stays chosen.
    kFileBoxArea.press(window, POINT{58, 48});
    kFileBoxArea.press(window, POINT{166, 48});
    EXPECT_EQ(cells(RGB(0x30, 0x30, 0x30)), 1);
    Sleep(300);
    const auto seen = watch.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].text.find(L"too long"), std::wstring::npos);
    CloseFileBox(window);
  }
  SelectObject(dc, oldFrame);
  DeleteObject(frame);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);

  // A painting of the long box is kept in the first box, under a name free there, and told once.
  {
    MessageBoxWatch watch;
    SetCurrentPicture(longBox.c_str(), "Sample1.sam");
    Paint(0x60);
    ASSERT_EQ(SavePicture(window), 1);
    EXPECT_STREQ(WorkingBox(), "MY PICTURES");
    EXPECT_EQ(Bytes(cust + "MY PICTURES\\Sample1.sam").size(), 921654u);
    Sleep(300);
    const auto seen = watch.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].text.find(L"MY PICTURES"), std::wstring::npos);
  }
  for (size_t i = 0; i < kept.size(); ++i)
    WritePrivateProfileStringA("800", keys[i][0], kept[i] == "\x01" ? nullptr : kept[i].c_str(), layout);
  SetSettingString("FILE", "PATH", root.c_str());
}

TEST_F(PictureSave, ANewPictureTakesTheFirstFreeNameAndStaysUnwrittenWhileBlank) {
  CreateDirectoryA((root + "\\CUST").c_str(), nullptr);
  CreateDirectoryA(Box().c_str(), nullptr);
  for (const char* name : {"Sample1.sam", "Sample3.sam"}) {
    HANDLE h = CreateFileA((Box() + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(h);
  }
  DeleteFileA((Box() + "Sample2.sam").c_str());
  Paint(0x55);  // the picture left is kept first
  NewPicture(window);
  EXPECT_EQ(Bytes(Box() + "Sample1.sam").size(), 921654u);
  EXPECT_STREQ(CurrentPictureName(), "Sample2.sam");
  EXPECT_EQ(Session().canvas.pictureModified, 0);
  EXPECT_EQ(ReadCanvasPixel(Session().canvas, 10, 120), 0xFFFFFFu);
  EXPECT_EQ(SavePicture(window), 0);
  EXPECT_FALSE(Exists(Box() + "Sample2.sam"));
}

// A crash after a stroke: the recovery copy is opened in place of its older picture at the next
// start, counts as modified, and the next save stores it and removes the copy.
TEST_F(PictureSave, TheRecoveryCopyBringsBackWhatACrashTook) {
  char recovery[MAX_PATH];
  RecoveryPath(recovery, sizeof(recovery));
  Paint(0x01);
  ASSERT_EQ(SavePicture(window), 1);
  EXPECT_FALSE(Exists(recovery));
  Sleep(20);
  Paint(0x77);
  RecoveryTick(window);
  ASSERT_TRUE(Exists(recovery));
  const std::vector<uint8_t> painted(Session().canvas.canvasImage.Data(),
                                     Session().canvas.canvasImage.Data() + Session().canvas.canvasImage.size);
  // The next start: the saved picture first, then the recovery copy over it.
  SetCurrentPicture("OTHER", "x.sam");
  OpenCanvasPicture(window, (Box() + "Sample1.sam").c_str());
  RecoverAtStartUp(window);
  KillTimer(window, 11);
  EXPECT_STREQ(WorkingBox(), "BOX");
  EXPECT_STREQ(CurrentPictureName(), "Sample1.sam");
  EXPECT_EQ(Session().canvas.pictureModified, 1);
  EXPECT_EQ(0, std::memcmp(Session().canvas.canvasImage.Data(), painted.data(), painted.size()));
  ASSERT_EQ(SavePicture(window), 1);
  EXPECT_FALSE(Exists(recovery));
  EXPECT_EQ(0, std::memcmp(Bytes(Box() + "Sample1.sam").data() + 14, painted.data(), painted.size()));
  // A copy older than its picture is dropped at the start and the picture stays as saved.
  Paint(0x02);
  RecoveryTick(window);
  ASSERT_TRUE(Exists(recovery));
  const std::string picture = Box() + "Sample1.sam";
  HANDLE h = CreateFileA(picture.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER later{{now.dwLowDateTime, now.dwHighDateTime}};
  later.QuadPart += 100000000ull;  // ten seconds on
  FILETIME t{later.LowPart, later.HighPart};
  SetFileTime(h, nullptr, nullptr, &t);
  CloseHandle(h);
  OpenCanvasPicture(window, picture.c_str());
  RecoverAtStartUp(window);
  KillTimer(window, 11);
  EXPECT_FALSE(Exists(recovery));
  EXPECT_EQ(Session().canvas.pictureModified, 0);
}

TEST_F(PictureSave, HostileSettingsSaveNothingOutsideTheLibrary) {
  SetCurrentPicture("..\\..", "escape.sam");
  Paint(0x33);
  // The box is replaced by the first box of a fresh install, never followed upwards.
  EXPECT_EQ(SavePicture(window), 1);
  EXPECT_FALSE(Exists(root + "\\..\\escape.sam"));
  EXPECT_STREQ(WorkingBox(), "MY PICTURES");
  EXPECT_TRUE(Exists(root + "\\CUST\\MY PICTURES\\escape.sam"));
}

// Each reason a write fails for reaches the parent in its own words, once per run of failures.
TEST_F(PictureSave, AFailedSaveTellsWhatFailed) {
  const std::string picture = Box() + "Sample1.sam";
  for (WriteFailure why : {WriteFailure::kNoRoom, WriteFailure::kNoPermission, WriteFailure::kInUse,
                           WriteFailure::kNotAFolder, WriteFailure::kOther}) {
    Paint(0x11);
    ASSERT_EQ(SavePicture(window), 1);  // a save that lands: the next failure is told
    failing = why;
    UsePictureSeam(&kFailing);
    MessageBoxWatch watch;
    Paint(0x12);
    EXPECT_EQ(SavePicture(window), 0);
    Paint(0x13);
    EXPECT_EQ(SavePicture(window), 0);
    UsePictureSeam(nullptr);
    const auto seen = watch.seen();
    ASSERT_EQ(seen.size(), 1u) << static_cast<int>(why);
    const std::string want = SaveFailureMessage(why, picture.c_str());
    EXPECT_EQ(seen[0].text, std::wstring(want.begin(), want.end()));
  }
}

namespace {
// Saves the painting on the real files and returns the one message shown (empty when none).
std::wstring SaveAndRead(HWND window) {
  MessageBoxWatch watch;
  Paint(0x21);
  SavePicture(window);
  const auto seen = watch.seen();
  return seen.empty() ? std::wstring() : seen[0].text;
}
void MakeFile(const std::string& path) {
  CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}
}  // namespace

// The real files: a box that is a file, and a picture another program holds.
TEST_F(PictureSave, RealFailuresAreNamed) {
  Paint(0x11);
  ASSERT_EQ(SavePicture(window), 1);
  MakeFile(root + "\\CUST\\FILEBOX");
  SetCurrentPicture("FILEBOX", "Sample1.sam");
  EXPECT_NE(SaveAndRead(window).find(L"A file stands where"), std::wstring::npos);
  SetCurrentPicture("BOX", "Sample1.sam");
  ASSERT_EQ(SavePicture(window), 1);  // the latch opens again
  HANDLE held = CreateFileA((Box() + "Sample1.sam").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::wstring heldText = SaveAndRead(window);
  EXPECT_NE(heldText.find(L"Another program is using"), std::wstring::npos);
  CloseHandle(held);
  EXPECT_EQ(SavePicture(window), 1);
}

// Leaving: a save that lands asks nothing; one that fails asks, and No keeps the painting.
TEST_F(PictureSave, LeavingWithAnUnkeptPaintingAsksFirst) {
  {
    MessageBoxWatch watch;
    Paint(0x31);
    EXPECT_TRUE(SaveBeforeLeaving(window));
    EXPECT_TRUE(watch.seen().empty());
  }
  failing = WriteFailure::kNoRoom;
  UsePictureSeam(&kFailing);
  for (int answer : {IDNO, IDYES}) {
    MessageBoxWatch watch;
    watch.answer(answer);
    Paint(0x32);
    EXPECT_EQ(SaveBeforeLeaving(window), answer == IDYES);
    EXPECT_EQ(Session().canvas.pictureModified, 1);
    const auto seen = watch.seen();
    ASSERT_EQ(seen.size(), 1u);  // the question only, not the told-once message too
    EXPECT_NE(seen[0].text.find(L"Leave anyway?"), std::wstring::npos);
  }
  UsePictureSeam(nullptr);
}

namespace {

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n = 0;
  if (!bytes.empty()) WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
  CloseHandle(h);
}

// An 8-bit run-length picture: a bitmap the reader refuses.
std::vector<uint8_t> RlePicture() {
  std::vector<uint8_t> b(54 + 1024 + 4, 0);
  b[0] = 'B', b[1] = 'M', b[10] = 0x36, b[11] = 0x04, b[14] = 40;
  b[18] = 0x80, b[19] = 0x02, b[22] = 0xE0, b[23] = 0x01, b[26] = 1, b[28] = 8, b[30] = 1;
  b[54 + 1024 + 1] = 1;  // end of picture
  return b;
}

}  // namespace

// A picture that is there but can't be read (held by another program without sharing, or a
// format the reader refuses) is left alone: the parent is told once, and what is painted on the
// blank page is saved as the next free picture of the box, even after the lock ends.
TEST_F(PictureSave, APictureThatCannotBeReadIsNeverWrittenOver) {
  for (const bool locked : {true, false}) {
    SCOPED_TRACE(locked ? "locked" : "run-length");
    const std::string original = Box() + "Sample1.sam";
    for (const char* name : {"Sample2.sam", "Sample3.sam"}) DeleteFileA((Box() + name).c_str());
    SetCurrentPicture("BOX", "Sample1.sam");
    Paint(0x21);
    ASSERT_EQ(SavePicture(window), 1);
    if (!locked) WriteBytes(original, RlePicture());
    const std::vector<uint8_t> before = Bytes(original);
    HANDLE lock = locked ? CreateFileA(original.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)
                         : INVALID_HANDLE_VALUE;
    ASSERT_EQ(lock != INVALID_HANDLE_VALUE, locked);
    const PictureOpenResult opened = OpenCanvasPicture(window, original.c_str());
    EXPECT_EQ(opened, kPictureUnreadable);
    SetCurrentPicture("BOX", "Sample1.sam");
    NotePictureOpened(opened);
    {
      MessageBoxWatch watch;
      TellPictureLeftAlone(window);
      const auto seen = watch.seen();
      ASSERT_EQ(seen.size(), 1u);
      EXPECT_NE(seen[0].text.find(L"\"Sample2.sam\""), std::wstring::npos);
    }
    Paint(0x66);
    if (locked) CloseHandle(lock);
    ASSERT_EQ(SavePicture(window), 1);
    EXPECT_EQ(Bytes(original), before);
    EXPECT_STREQ(CurrentPictureName(), "Sample2.sam");
    EXPECT_EQ(Setting("sample", "sample"), "Sample2.sam");
    EXPECT_EQ(0, std::memcmp(Bytes(Box() + "Sample2.sam").data() + 14, Session().canvas.canvasImage.Data(),
                             Session().canvas.canvasImage.size));
    Paint(0x67);  // the new picture is the painting's own now
    ASSERT_EQ(SavePicture(window), 1);
    EXPECT_STREQ(CurrentPictureName(), "Sample2.sam");
    EXPECT_EQ(Bytes(original), before);
  }
}

// Damaged recovery copies newer than their picture never replace it: each is set aside as
// RECOVER.BAD, byte for byte, and the picture stays on the paper unchanged. A folder where the
// copy lives doesn't stop the copy: it goes under the next name, and comes back from there.
TEST_F(PictureSave, ADamagedRecoveryCopyIsSetAsideAndAFolderIsSteppedAround) {
  char recovery[MAX_PATH];
  RecoveryPath(recovery, sizeof(recovery));
  const std::string picture = Box() + "Sample1.sam", bad = root + "\\RECOVER.BAD";
  Paint(0x31);
  ASSERT_EQ(SavePicture(window), 1);
  const std::vector<uint8_t> kept = Bytes(picture);
  Paint(0x32);
  RecoveryTick(window);
  const std::vector<uint8_t> whole = Bytes(recovery);
  ASSERT_GT(whole.size(), 921654u);
  const size_t head = whole.size() - 921654;
  std::vector<uint8_t> junk(whole.begin(), whole.begin() + head);
  junk.insert(junk.end(), 5000, 0x5A);
  const std::vector<uint8_t> copies[] = {
      std::vector<uint8_t>(whole.begin(), whole.begin() + head),           // the head only
      junk,                                                                // the head and junk
      std::vector<uint8_t>(whole.begin(), whole.begin() + head + 460000),  // torn
      [&] { std::vector<uint8_t> b = whole; b.push_back(0); return b; }(),  // one byte long
  };
  for (const std::vector<uint8_t>& copy : copies) {
    SCOPED_TRACE(copy.size());
    Sleep(20);
    WriteBytes(recovery, copy);
    OpenCanvasPicture(window, picture.c_str());
    RecoverAtStartUp(window);
    KillTimer(window, 11);
    EXPECT_FALSE(Exists(recovery));
    EXPECT_EQ(Bytes(bad), copy);
    EXPECT_EQ(Session().canvas.pictureModified, 0);
    EXPECT_EQ(0, std::memcmp(Session().canvas.canvasImage.Data(), kept.data() + 14, kept.size() - 14));
    EXPECT_EQ(SavePicture(window), 0);
    EXPECT_EQ(Bytes(picture), kept);
  }
  ASSERT_TRUE(CreateDirectoryA(recovery, nullptr));
  Paint(0x33);
  RecoveryTick(window);
  EXPECT_TRUE(Exists(root + "\\RECOVER1.DAT"));
  OpenCanvasPicture(window, picture.c_str());
  RecoverAtStartUp(window);
  KillTimer(window, 11);
  EXPECT_EQ(Session().canvas.pictureModified, 1);
  ASSERT_EQ(SavePicture(window), 1);
  EXPECT_FALSE(Exists(root + "\\RECOVER1.DAT"));
  RemoveDirectoryA(recovery);
}
