// Where the picture library lives: the asset folder's CUST, or the user's own library over it.
#include "colvane/files/library_places_win.h"

#include <shlobj.h>

#include <string>

#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/layout_values.h"
#include "colvane/layout/policy_win.h"

namespace {

const char kUserLibraryName[] = "Colvane Pictures";

// Whether files can be made in the folder (made first when missing). A temporary file is the
// only test that holds for read-only drives, mounts and access rights alike.
bool CanWriteIn(const char* folder) {
  CreateDirectoryA(folder, nullptr);
  char probe[MAX_PATH];
  if (!JoinFolderPath(folder, "~colvane.tmp", probe, MAX_PATH)) return false;
  HANDLE file = CreateFileA(probe, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// The answer for the asset library of this run; the settings don't change while it runs.
bool AssetLibraryWritable(const char* library) {
  static std::string asked;
  static bool writable = true;
  if (asked != library) {
    asked = library;
    writable = CanWriteIn(library);
  }
  return writable;
}

bool UserLibraryPath(char* out) {
  char documents[MAX_PATH] = "";
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents))) return false;
  return JoinFolderPath(documents, kUserLibraryName, out, kLibraryMaxPath) != 0;
}

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

PictureLibraries Libraries() {
  PictureLibraries libraries;
  char asset[kLibraryMaxPath], library[kLibraryMaxPath];
  const std::string& chosen = PolicyText(CurrentPolicy(), PolicyKey::kLibraryFolder);
  if (!chosen.empty()) {  // a grown-up's folder for the whole class, in place of the program's
    lstrcpynA(library, chosen.c_str(), sizeof(library));
  } else {
    GetAssetFolder(asset);
    if (!LibraryFolderPath(asset, library, sizeof(library))) return libraries;
  }
  if (!AssetLibraryWritable(library) && UserLibraryPath(libraries.folder[0])) libraries.count = 1;
  lstrcpynA(libraries.folder[libraries.count++], library, kLibraryMaxPath);
  return libraries;
}

int PictureReadPath(const char* box, const char* name, char* out, int size) {
  const PictureLibraries libraries = Libraries();
  for (int i = 0; i < libraries.count; ++i) {
    if (PictureInLibraryPath(libraries.folder[i], box, name, out, size) && Exists(out)) return 1;
  }
  return PictureWritePath(box, name, out, size);
}

int PictureWritePath(const char* box, const char* name, char* out, int size) {
  const PictureLibraries libraries = Libraries();
  if (libraries.count == 0) {
    if (size > 0) out[0] = '\0';
    return 0;
  }
  return PictureInLibraryPath(libraries.folder[0], box, name, out, size);
}

bool PictureNameTaken(const char* box, const char* name) {
  const PictureLibraries libraries = Libraries();
  char path[kLibraryMaxPath];
  if (libraries.count == 0 || !PictureInLibraryPath(libraries.folder[0], box, name, path, sizeof(path))) return true;
  for (int i = 0; i < libraries.count; ++i) {
    if (PictureInLibraryPath(libraries.folder[i], box, name, path, sizeof(path)) && Exists(path)) return true;
  }
  return false;
}

void MakeWritableBox(const char* box) {
  const PictureLibraries libraries = Libraries();
  char path[kLibraryMaxPath];
  if (libraries.count == 0) return;
  CreateDirectoryA(libraries.folder[0], nullptr);
  if (BoxInLibraryPath(libraries.folder[0], box, path, sizeof(path))) CreateDirectoryA(path, nullptr);
}

bool BoxCanHoldPictures(const char* box) {
  const PictureLibraries libraries = Libraries();
  return libraries.count > 0 && LibraryBoxHoldsPictures(libraries.folder[0], box);
}

void RecoveryFolder(char* folder) {
  GetAssetFolder(folder);
  if (Libraries().count < 2) return;
  char own[MAX_PATH];
  UserSettingsFolder(own);
  if (!own[0]) return;
  lstrcpynA(folder, own, MAX_PATH);
  CreateDirectoryA(folder, nullptr);
}
