// Folder creation for the file box.
#include "colvane/frame/message_box_win.h"
#include "colvane/shell/shell_win.h"

int CreateFolderOnce(const char* path) {
  if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) {
    ShowProgramMessageA(nullptr, "Folder is here!", "Warning", MB_ICONHAND);
    return 0;
  }
  return CreateDirectoryA(path, nullptr);
}
