// Checks and building of box and picture names and of their paths in the picture library.
#include "colvane/files/library_paths.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

bool SameIgnoringCase(const char* a, const char* b, size_t n) {
  for (size_t i = 0; i < n; ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// CON, PRN, AUX, NUL, COM1-9, LPT1-9, alone or before a dot ("nul.txt" is the device too).
bool IsDeviceName(const char* name) {
  size_t stem = std::strcspn(name, ".");
  while (stem > 0 && name[stem - 1] == ' ') --stem;
  static const char* const kThree[] = {"CON", "PRN", "AUX", "NUL"};
  if (stem == 3)
    for (const char* d : kThree)
      if (SameIgnoringCase(name, d, 3)) return true;
  if (stem == 4 && (SameIgnoringCase(name, "COM", 3) || SameIgnoringCase(name, "LPT", 3)))
    return name[3] >= '1' && name[3] <= '9';
  return false;
}

// folder + "\" + name into out; 0 when it doesn't fit below MAX_PATH and `size`.
int Join(const char* folder, const char* name, char* out, int size) {
  const size_t a = std::strlen(folder), b = std::strlen(name);
  const bool slash = a > 0 && folder[a - 1] != '\\' && folder[a - 1] != '/';
  const size_t total = a + (slash ? 1 : 0) + b;
  if (total + 1 > static_cast<size_t>(size) || total + 1 > static_cast<size_t>(kLibraryMaxPath)) return 0;
  std::memmove(out, folder, a);  // out may be folder itself
  size_t at = a;
  if (slash) out[at++] = '\\';
  std::memcpy(out + at, name, b);
  out[total] = '\0';
  return 1;
}

// A folder path with room for "\Sample99999.sam.part" below MAX_PATH.
bool FolderHoldsPictures(const char* folderPath) {
  const size_t longest = std::strlen(folderPath) + 1 + (sizeof(kLongestPictureName) - 1) + (sizeof(kTemporarySuffix) - 1);
  return longest + 1 <= static_cast<size_t>(kLibraryMaxPath);
}

}  // namespace

NameProblem CheckEntryName(const char* name) {
  if (!name || !name[0]) return NameProblem::kEmpty;
  const size_t length = std::strlen(name);
  if (length >= static_cast<size_t>(kLibraryMaxPath)) return NameProblem::kTooLong;
  for (size_t i = 0; i < length; ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (c < 32 || std::strchr("\\/:*?\"<>|", c)) return NameProblem::kForbiddenCharacter;
  }
  if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) return NameProblem::kDots;
  const char first = name[0], last = name[length - 1];
  if (first == ' ' || first == '.' || last == ' ' || last == '.') return NameProblem::kEdgeSpaceOrDot;
  if (IsDeviceName(name)) return NameProblem::kDeviceName;
  return NameProblem::kNone;
}

NameProblem CheckNewBoxName(const char* libraryFolder, const char* name) {
  const NameProblem p = CheckEntryName(name);
  if (p != NameProblem::kNone) return p;
  // The box must leave room for the pictures saved in it.
  char path[kLibraryMaxPath];
  if (!Join(libraryFolder, name, path, sizeof(path)) || !FolderHoldsPictures(path)) return NameProblem::kTooLong;
  return NameProblem::kNone;
}

const char* NameProblemMessage(NameProblem problem) {
  switch (problem) {
    case NameProblem::kNone: return "";
    case NameProblem::kEmpty: return "Please type a name for your new box first.";
    case NameProblem::kForbiddenCharacter:
      return "A box name can't have any of these signs: \\ / : * ? \" < > |  Please try another name.";
    case NameProblem::kDots: return "Please give your box a name with letters in it.";
    case NameProblem::kEdgeSpaceOrDot:
      return "A box name can't begin or end with a space or a dot. Please try again.";
    case NameProblem::kDeviceName: return "That name is kept for the computer itself. Please pick another one.";
    case NameProblem::kTooLong: return "That name is too long. Please pick a shorter one.";
  }
  return "";
}

int LibraryFolderPath(const char* assetFolder, char* out, int size) {
  if (size > 0) out[0] = '\0';
  if (!assetFolder || !Join(assetFolder, "CUST", out, size)) {
    if (size > 0) out[0] = '\0';
    return 0;
  }
  return 1;
}

int BoxInLibraryPath(const char* library, const char* box, char* out, int size) {
  if (size > 0) out[0] = '\0';
  const size_t length = library ? std::strlen(library) : 0;
  if (!library || length + 1 > static_cast<size_t>(size) || length + 1 > static_cast<size_t>(kLibraryMaxPath)) return 0;
  std::memmove(out, library, length + 1);
  if (!box || !box[0]) return 1;
  if (CheckEntryName(box) != NameProblem::kNone || !Join(out, box, out, size)) {
    out[0] = '\0';
    return 0;
  }
  return 1;
}

int PictureInLibraryPath(const char* library, const char* box, const char* name, char* out, int size) {
  if (!BoxInLibraryPath(library, box, out, size)) return 0;
  if (CheckEntryName(name) != NameProblem::kNone || !Join(out, name, out, size)) {
    out[0] = '\0';
    return 0;
  }
  return 1;
}

int CartoonPathFor(const char* picturePath, char* out, int size) {
  const size_t length = std::strlen(picturePath);
  if (length < 3 || length + 1 > static_cast<size_t>(size)) return 0;
  std::memcpy(out, picturePath, length - 3);
  std::memcpy(out + length - 3, "CAT", 4);
  return 1;
}

bool LibraryBoxHoldsPictures(const char* library, const char* box) {
  char path[kLibraryMaxPath];
  return box && box[0] && BoxInLibraryPath(library, box, path, sizeof(path)) && FolderHoldsPictures(path);
}

bool IsSampleBox(const char* boxPath) {
  size_t length = std::strlen(boxPath);
  while (length > 0 && (boxPath[length - 1] == '\\' || boxPath[length - 1] == '/')) --length;
  return length >= 6 && SameIgnoringCase(boxPath + length - 6, "SAMPLE", 6);
}

bool IsListedPictureName(const char* name) {
  if (CheckEntryName(name) != NameProblem::kNone) return false;
  const size_t length = std::strlen(name);
  return length > 4 && SameIgnoringCase(name + length - 4, ".sam", 4);
}

int NextPictureName(bool (*exists)(const char* name, void* context), void* context, char* out, int size) {
  for (int n = 1; n <= 99999; ++n) {
    char name[kPictureNameSize];
    std::snprintf(name, sizeof(name), "Sample%d.sam", n);
    if (exists(name, context)) continue;
    if (std::strlen(name) + 1 > static_cast<size_t>(size)) return 0;
    std::memcpy(out, name, std::strlen(name) + 1);
    return 1;
  }
  return 0;
}

namespace {

// Compared byte by byte: an upper-case extension is not the extension.
bool EndsIn(const char* name, const char* extension) {
  const size_t length = std::strlen(name);
  return length >= 4 && std::memcmp(name + length - 4, extension, 4) == 0;
}

}  // namespace

ExportFormat ExportFormatFor(const char* chosen, int filterIndex) {
  if (EndsIn(chosen, ".png")) return ExportFormat::kPng;
  if (EndsIn(chosen, ".bmp")) return ExportFormat::kBitmap;
  return filterIndex == kExportPngFilter ? ExportFormat::kPng : ExportFormat::kBitmap;
}

int ExportTargetPath(const char* chosen, char* out, int size, ExportFormat format) {
  const char* extension = format == ExportFormat::kPng ? ".png" : ".bmp";
  const size_t length = std::strlen(chosen);
  const bool hasExtension = EndsIn(chosen, extension);
  const size_t total = length + (hasExtension ? 0 : 4);
  if (size <= 0 || total + 1 > static_cast<size_t>(size)) return 0;
  std::memcpy(out, chosen, length);
  if (!hasExtension) std::memcpy(out + length, extension, 4);
  out[total] = '\0';
  return 1;
}
