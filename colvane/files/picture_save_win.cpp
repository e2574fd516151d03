// Keeping the picture: the Win32 side of the save procedure, new pictures and the recovery copy
// (settings, files and their times, message boxes); the rules live in picture_keeping.
#include "colvane/files/picture_save_win.h"

#include <cstdint>
#include <string>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/files/file_seam.h"
#include "colvane/files/library_places_win.h"
#include "colvane/files/library_paths.h"
#include "colvane/files/picture_file.h"
#include "colvane/files/picture_keeping.h"
#include "colvane/files/recovery_file.h"
#include "colvane/frame/file_bytes.h"
#include "colvane/frame/message_box_win.h"
#include "colvane/frame/screen_area_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/layout_values.h"
#include "colvane/library/cartoons_win.h"

namespace {

PictureKeeping keeping;  // the names, the notes and the failure latch of the picture on the canvas
WriteFailure lastFailure = WriteFailure::kOther;  // why the last failed save failed
bool leaving = false;  // the save on the way out asks its own question instead of telling

uint64_t CanvasSumNow() {
  const Block& image = Session().canvas.canvasImage;
  return CanvasSum(image.Data(), image.size);
}

bool FileExistsInWorkingBox(const char* name, void* context) {
  const PictureKeeping* k = static_cast<const PictureKeeping*>(context);
  return PictureNameTaken(k->workingBox, name);
}

std::string leftBox;  // a box the picture had to leave, told once the picture is kept elsewhere

void EnsureNames() {
  EnsurePictureNames(&keeping, FileExistsInWorkingBox, &keeping);
  const PictureLibraries libraries = Libraries();
  const std::string box = keeping.workingBox;
  if (libraries.count > 0 && LeaveUnusableBox(&keeping, libraries.folder[0], FileExistsInWorkingBox, &keeping))
    leftBox = box;
}

void TellBoxLeft(HWND window) {
  if (leftBox.empty()) return;
  std::string shown = leftBox.size() > 40 ? leftBox.substr(0, 40) + "..." : leftBox;
  const std::string text = std::string("Your picture is kept in the box \"") + kFirstBox + "\", because the folder of the box \"" +
                           shown + "\" has a name too long for the computer to keep pictures in.\n"
                           "A grown-up can give that folder a shorter name.";
  leftBox.clear();
  ShowProgramMessageA(window, text.c_str(), "Colvane", MB_OK | MB_ICONINFORMATION);
}

// Last write time of a file as one 64-bit count; false when it can't be read (no file).
bool WriteTimeOf(const char* path, uint64_t* time) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return false;
  *time = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
  return true;
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

bool Modified() { return Session().canvas.pictureModified; }

}  // namespace

void LoadPictureNames() {
  GetSettingString("DESKTOP", "WORKINDIR", "", keeping.workingBox, sizeof(keeping.workingBox));
  GetSettingString("sample", "sample", "", keeping.pictureName, sizeof(keeping.pictureName));
  EnsureNames();
}

const char* WorkingBox() { return keeping.workingBox; }
const char* CurrentPictureName() { return keeping.pictureName; }

void CurrentPicturePath(char* path, int size) {
  if (!PictureReadPath(keeping.workingBox, keeping.pictureName, path, size) && size > 0) path[0] = '\0';
}

void SetCurrentPicture(const char* box, const char* name) { SetPictureNames(&keeping, box, name); }

void SetFileBoxBox(const char* box) { ChooseFileBoxBox(&keeping, box); }

namespace {

// The entry `name` of the recovery copy's folder as a path; false when it doesn't fit.
bool RecoveryEntryPath(const char* name, char* path, int size) {
  char folder[MAX_PATH];
  RecoveryFolder(folder);
  return name && JoinFolderPath(folder, name, path, size);
}

bool IsFolderInRecoveryFolder(const char* name, void*) {
  char path[MAX_PATH];
  if (!RecoveryEntryPath(name, path, sizeof(path))) return false;
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void RecoveryPath(char* path, int size) {
  if (!RecoveryEntryPath(RecoveryFileName(IsFolderInRecoveryFolder, nullptr), path, size)) path[0] = '\0';
}

void DropRecoveryCopy() {
  char path[MAX_PATH];
  RecoveryPath(path, sizeof(path));
  if (path[0]) DeleteFileA(path);
  NoteRecoveryDropped(&keeping);
}

int SavePicture(HWND window) {
  if (!keeping.workingBox[0])
    GetSettingString("DESKTOP", "WORKINDIR", "", keeping.workingBox, sizeof(keeping.workingBox));
  EnsureNames();
  // A picture that could not be read is left alone: what was painted on it becomes a new picture.
  const bool mayWrite = !Modified() || NameBeforeWriting(&keeping, FileExistsInWorkingBox, &keeping);
  SetSettingString("sample", "sample", keeping.pictureName);
  SetSettingString("DESKTOP", "WORKINDIR", keeping.workingBox);
  if (!Modified()) {
    DropRecoveryCopy();
    return 0;
  }
  if (!mayWrite) return 0;  // no free name left: the recovery copy keeps the painting
  char path[kLibraryMaxPath];
  // A name that isn't a plain entry of the library (no name yet, or settings edited to point
  // elsewhere) saves nothing; the recovery copy keeps the picture meanwhile. The library and the
  // box are made when missing, so the first save of a fresh install lands.
  if (!PictureWritePath(keeping.workingBox, keeping.pictureName, path, sizeof(path))) return 0;
  MakeWritableBox(keeping.workingBox);
  const Block& image = Session().canvas.canvasImage;
  if (!WritePictureFile(CurrentPictureSeam(), path, image.Data(), image.size)) {
    const PictureSeam* seam = CurrentPictureSeam();
    lastFailure = seam->failure ? seam->failure() : WriteFailure::kOther;
    if (!leaving && TellSaveFailure(&keeping))
      ShowProgramMessageA(window, SaveFailureMessage(lastFailure, path).c_str(), "Colvane",
                          MB_OK | MB_ICONINFORMATION);
    return 0;
  }
  NoteSaveWritten(&keeping);
  MarkPictureKept(&Session().canvas);
  char cartoons[kLibraryMaxPath];
  if (CartoonPathFor(path, cartoons, sizeof(cartoons))) SaveCartoons(cartoons);
  DropRecoveryCopy();
  TellBoxLeft(window);
  return 1;
}

bool SaveBeforeLeaving(HWND window) {
  lastFailure = WriteFailure::kOther;  // a save that never reached the disk says no more
  leaving = true;
  SavePicture(window);
  leaving = false;
  if (!Modified()) return true;
  char path[kLibraryMaxPath];
  CurrentPicturePath(path, sizeof(path));
  if (ShowProgramMessageA(window, LeaveUnkeptQuestion(lastFailure, path).c_str(), "Colvane",
                          MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES)
    return true;
  DamageWholeScreen(window);  // under Wine the place of the box was left as it was
  return false;
}

void SaveAtEndOfSession(HWND window) {
  leaving = true;  // no message about a save that fails: the recovery copy keeps the painting
  SavePicture(window);
  leaving = false;
  RecoveryTick(window);
}

namespace {

// The picture on the canvas is kept, and what comes next is a new picture: the first free name
// of the working box (the box chosen in the file box, if any), with no cartoons.
void MoveToNewPicture(HWND window) {
  SavePicture(window);
  NameNewPicture(&keeping, FileExistsInWorkingBox, &keeping);
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
  DamageWholeScreen(window);
  UpdateWindow(window);
}

void ForgetThrownAwayPicture(HWND window, const char* path) {
  char current[kLibraryMaxPath];
  CurrentPicturePath(current, sizeof(current));
  if (!current[0] || !path || lstrcmpiA(current, path) != 0) return;  // file names ignore case
  MarkPictureKept(&Session().canvas);  // what it held, even unsaved, went to the bin with it
  NameNewPicture(&keeping, FileExistsInWorkingBox, &keeping);
  RemoveAllCartoons(window);
  CurrentPicturePath(current, sizeof(current));
  OpenCanvasPicture(window, current);  // no file yet: the blank page, written once painted on
  SavePicture(window);                 // the settings name the new picture; the recovery copy goes
}

void KeepPictureBeforeSample(HWND window) {
  // An untouched sample: the next sample takes its place under its name.
  if (!TakeUntouchedSample(&keeping, CanvasSumNow(), CartoonCount())) MoveToNewPicture(window);
}

void NoteFreshSample(HWND) { RememberFreshSample(&keeping, CanvasSumNow()); }

void ReadCartoonsOfCurrentPicture(HWND window) {
  char picture[kLibraryMaxPath], cartoons[kLibraryMaxPath];
  RemoveAllCartoons(window);
  CurrentPicturePath(picture, sizeof(picture));
  if (picture[0] && CartoonPathFor(picture, cartoons, sizeof(cartoons))) ReadCartoonFile(window, cartoons);
}

void NotePictureOpened(PictureOpenResult result) {
  NoteOpenedPicture(&keeping, result == kPictureUnreadable);
}

bool CurrentPictureLeftAlone() { return keeping.leaveAlone; }

void TellPictureLeftAlone(HWND window) {
  char newName[kPictureNameSize] = "";
  if (!NextPictureName(FileExistsInWorkingBox, &keeping, newName, sizeof(newName))) return;
  char text[512];
  wsprintfA(text,
            "Colvane could not read the picture \"%s\": another program may be using it, or the file "
            "may be damaged.\n\n"
            "The picture file has been left just as it was, and nothing will be written over it. "
            "What is painted now will be kept as a new picture, \"%s\", in the same box.",
            keeping.pictureName, newName);
  ShowProgramMessageA(window, text, "Colvane", MB_OK | MB_ICONINFORMATION);
}

namespace {

// The largest copy the writer makes: the longest head, then a whole picture.
constexpr size_t kLargestRecoveryCopy = kRecoveryHeadSize + 255 + (kPictureNameSize - 1) + kPictureFileSize;

// A copy that can't be read whole goes aside for a grown-up (over an older one set aside); it is
// never opened, and the next tick writes a fresh copy under the usual name.
void SetRecoveryCopyAside(const char* path) {
  char aside[MAX_PATH];
  if (RecoveryEntryPath(kSetAsideRecoveryName, aside, sizeof(aside)))
    MoveFileExA(path, aside, MOVEFILE_REPLACE_EXISTING);
  NoteRecoveryDropped(&keeping);
}

}  // namespace

void RecoverAtStartUp(HWND window) {
  SetTimer(window, timer::kRecovery, timer::kRecoveryMs, nullptr);
  char path[MAX_PATH];
  RecoveryPath(path, sizeof(path));
  const DWORD attributes = path[0] ? GetFileAttributesA(path) : INVALID_FILE_ATTRIBUTES;
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;  // no copy
  // One byte past the largest copy, so a longer file reads as one that isn't whole.
  std::vector<uint8_t> bytes;
  RecoveryHead head;
  RecoveryFacts facts;
  char picture[kLibraryMaxPath];
  facts.headParses = ReadFileBytes(path, kLargestRecoveryCopy + 1, &bytes) &&
                     ParseRecoveryHead(bytes.data(), bytes.size(), &head) != 0;
  facts.pictureNotWhole =
      !facts.headParses ||
      !IsWholeCanvasPictureFile(bytes.data() + head.pictureOffset, bytes.size() - head.pictureOffset);
  facts.plainPath =
      facts.headParses && PictureReadPath(head.box.c_str(), head.name.c_str(), picture, sizeof(picture)) != 0;
  if (facts.plainPath) {
    facts.copyDated = WriteTimeOf(path, &facts.copyTime);
    facts.pictureWritten = WriteTimeOf(picture, &facts.pictureTime);
  }
  switch (DecideRecovery(facts)) {
    case RecoveryAction::kDelete: DropRecoveryCopy(); return;
    case RecoveryAction::kSetAside: SetRecoveryCopyAside(path); return;
    case RecoveryAction::kOpen: break;
  }
  CanvasImage& canvas = Session().canvas;
  if (OpenPictureBytes(&canvas, bytes.data() + head.pictureOffset, bytes.size() - head.pictureOffset) !=
      kPictureOpened) {
    // No memory for it: the copy goes aside like a damaged one, and the start picture comes back.
    SetRecoveryCopyAside(path);
    char start[kLibraryMaxPath];
    CurrentPicturePath(start, sizeof(start));
    OpenCanvasPicture(window, start[0] ? start : nullptr);
    return;
  }
  SetCurrentPicture(head.box.c_str(), head.name.c_str());  // the same names keep the left-alone note
  MarkPictureChanged(&canvas);  // the next save stores it
  RefreshCanvasBitmap(window);
  NoteRecoveryHeld(&keeping, CanvasSumNow());
}

void RecoveryTick(HWND window) {
  if (!Modified()) return;
  const uint64_t sum = CanvasSumNow();
  if (!RecoveryCopyDue(keeping, sum)) return;
  char path[MAX_PATH];
  RecoveryPath(path, sizeof(path));
  const Block& image = Session().canvas.canvasImage;
  if (path[0] && WriteRecoveryFile(CurrentPictureSeam(), path, keeping.workingBox, keeping.pictureName, image.Data(),
                                  image.size))
    NoteRecoveryHeld(&keeping, sum);
}
