// The rules that decide whether a picture survives: the names a save uses, the untouched sample
// a new sample may replace, whether a recovery copy wins at start-up, telling the child once
// about a failed save, and when the recovery copy is rewritten. Pure: the caller brings the facts
// (files on disk, times, the canvas checksum) and acts on the answers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "colvane/files/file_seam.h"
#include "colvane/files/library_paths.h"

constexpr int kBoxNameSize = 256;  // a box name, terminator included

// The box a picture goes to when none was ever chosen (a fresh install).
constexpr char kFirstBox[] = "MY PICTURES";

// Whether a picture called `name` exists in the working box (also true for a name that can't be
// used there). The caller reads the box from the record it passed as `context`.
using PictureExists = bool (*)(const char* name, void* context);

// Everything the program remembers about keeping the picture on the canvas.
struct PictureKeeping {
  char workingBox[kBoxNameSize] = {};
  char pictureName[kPictureNameSize] = {};
  char fileBoxBox[kBoxNameSize] = {};  // the box last chosen in the file box
  bool fileBoxBoxChosen = false;
  // The sample picture opened last, as it was before anything was painted on it.
  struct {
    bool held = false;
    uint64_t sum = 0;
    char name[kPictureNameSize] = {};
    char box[kBoxNameSize] = {};
  } freshSample;
  // The picture the recovery copy on disk holds.
  struct {
    bool held = false;
    uint64_t sum = 0;
  } recovery;
  bool failureShown = false;  // the child hears about a failed save once, not at every save
  // The picture named came from a file that exists but could not be read (locked by another
  // program, or damaged): it is never written over, so what is painted goes to a new picture.
  bool leaveAlone = false;
};

// A quick fingerprint of the canvas pixels, over whole 8-byte words.
uint64_t CanvasSum(const uint8_t* data, size_t size);

// Names.
// The picture on the canvas belongs to `box` under `name` (each cut to its field; null is empty).
void SetPictureNames(PictureKeeping* keeping, const char* box, const char* name);
// The box chosen in the file box: a new picture goes there.
void ChooseFileBoxBox(PictureKeeping* keeping, const char* box);
// A picture always has a plain box (the first box otherwise) and a picture name the file box
// lists (the next free one of the box otherwise), so what is painted can be kept and found.
void EnsurePictureNames(PictureKeeping* keeping, PictureExists exists, void* context);
// A working box whose folder can't hold pictures (its path is too long) gives way to the first
// box, under the next free name there, so the painting is kept somewhere. True when the box
// changed; nothing changes when the first box can't hold pictures either.
bool LeaveUnusableBox(PictureKeeping* keeping, const char* library, PictureExists exists, void* context);
// A new picture: into the file-box box when one was chosen, under the next free name of the box
// (the name stays when none is free).
void NameNewPicture(PictureKeeping* keeping, PictureExists exists, void* context);

// Pictures that exist but could not be read.
// A picture was opened onto the canvas under the names now held: whether its file exists but
// could not be read, so that it must not be written over.
void NoteOpenedPicture(PictureKeeping* keeping, bool existsUnreadable);
// Before a changed picture is written: a picture left alone gives its painting the next free
// name of the box first, and a picture of the SAMPLE box the next free name of the first box
// (samples never change). False when no name is free, and then nothing may be written.
bool NameBeforeWriting(PictureKeeping* keeping, PictureExists exists, void* context);

// Samples.
// The sample just opened, with the canvas as it is now.
void RememberFreshSample(PictureKeeping* keeping, uint64_t canvasSum);
// Whether the picture is still the noted sample untouched: same name, same box, same canvas, no
// cartoons on it. The note is used up either way.
bool TakeUntouchedSample(PictureKeeping* keeping, uint64_t canvasSum, int cartoonCount);

// Failed saves.
// Whether to tell the child about this failed save: only the first of a run of failures.
bool TellSaveFailure(PictureKeeping* keeping);
// A save landed: the next failure is told again.
void NoteSaveWritten(PictureKeeping* keeping);
// What a parent reads about a save that failed for `why` while writing `picturePath` (may be
// empty): what happened and what to do.
std::string SaveFailureMessage(WriteFailure why, const char* picturePath);
// The question before leaving with a painting that could not be kept: Yes leaves.
std::string LeaveUnkeptQuestion(WriteFailure why, const char* picturePath);

// Recovery.
// What start-up knows of a recovery copy and of the picture it belongs to. Times are file write
// times as unsigned 64-bit counts.
struct RecoveryFacts {
  bool headParses = false;      // the copy starts with a recovery head
  bool plainPath = false;       // its box and name make a plain picture path in the library
  bool copyDated = false;       // the copy's write time could be read
  uint64_t copyTime = 0;
  bool pictureWritten = false;  // the picture exists on disk (its time could be read)
  uint64_t pictureTime = 0;
  bool pictureNotWhole = false;  // what follows the head is not exactly a picture the writer makes
};
// The copy is newer than its picture, or the picture was never written.
bool RecoveryCopyIsNewer(const RecoveryFacts& facts);
// The copy is opened in place of the start picture.
bool RecoveryCopyWins(const RecoveryFacts& facts);
// What start-up does with a recovery copy. One that can be read whole but is older than its
// picture is no longer needed; one that can't be read whole never replaces anything and is
// set aside, where a grown-up may still look at it.
enum class RecoveryAction { kOpen, kDelete, kSetAside };
RecoveryAction DecideRecovery(const RecoveryFacts& facts);
// The copy is kept in the asset folder under the first of these names that isn't a folder (a
// folder in the way would stop every copy); null when all are folders. A damaged copy is set
// aside as kSetAsideRecoveryName.
const char* RecoveryFileName(bool (*isFolder)(const char* name, void* context), void* context);
constexpr char kSetAsideRecoveryName[] = "RECOVER.BAD";
// The recovery copy on disk now holds the canvas of checksum `canvasSum`.
void NoteRecoveryHeld(PictureKeeping* keeping, uint64_t canvasSum);
// The recovery copy is gone.
void NoteRecoveryDropped(PictureKeeping* keeping);
// Whether the recovery tick writes the copy of a modified picture: only when its pixels changed
// since the copy was written.
bool RecoveryCopyDue(const PictureKeeping& keeping, uint64_t canvasSum);
