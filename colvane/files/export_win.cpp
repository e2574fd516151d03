// Export of a library picture: the standard save dialog, then the picture file copied to the chosen
// name, or encoded as PNG.
#include "colvane/files/export_win.h"

#include <commdlg.h>
#include <shlobj.h>

#include <initializer_list>

#include "colvane/files/library_paths.h"
#include "colvane/files/library_places_win.h"
#include "colvane/files/png_export_win.h"
#include "colvane/frame/locks_win.h"
#include "colvane/frame/message_box_win.h"
#include "colvane/layout/layout_files_win.h"
#include "fileshift/fileshift_win.h"

namespace {

// Where a parent looks for a picture: the user's Pictures folder, else Documents, else C:\.
void ExportStartFolder(char* folder) {
  for (int place : {CSIDL_MYPICTURES, CSIDL_PERSONAL}) {
    if (SHGetFolderPathA(nullptr, place, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) continue;
    const DWORD attributes = GetFileAttributesA(folder);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  }
  lstrcpyA(folder, "c:\\");
}

}  // namespace

int ExportPicture(HWND window, const char* box, const char* name) {
  char source[kLibraryMaxPath];
  // An empty box has nothing to export: no dialog at all.
  if (!name || !name[0] || !PictureReadPath(box, name, source, sizeof(source)) ||
      GetFileAttributesA(source) == INVALID_FILE_ATTRIBUTES)
    return 0;
  if (LockRefuses(window, PolicyKey::kNoExport)) return 1;
  char chosen[256] = "", title[256] = "";
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = window;
  dialog.hInstance = GetModuleHandleA(nullptr);
  dialog.lpstrFilter = kExportFilters;
  dialog.nFilterIndex = 0;
  dialog.lpstrFile = chosen;
  dialog.nMaxFile = sizeof(chosen);
  dialog.lpstrFileTitle = title;
  dialog.nMaxFileTitle = sizeof(title);
  char startFolder[MAX_PATH];
  ExportStartFolder(startFolder);
  dialog.lpstrInitialDir = startFolder;
  dialog.lpstrTitle = "Export";
  dialog.Flags = OFN_LONGNAMES | OFN_SHOWHELP;
  if (!GetSaveFileNameA(&dialog)) return 0;
  char target[MAX_PATH + 8];
  bool copied = false;
  const ExportFormat format = ExportFormatFor(chosen, static_cast<int>(dialog.nFilterIndex));
  if (ExportTargetPath(chosen, target, sizeof(target), format)) {
    SetCapture(window);
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    copied = format == ExportFormat::kPng ? ExportPngFile(source, target) : CopyFileFromTo(target, source) != 0;
    ReleaseCapture();
    SetCursor(previous);
  }
  if (!copied)
    ShowProgramMessageA(window, "The picture could not be copied there. Please try another place or name.", "Export",
                        MB_OK | MB_ICONINFORMATION);
  return 1;
}
