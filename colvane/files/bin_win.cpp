// Throwing a picture into its box's bin on disk.
#include "colvane/files/bin_win.h"

#include <algorithm>
#include <string>
#include <utility>
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

void DropForGood(const std::string& path) {
  char cartoon[kLibraryMaxPath];
  DeleteFileA(path.c_str());
  if (CartoonPathFor(path.c_str(), cartoon, sizeof(cartoon))) DeleteFileA(cartoon);
}

}  // namespace

std::vector<std::string> BinPicturePaths(const char* boxFolder) {
  const std::string bin = std::string(boxFolder) + "\\" + kBinFolderName;
  std::vector<std::pair<int, std::string>> entries;
  int serial;
  std::string own;
  for (const std::string& entry : BinPictures(bin)) {
    if (ParseBinEntry(entry, &serial, &own)) entries.emplace_back(-serial, bin + "\\" + entry);
  }
  std::sort(entries.begin(), entries.end());
  std::vector<std::string> paths;
  for (const auto& entry : entries) paths.push_back(entry.second);
  return paths;
}

bool GiveBackFromBin(const char* entryPath, bool (*taken)(const char* name, void* context), void* context) {
  const std::string path = entryPath;
  const size_t slash = path.find_last_of('\\');
  int serial;
  std::string own;
  if (slash == std::string::npos || !ParseBinEntry(path.substr(slash + 1), &serial, &own)) return false;
  const std::string bin = path.substr(0, slash);
  const size_t boxEnd = bin.find_last_of('\\');
  if (boxEnd == std::string::npos) return false;
  char name[kPictureNameSize], target[kLibraryMaxPath];
  // A name put in the bin by hand may be longer than a picture name the program keeps: cut, it
  // would lose its ".sam" and the picture would vanish from its box.
  if (own.size() >= sizeof(name) || taken(own.c_str(), context)) {
    if (!NextPictureName(taken, context, name, sizeof(name))) return false;
  } else {
    lstrcpynA(name, own.c_str(), sizeof(name));
  }
  if (!JoinFolderPath(bin.substr(0, boxEnd).c_str(), name, target, sizeof(target))) return false;
  return MovePicture(entryPath, target);
}

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
  for (const std::string& old : BinEntriesToDrop(entries, kBinLimit)) DropForGood(bin + "\\" + old);
  return true;
}
