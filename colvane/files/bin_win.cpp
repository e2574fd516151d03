// Throwing a picture into its box's bin on disk.
#include "colvane/files/bin_win.h"

#include <string>
#include <vector>

#include "colvane/files/bin_rules.h"
#include "colvane/files/library_paths.h"
#include "colvane/layout/layout_values.h"

namespace {

std::vector<std::string> BinPictures(const std::string& bin) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((bin + "\\*.sam").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return names;
}

// The picture and, when there is one, its cartoon file, under new names; the picture is put
// back when its cartoons can't follow it.
bool MovePicture(const char* from, const char* to) {
  char fromCartoon[kLibraryMaxPath], toCartoon[kLibraryMaxPath];
  const bool cartoons = CartoonPathFor(from, fromCartoon, sizeof(fromCartoon)) &&
                        CartoonPathFor(to, toCartoon, sizeof(toCartoon)) &&
                        GetFileAttributesA(fromCartoon) != INVALID_FILE_ATTRIBUTES;
  if (!MoveFileA(from, to)) return false;
  if (cartoons && !MoveFileA(fromCartoon, toCartoon)) {
    MoveFileA(to, from);
    return false;
  }
  return true;
}

void DeletePicture(const std::string& path) {
  char cartoon[kLibraryMaxPath];
  DeleteFileA(path.c_str());
  if (CartoonPathFor(path.c_str(), cartoon, sizeof(cartoon))) DeleteFileA(cartoon);
}

}  // namespace

bool ThrowIntoBin(const char* picturePath) {
  const std::string path = picturePath;
  const size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos) return false;
  const std::string bin = path.substr(0, slash + 1) + kBinFolderName;
  CreateDirectoryA(bin.c_str(), nullptr);
  const std::vector<std::string> entries = BinPictures(bin);
  char target[kLibraryMaxPath];
  const std::string name = BinEntryName(NextBinSerial(entries), path.substr(slash + 1));
  if (!JoinFolderPath(bin.c_str(), name.c_str(), target, sizeof(target))) return false;
  if (!MovePicture(picturePath, target)) return false;
  for (const std::string& old : BinEntriesToDrop(entries, kBinLimit)) DeletePicture(bin + "\\" + old);
  return true;
}
