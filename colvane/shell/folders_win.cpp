// Folder creation for the file box.
#include "colvane/shell/shell_win.h"

int CreateFolderOnce(const char* path) {
  if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) {
    MessageBoxA(nullptr, "Folder is here!", "Warning", MB_ICONHAND);
    return 0;
  }
  return CreateDirectoryA(path, nullptr);
}
