// The rules that decide whether a picture survives, apart from the files they are about.
#include "colvane/files/picture_keeping.h"

#include <cstring>

namespace {

// Cut to the field; memmove because callers may hand back a name of the record itself.
void CopyName(char* to, size_t size, const char* from) {
  if (!from) from = "";
  size_t n = 0;
  while (n + 1 < size && from[n]) ++n;
  std::memmove(to, from, n);
  to[n] = '\0';
}

}  // namespace

// FNV-1a over 64-bit words. A tail shorter than a word is not summed: the canvas is always a
// whole number of words (640 x 480 x 3 bytes), and the recovery copy only needs to notice a stroke.
uint64_t CanvasSum(const uint8_t* data, size_t size) {
  uint64_t sum = 1469598103934665603ull;
  for (size_t i = 0; i + 8 <= size; i += 8) {
    uint64_t word;
    std::memcpy(&word, data + i, 8);
    sum = (sum ^ word) * 1099511628211ull;
  }
  return sum;
}

void SetPictureNames(PictureKeeping* keeping, const char* box, const char* name) {
  // The note belongs to the picture it was made for; the same names again keep it.
  if (std::strcmp(keeping->workingBox, box ? box : "") != 0 || std::strcmp(keeping->pictureName, name ? name : "") != 0)
    keeping->leaveAlone = false;
  CopyName(keeping->workingBox, sizeof(keeping->workingBox), box);
  CopyName(keeping->pictureName, sizeof(keeping->pictureName), name);
}

void ChooseFileBoxBox(PictureKeeping* keeping, const char* box) {
  CopyName(keeping->fileBoxBox, sizeof(keeping->fileBoxBox), box);
  keeping->fileBoxBoxChosen = true;
}

namespace {

// The next free name of the working box; the name (and what is noted about it) stays when none
// is free.
bool TakeNextPictureName(PictureKeeping* keeping, PictureExists exists, void* context) {
  char name[kPictureNameSize];
  if (!NextPictureName(exists, context, name, sizeof(name))) return false;
  CopyName(keeping->pictureName, sizeof(keeping->pictureName), name);
  keeping->leaveAlone = false;
  return true;
}

}  // namespace

void EnsurePictureNames(PictureKeeping* keeping, PictureExists exists, void* context) {
  if (CheckEntryName(keeping->workingBox) != NameProblem::kNone)
    CopyName(keeping->workingBox, sizeof(keeping->workingBox), kFirstBox);
  // A name the file box would not list ("win.ini" from edited settings) would hide the picture.
  if (!IsListedPictureName(keeping->pictureName)) TakeNextPictureName(keeping, exists, context);
}

bool LeaveUnusableBox(PictureKeeping* keeping, const char* library, PictureExists exists, void* context) {
  if (LibraryBoxHoldsPictures(library, keeping->workingBox) || !LibraryBoxHoldsPictures(library, kFirstBox)) return false;
  CopyName(keeping->workingBox, sizeof(keeping->workingBox), kFirstBox);
  TakeNextPictureName(keeping, exists, context);  // its name may be taken in the first box
  return true;
}

void NameNewPicture(PictureKeeping* keeping, PictureExists exists, void* context) {
  if (keeping->fileBoxBoxChosen) CopyName(keeping->workingBox, sizeof(keeping->workingBox), keeping->fileBoxBox);
  TakeNextPictureName(keeping, exists, context);
}

void NoteOpenedPicture(PictureKeeping* keeping, bool existsUnreadable) { keeping->leaveAlone = existsUnreadable; }

bool NameBeforeWriting(PictureKeeping* keeping, PictureExists exists, void* context) {
  // The samples never change: what is painted on one becomes a picture of the child's first box.
  if (IsSampleBox(keeping->workingBox)) {
    CopyName(keeping->workingBox, sizeof(keeping->workingBox), kFirstBox);
    return TakeNextPictureName(keeping, exists, context);
  }
  return !keeping->leaveAlone || TakeNextPictureName(keeping, exists, context);
}

void RememberFreshSample(PictureKeeping* keeping, uint64_t canvasSum) {
  keeping->freshSample.held = true;
  keeping->freshSample.sum = canvasSum;
  CopyName(keeping->freshSample.name, sizeof(keeping->freshSample.name), keeping->pictureName);
  CopyName(keeping->freshSample.box, sizeof(keeping->freshSample.box), keeping->workingBox);
}

bool TakeUntouchedSample(PictureKeeping* keeping, uint64_t canvasSum, int cartoonCount) {
  const auto& fresh = keeping->freshSample;
  const bool untouched = fresh.held && std::strcmp(fresh.name, keeping->pictureName) == 0 &&
                         std::strcmp(fresh.box, keeping->workingBox) == 0 && fresh.sum == canvasSum &&
                         cartoonCount == 0;
  keeping->freshSample.held = false;
  return untouched;
}

bool TellSaveFailure(PictureKeeping* keeping) {
  if (keeping->failureShown) return false;
  keeping->failureShown = true;
  return true;
}

void NoteSaveWritten(PictureKeeping* keeping) { keeping->failureShown = false; }

namespace {

// The folder of a path: everything before its last backslash.
std::string FolderOf(const char* path) {
  const std::string p = path ? path : "";
  const size_t slash = p.find_last_of("\\/");
  return slash == std::string::npos ? p : p.substr(0, slash);
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// What went wrong and what a grown-up can do about it, in one or two sentences.
std::string Cause(WriteFailure why, const char* picturePath) {
  const std::string folder = FolderOf(picturePath);
  const std::string where = folder.empty() ? std::string("its folder") : "the folder " + Quoted(folder);
  switch (why) {
    case WriteFailure::kNoRoom:
      return "The disk is full. Please ask a grown-up to make some room on it.";
    case WriteFailure::kNoPermission:
      return "Colvane is not allowed to write in " + where +
             " (it may be read-only). Please ask a grown-up to let Colvane write there.";
    case WriteFailure::kInUse:
      return "Another program is using the picture file" + (picturePath && picturePath[0] ? " " + Quoted(picturePath) : "") +
             ". Please ask a grown-up to close that program.";
    case WriteFailure::kNotAFolder:
      return "A file stands where Colvane's picture folder " + (folder.empty() ? std::string() : Quoted(folder) + " ") +
             "(or a folder above it) should be. Please ask a grown-up to move or rename that file.";
    case WriteFailure::kNone:
    case WriteFailure::kOther:
      break;
  }
  return "Windows would not let Colvane write the picture into " + where +
         ". Please ask a grown-up to check that folder and the disk.";
}

}  // namespace

std::string SaveFailureMessage(WriteFailure why, const char* picturePath) {
  const std::string lead = "Your picture could not be kept just now. It is still here on the paper";
  // The words families already know for a full disk stay as they were.
  if (why == WriteFailure::kNoRoom) return lead + ":\nplease ask a grown-up to check that the disk has room.";
  return lead + ".\n\n" + Cause(why, picturePath) + " Colvane tries again each time the picture is left.";
}

std::string LeaveUnkeptQuestion(WriteFailure why, const char* picturePath) {
  return "Your painting could not be kept, so it will be lost if Colvane closes now.\n\n" +
         Cause(why, picturePath) + "\n\nLeave anyway? Choose No to stay with the painting.";
}

bool RecoveryCopyIsNewer(const RecoveryFacts& facts) {
  return facts.copyDated && (!facts.pictureWritten || facts.copyTime > facts.pictureTime);
}

bool RecoveryCopyWins(const RecoveryFacts& facts) {
  return facts.headParses && facts.plainPath && !facts.pictureNotWhole && RecoveryCopyIsNewer(facts);
}

RecoveryAction DecideRecovery(const RecoveryFacts& facts) {
  if (RecoveryCopyWins(facts)) return RecoveryAction::kOpen;
  const bool readsWhole = facts.headParses && facts.plainPath && !facts.pictureNotWhole;
  return readsWhole ? RecoveryAction::kDelete : RecoveryAction::kSetAside;
}

const char* RecoveryFileName(bool (*isFolder)(const char* name, void* context), void* context) {
  static const char* const kNames[] = {"RECOVER.DAT", "RECOVER1.DAT", "RECOVER2.DAT", "RECOVER3.DAT"};
  for (const char* name : kNames)
    if (!isFolder(name, context)) return name;
  return nullptr;
}

void NoteRecoveryHeld(PictureKeeping* keeping, uint64_t canvasSum) {
  keeping->recovery.held = true;
  keeping->recovery.sum = canvasSum;
}

void NoteRecoveryDropped(PictureKeeping* keeping) { keeping->recovery.held = false; }

bool RecoveryCopyDue(const PictureKeeping& keeping, uint64_t canvasSum) {
  return !(keeping.recovery.held && keeping.recovery.sum == canvasSum);
}
