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
  if (CheckEntryName(keeping->pictureName) != NameProblem::kNone) TakeNextPictureName(keeping, exists, context);
}

void NameNewPicture(PictureKeeping* keeping, PictureExists exists, void* context) {
  if (keeping->fileBoxBoxChosen) CopyName(keeping->workingBox, sizeof(keeping->workingBox), keeping->fileBoxBox);
  TakeNextPictureName(keeping, exists, context);
}

void NoteOpenedPicture(PictureKeeping* keeping, bool existsUnreadable) { keeping->leaveAlone = existsUnreadable; }

bool NameBeforeWriting(PictureKeeping* keeping, PictureExists exists, void* context) {
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
