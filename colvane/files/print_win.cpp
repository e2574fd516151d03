// Print: the print dialog, the abort box and its abort procedure, and one job per copy.
#include "colvane/files/print_win.h"

#include <cderr.h>
#include <commdlg.h>

#include <cstring>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/files/print_budget_win.h"
#include "colvane/files/print_fit.h"
#include "colvane/frame/message_box_win.h"

namespace {

// The print state: lives only while PrintPicture runs.
struct PrintState {
  HDC printer = nullptr;   // owned by PrintPicture: from PrintDlgA, deleted at the end
  bool abort = true;       // set when the job is cancelled or finished
  HWND box = nullptr;      // the abort box, destroyed by Cancel or at the end
  HWND owner = nullptr;    // the main window, disabled while printing
};
PrintState print;

const char kCannotPrint[] = "The picture could not be printed. Please check that the printer is ready, then try again.";

INT_PTR CALLBACK AbortBoxProc(HWND dialog, UINT message, WPARAM w, LPARAM) {
  if (message == WM_INITDIALOG) {
    EnableMenuItem(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_GRAYED);
    SetFocus(GetDlgItem(dialog, IDCANCEL));
    return FALSE;  // the focus is set here
  }
  if (message == WM_COMMAND && LOWORD(w) == IDCANCEL) {
    print.abort = true;
    AbortDoc(print.printer);
    EnableWindow(print.owner, TRUE);
    DestroyWindow(dialog);
    print.box = nullptr;
    return TRUE;
  }
  return FALSE;
}

// Called by the printer driver while it spools: keeps the abort box (and the program) answering.
BOOL CALLBACK AbortProc(HDC, int) {
  MSG m;
  while (!print.abort && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (print.box && IsDialogMessageA(print.box, &m)) continue;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  return !print.abort;
}

}  // namespace

void PrintPicture(HWND window) {
  Block& image = Session().canvas.canvasImage;
  if (image.size < 40) return;
  BITMAPINFOHEADER header;
  std::memcpy(&header, image.Data(), sizeof(header));
  const int wc = header.biWidth, hc = header.biHeight;
  const size_t colours = header.biClrUsed ? header.biClrUsed : (header.biBitCount <= 8 ? 1u << header.biBitCount : 0);
  const size_t infoSize = 40 + 4 * colours;
  if (infoSize >= image.size) return;

  const PrintAnswer answer = AskPrintBudget();
  if (answer.verdict != PrintVerdict::kPrint) {
    TellNotNow(window, answer);
    return;
  }
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = window;
  dialog.Flags = PD_RETURNDC;
  if (!PrintDlgA(&dialog) || !dialog.hDC) {
    // Cancelled, or no printer at all (the dialog told that itself): nothing more to say.
    const DWORD error = CommDlgExtendedError();
    if (error && error != PDERR_NODEFAULTPRN && error != PDERR_NODEVICES)
      ShowProgramMessageA(window, kCannotPrint, "Print", MB_OK | MB_ICONINFORMATION);
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    return;
  }
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  print.printer = dialog.hDC;
  print.owner = window;
  HDC dc = print.printer;
  const PrintPlace place = FitOnPage(wc, hc, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES),
                                     GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY));

  print.abort = false;
  print.box = CreateDialogA(GetModuleHandleA(nullptr), "Abort", window, AbortBoxProc);
  SetAbortProc(dc, AbortProc);
  if (print.box) {
    ShowWindow(print.box, SW_SHOW);
    UpdateWindow(print.box);
  }
  EnableWindow(window, FALSE);

  // The printed copy has no resolution of its own: the stretch decides its size.
  std::vector<uint8_t> info(image.Data(), image.Data() + infoSize);
  BITMAPINFOHEADER* copy = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  copy->biXPelsPerMeter = 0;
  copy->biYPelsPerMeter = 0;
  DOCINFOA doc{};
  doc.cbSize = sizeof(doc);
  doc.lpszDocName = "~07362";
  bool failed = false;
  // The day's budget cuts the copies asked for; the copies that went are counted.
  const int copies = answer.copiesLeft >= 0 && answer.copiesLeft < dialog.nCopies ? answer.copiesLeft : dialog.nCopies;
  int printed = 0;
  for (int i = 0; i < copies && !print.abort; ++i) {
    if (StartDocA(dc, &doc) <= 0) {
      failed = !print.abort;
      break;
    }
    ++printed;
    StartPage(dc);
    SetStretchBltMode(dc, HALFTONE);
    StretchDIBits(dc, place.x, place.y, place.width, place.height, 0, 0, wc, hc, image.Data() + infoSize,
                  reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, SRCCOPY);
    EndPage(dc);
    EndDoc(dc);
  }
  DeleteDC(dc);
  print.printer = nullptr;
  CountPrintedCopies(printed);
  if (!print.abort) {
    print.abort = true;
    EnableWindow(window, TRUE);
    if (print.box) DestroyWindow(print.box);
    print.box = nullptr;
  }
  if (failed) ShowProgramMessageA(window, kCannotPrint, "Print", MB_OK | MB_ICONINFORMATION);
}
