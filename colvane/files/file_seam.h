// The file seam of the picture writers: every byte they write passes through this table, so
// tests can swap in files that fail on the Nth write or flush.
#pragma once
#include <cstdint>

// Why a write did not land, in words a parent can act on.
enum class WriteFailure {
  kNone = 0,
  kNoRoom,        // the disk is full
  kNoPermission,  // the folder or the file may not be written (read-only, say)
  kInUse,         // another program holds the file
  kNotAFolder,    // a file stands where a folder of the path should be, or a folder where the file should
  kOther,
};

// The failure a Windows error code stands for; `blockedByFile` says a part of the path that must
// be a folder is a file (or the file to write is a folder). Error codes are Win32's numbers.
WriteFailure WriteFailureOfError(uint32_t error, bool blockedByFile);

struct PictureSeamFile;  // owned by the seam that created it; freed by its close

struct PictureSeam {
  PictureSeamFile* (*create)(const char* path);  // creates or truncates; null on failure
  int (*write)(PictureSeamFile* f, const void* bytes, uint32_t size);  // 0, or -1 on any short write
  int (*flush)(PictureSeamFile* f);  // 0 once the bytes are on the disk, or -1
  void (*close)(PictureSeamFile* f);
  // Replaces `to` by `from` in one step (the old `to` stays whole when this fails): 0 or -1.
  int (*replace)(const char* from, const char* to);
  int (*remove)(const char* path);  // 0 or -1 (a missing file is -1)
  // Why the last create, write, flush or replace failed; null: the seam can't tell (kOther).
  WriteFailure (*failure)();
};

// The platform's files (Windows: CreateFileA, FlushFileBuffers, MoveFileExA write-through).
const PictureSeam* PlatformPictureSeam();
// The seam later saves use; null restores the platform's.
void UsePictureSeam(const PictureSeam* seam);
const PictureSeam* CurrentPictureSeam();
