// Printing into real PDF files through CUPS and its PDF printer: the real print dialog answered
// from a second thread, one job per copy, Cancel in the abort box, the main window enabled again.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/files/print_win.h"
#include "colvane/frame/file_bytes.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/shell/app_state_win.h"

namespace {

constexpr int kCopiesEdit = 0x482;  // the copies field of the print dialog

// The folder where the PDF printer leaves its files (a Unix path from the test script).
std::string PdfFolder() {
  const char* unix = std::getenv("COLVANE_PDF_DIR");
  std::string s = std::string("Z:") + (unix ? unix : "/root/PDF");
  for (char& c : s)
    if (c == '/') c = '\\';
  return s + "\\";
}

std::vector<std::string> Jobs() {
  std::vector<std::string> found;
  WIN32_FIND_DATAA d;
  HANDLE h = FindFirstFileA((PdfFolder() + "*07362*.pdf").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return found;
  do found.push_back(PdfFolder() + d.cFileName);
  while (FindNextFileA(h, &d));
  FindClose(h);
  return found;
}

// Pages of a PDF: page objects ("/Type /Page" or "/Type/Page", never "/Pages").
int PageCount(const std::vector<uint8_t>& pdf) {
  const std::string s(pdf.begin(), pdf.end());
  int pages = 0;
  for (const char* key : {"/Type /Page", "/Type/Page"}) {
    for (size_t at = s.find(key); at != std::string::npos; at = s.find(key, at + 1))
      if (s.compare(at + std::strlen(key), 1, "s") != 0) ++pages;
  }
  return pages;
}

// The jobs the printer finished: waits until `expected` have appeared and stopped growing.
std::vector<std::string> SettledJobs(size_t expected) {
  std::vector<std::string> jobs;
  for (int i = 0; i < 150; ++i) {
    jobs = Jobs();
    if (jobs.size() >= expected) break;
    Sleep(100);
  }
  Sleep(1500);  // a late job, or a file still being written
  return Jobs();
}
// The jobs after the printer has had time to write any.
std::vector<std::string> JobsAfterAWhile() {
  Sleep(3000);
  return Jobs();
}

// The copy a later check renders (stale ones are removed first).
std::string KeptPage() {
  const char* build = std::getenv("COLVANE_BUILD_DIR");
  std::string s = std::string("Z:") + (build ? build : "/tmp") + "/printed-page.pdf";
  for (char& c : s)
    if (c == '/') c = '\\';
  return s;
}

BOOL CALLBACK FindAbortBox(HWND w, LPARAM out) {
  char text[64] = "";
  GetDlgItemTextA(w, 101, text, sizeof(text));
  if (std::strcmp(text, "Printing Nowing......") == 0) {
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
  }
  return TRUE;
}

// Answers the print dialog from a second thread: the copies, then OK or Cancel; optionally
// presses Cancel in the abort box as soon as it shows.
struct DialogDriver {
  const char* copies = "1";
  bool confirm = true;
  DWORD mainThread = GetCurrentThreadId();
  bool sawAbortBox = false;
  bool mainDisabledWhilePrinting = false;
  HWND main = nullptr;

  static DWORD WINAPI Run(void* p) {
    DialogDriver* d = static_cast<DialogDriver*>(p);
    HWND dialog = nullptr;
    for (int i = 0; i < 200 && !dialog; ++i, Sleep(50)) dialog = FindWindowA("#32770", "Print");
    if (!dialog) return 1;
    Sleep(200);
    SetDlgItemTextA(dialog, kCopiesEdit, d->copies);
    PostMessageA(dialog, WM_COMMAND, d->confirm ? IDOK : IDCANCEL, 0);
    if (!d->confirm) return 0;
    HWND box = nullptr;
    for (int i = 0; i < 200 && !box; ++i, Sleep(10)) EnumThreadWindows(d->mainThread, FindAbortBox, reinterpret_cast<LPARAM>(&box));
    d->sawAbortBox = box != nullptr;
    d->mainDisabledWhilePrinting = box && !IsWindowEnabled(d->main);
    return 0;
  }
};

// Cancel pressed in the abort box before the first copy starts: the press waits in the queue
// until the abort procedure takes the program's messages for the first time.
HHOOK cancelHook = nullptr;
LRESULT CALLBACK CancelOnInit(int code, WPARAM w, LPARAM l) {
  const CWPRETSTRUCT* m = reinterpret_cast<const CWPRETSTRUCT*>(l);
  HWND box = nullptr;
  if (code == HC_ACTION && m->message == WM_INITDIALOG && !FindAbortBox(m->hwnd, reinterpret_cast<LPARAM>(&box)))
    PostMessageA(m->hwnd, WM_COMMAND, IDCANCEL, 0);
  return CallNextHookEx(cancelHook, code, w, l);
}

class Print : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    App().instance = GetModuleHandleA(nullptr);
    window = CreateWindowExA(0, "STATIC", "print", WS_POPUP | WS_VISIBLE, 0, 0, 700, 520, nullptr, nullptr,
                             App().instance, nullptr);
    App().mainWindow = window;
    ScreenLayout screen;
    SetScreenLayout(screen);
    DeleteFileA(KeptPage().c_str());
    PrepareCanvas(window);
    OpenCanvasPicture(window, "C:\\no\\such\\picture.sam");
    Block& image = Session().canvas.canvasImage;  // a dark band across the white page
    std::memset(image.Data() + 40 + 1920 * 200, 0x20, 1920 * 80);
  }
  static void TearDownTestSuite() {
    FreeCanvas(window);
    DestroyWindow(window);
  }
  void SetUp() override {
    for (const std::string& f : Jobs()) DeleteFileA(f.c_str());
  }
  // Prints with the dialog answered by `driver`; the main window is enabled when it returns.
  void PrintWith(DialogDriver* driver) {
    driver->main = window;
    HANDLE t = CreateThread(nullptr, 0, &DialogDriver::Run, driver, 0, nullptr);
    PrintPicture(window);
    WaitForSingleObject(t, 15000);
    CloseHandle(t);
    EXPECT_TRUE(IsWindowEnabled(window));
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindAbortBox, reinterpret_cast<LPARAM>(&box));
    EXPECT_EQ(box, nullptr) << "the abort box stays";
  }
  static HWND window;
};
HWND Print::window = nullptr;

}  // namespace

TEST_F(Print, EachCopyIsItsOwnOnePageJob) {
  DialogDriver driver;
  driver.copies = "3";
  PrintWith(&driver);
  EXPECT_TRUE(driver.sawAbortBox);
  EXPECT_TRUE(driver.mainDisabledWhilePrinting);
  const std::vector<std::string> jobs = SettledJobs(3);
  ASSERT_EQ(jobs.size(), 3u);
  for (const std::string& job : jobs) {
    std::vector<uint8_t> pdf;
    ASSERT_TRUE(ReadFileBytes(job.c_str(), 64u << 20, &pdf)) << job;
    ASSERT_GE(pdf.size(), 5u);
    EXPECT_EQ(std::string(pdf.begin(), pdf.begin() + 5), "%PDF-") << job;
    EXPECT_EQ(PageCount(pdf), 1) << job;
  }
  // One copy stays for the check of where the picture stands on the page.
  EXPECT_TRUE(CopyFileA(jobs[0].c_str(), KeptPage().c_str(), FALSE));
}

TEST_F(Print, CancelInTheAbortBoxStopsFurtherCopies) {
  DialogDriver driver;
  driver.copies = "3";
  cancelHook = SetWindowsHookExA(WH_CALLWNDPROCRET, CancelOnInit, nullptr, GetCurrentThreadId());
  PrintWith(&driver);
  UnhookWindowsHookEx(cancelHook);
  EXPECT_LE(JobsAfterAWhile().size(), 1u);
}

TEST_F(Print, CancellingThePrintDialogPrintsNothing) {
  DialogDriver driver;
  driver.confirm = false;
  PrintWith(&driver);
  EXPECT_FALSE(driver.sawAbortBox);
  EXPECT_TRUE(JobsAfterAWhile().empty());
}
