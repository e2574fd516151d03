#include "colvane/files/picture_save_win.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/files/file_seam.h"
#include "colvane/files/library_paths.h"
#include "colvane/files/picture_file.h"
#include "colvane/files/recovery_file.h"
#include "colvane/frame/file_bytes.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/layout_values.h"
#include "colvane/library/cartoons_win.h"

namespace {

char workingBox[256];
char pictureName[kPictureNameSize];
char fileBoxBox[256];
bool fileBoxBoxChosen = false;
bool failureShown = false;       // the child hears about a failed save once, not at every save
uint64_t recoveredSum = 0;       // the picture the recovery copy holds
bool recoveryHeld = false;
// The sample picture opened last, before anything was painted on it: its canvas fingerprint and
// the picture name it got.
bool freshSample = false;
uint64_t freshSampleSum = 0;
char freshSampleName[kPictureNameSize];
char freshSampleBox[256];

void CopyName(char* to, size_t size, const char* from) {
  std::strncpy(to, from ? from : "", size - 1);
  to[size - 1] = '\0';
}

// A quick fingerprint of the canvas pixels: the recovery copy is written only when they changed.
uint64_t CanvasSum() {
  const Block& image = Session().canvas.canvasImage;
  uint64_t sum = 1469598103934665603ull;
  const uint8_t* p = image.Data();
  for (size_t i = 0; i + 8 <= image.size; i += 8) {
    uint64_t word;
    std::memcpy(&word, p + i, 8);
    sum = (sum ^ word) * 1099511628211ull;
  }
  return sum;
}

bool FileExistsInWorkingBox(const char* name, void*) {
  char folder[kLibraryMaxPath], path[kLibraryMaxPath];
  GetAssetFolder(folder);
  if (!PicturePath(folder, workingBox, name, path, sizeof(path))) return true;  // can't be used
  return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// The cartoons placed on the picture go beside it, atomically like the picture. A picture whose
// cartoons were all rubbed out loses its old cartoon file, or they would come back; one that
// never had any running (none could be loaded, say) leaves the file alone.
void SaveCartoons(const char* cartoonPath) {
  const PictureSeam* seam = CurrentPictureSeam();
  if (CartoonCount() > 0) {
    const std::vector<uint8_t> bytes = CartoonFileBytes();
    const FilePiece piece{bytes.data(), bytes.size()};
    if (ReplaceFileAtomically(seam, cartoonPath, &piece, 1)) CartoonFileWritten();
  } else if (CartoonsRemovedSinceFile()) {
    if (seam->remove(cartoonPath) == 0 || GetFileAttributesA(cartoonPath) == INVALID_FILE_ATTRIBUTES)
      CartoonFileWritten();
  }
}

bool Modified() { return Session().canvas.pictureModified != 0; }

// The box a picture goes to when none was ever chosen (a fresh install).
constexpr char kFirstBox[] = "MY PICTURES";

// A picture always has a box and a plain name of its own, so what is painted can be kept.
void EnsurePictureNames() {
  if (CheckEntryName(workingBox) != NameProblem::kNone) CopyName(workingBox, sizeof(workingBox), kFirstBox);
  if (CheckEntryName(pictureName) != NameProblem::kNone) {
    char name[kPictureNameSize];
    if (NextPictureName(FileExistsInWorkingBox, nullptr, name, sizeof(name)))
      CopyName(pictureName, sizeof(pictureName), name);
  }
}

// The library and the box are made when missing, so the first save of a fresh install lands.
void MakeBoxFolder(const char* folder) {
  char path[kLibraryMaxPath];
  if (LibraryFolderPath(folder, path, sizeof(path))) CreateDirectoryA(path, nullptr);
  if (BoxFolderPath(folder, workingBox, path, sizeof(path))) CreateDirectoryA(path, nullptr);
}

}  // namespace

void LoadPictureNames() {
  GetSettingString("DESKTOP", "WORKINDIR", "", workingBox, sizeof(workingBox));
  GetSettingString("sample", "sample", "", pictureName, sizeof(pictureName));
  EnsurePictureNames();
}

const char* WorkingBox() { return workingBox; }
const char* CurrentPictureName() { return pictureName; }

void CurrentPicturePath(char* path, int size) {
  char folder[kLibraryMaxPath];
  GetAssetFolder(folder);
  if (!PicturePath(folder, workingBox, pictureName, path, size) && size > 0) path[0] = '\0';
}

void SetCurrentPicture(const char* box, const char* name) {
  CopyName(workingBox, sizeof(workingBox), box);
  CopyName(pictureName, sizeof(pictureName), name);
}

void SetFileBoxBox(const char* box) {
  CopyName(fileBoxBox, sizeof(fileBoxBox), box);
  fileBoxBoxChosen = true;
}

void RecoveryPath(char* path, int size) {
  char folder[kLibraryMaxPath];
  GetAssetFolder(folder);
  if (!JoinFolderPath(folder, "RECOVER.DAT", path, size)) path[0] = '\0';
}

void DropRecoveryCopy() {
  char path[MAX_PATH];
  RecoveryPath(path, sizeof(path));
  if (path[0]) DeleteFileA(path);
  recoveryHeld = false;
}

int SavePicture(HWND window) {
  if (!workingBox[0]) GetSettingString("DESKTOP", "WORKINDIR", "", workingBox, sizeof(workingBox));
  EnsurePictureNames();
  SetSettingString("sample", "sample", pictureName);
  SetSettingString("DESKTOP", "WORKINDIR", workingBox);
  if (!Modified()) {
    DropRecoveryCopy();
    return 0;
  }
  char folder[kLibraryMaxPath], path[kLibraryMaxPath];
  GetAssetFolder(folder);
  // A name that isn't a plain entry of the library (no name yet, or settings edited to point
  // elsewhere) saves nothing; the recovery copy keeps the picture meanwhile.
  if (!PicturePath(folder, workingBox, pictureName, path, sizeof(path))) return 0;
  MakeBoxFolder(folder);
  const Block& image = Session().canvas.canvasImage;
  if (!WritePictureFile(CurrentPictureSeam(), path, image.Data(), image.size)) {
    if (!failureShown) {
      failureShown = true;
      MessageBoxA(window,
                  "Your picture could not be kept just now. It is still here on the paper:\n"
                  "please ask a grown-up to check that the disk has room.",
                  "Colvane", MB_OK | MB_ICONINFORMATION);
    }
    return 0;
  }
  failureShown = false;
  Session().canvas.pictureModified = 0;
  char cartoons[kLibraryMaxPath];
  if (CartoonPathFor(path, cartoons, sizeof(cartoons))) SaveCartoons(cartoons);
  DropRecoveryCopy();
  return 1;
}

namespace {

// The picture on the canvas is kept, and what comes next is a new picture: the first free name
// of the working box (the box chosen in the file box, if any), with no cartoons.
void MoveToNewPicture(HWND window) {
  SavePicture(window);
  if (fileBoxBoxChosen) CopyName(workingBox, sizeof(workingBox), fileBoxBox);
  char name[kPictureNameSize];
  if (NextPictureName(FileExistsInWorkingBox, nullptr, name, sizeof(name))) CopyName(pictureName, sizeof(pictureName), name);
  RemoveAllCartoons(window);
}

}  // namespace

void NewPicture(HWND window) {
  MoveToNewPicture(window);
  char path[kLibraryMaxPath];
  CurrentPicturePath(path, sizeof(path));
  // A name whose file doesn't exist: the blank white page, not modified, so it is never written
  // while it stays blank.
  OpenCanvasPicture(window, path);
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

void KeepPictureBeforeSample(HWND window) {
  const bool untouched = freshSample && std::strcmp(freshSampleName, pictureName) == 0 &&
                         std::strcmp(freshSampleBox, workingBox) == 0 && CanvasSum() == freshSampleSum &&
                         CartoonCount() == 0;
  freshSample = false;
  if (!untouched) MoveToNewPicture(window);  // else the next sample takes its place under its name
}

void NoteFreshSample(HWND) {
  freshSample = true;
  freshSampleSum = CanvasSum();
  CopyName(freshSampleName, sizeof(freshSampleName), pictureName);
  CopyName(freshSampleBox, sizeof(freshSampleBox), workingBox);
}

void ReadCartoonsOfCurrentPicture(HWND window) {
  char picture[kLibraryMaxPath], cartoons[kLibraryMaxPath];
  RemoveAllCartoons(window);
  CurrentPicturePath(picture, sizeof(picture));
  if (picture[0] && CartoonPathFor(picture, cartoons, sizeof(cartoons))) ReadCartoonFile(window, cartoons);
}

void RecoverAtStartUp(HWND window) {
  SetTimer(window, timer::kRecovery, 1000, nullptr);
  char path[MAX_PATH];
  RecoveryPath(path, sizeof(path));
  std::vector<uint8_t> bytes;
  if (!path[0] || !ReadFileBytes(path, 4u << 20, &bytes)) return;
  RecoveryHead head;
  char folder[kLibraryMaxPath], picture[kLibraryMaxPath];
  GetAssetFolder(folder);
  bool use = ParseRecoveryHead(bytes.data(), bytes.size(), &head) &&
             PicturePath(folder, head.box.c_str(), head.name.c_str(), picture, sizeof(picture));
  if (use) {  // newer than its picture (or the picture was never written)
    WIN32_FILE_ATTRIBUTE_DATA copy{}, saved{};
    use = GetFileAttributesExA(path, GetFileExInfoStandard, &copy) &&
          (!GetFileAttributesExA(picture, GetFileExInfoStandard, &saved) ||
           CompareFileTime(&copy.ftLastWriteTime, &saved.ftLastWriteTime) > 0);
  }
  if (!use) {
    DropRecoveryCopy();
    return;
  }
  CanvasImage& canvas = Session().canvas;
  if (!OpenPictureBytes(&canvas, bytes.data() + head.pictureOffset, bytes.size() - head.pictureOffset)) return;
  SetCurrentPicture(head.box.c_str(), head.name.c_str());
  canvas.pictureModified = 1;  // the next save stores it
  RefreshCanvasBitmap(window);
  recoveredSum = CanvasSum();
  recoveryHeld = true;
}

void RecoveryTick(HWND window) {
  if (!Modified()) return;
  const uint64_t sum = CanvasSum();
  if (recoveryHeld && sum == recoveredSum) return;
  char path[MAX_PATH];
  RecoveryPath(path, sizeof(path));
  const Block& image = Session().canvas.canvasImage;
  if (path[0] && WriteRecoveryFile(CurrentPictureSeam(), path, workingBox, pictureName, image.Data(), image.size)) {
    recoveredSum = sum;
    recoveryHeld = true;
  }
}
