// Where the picture library lives. The asset folder's CUST comes first, so an existing install
// keeps working. When CUST can't be written (Program Files under a standard account), the
// child's boxes live in the user's own library, <Documents>\Colvane Pictures, laid over CUST box
// by box: the boxes and pictures of both are listed, a picture in both is read from the user's,
// and every save, new box and recovery copy goes to the user's side. The SAMPLE box and the
// content stay in the asset folder.
#pragma once
#include <windows.h>

#include "colvane/files/library_paths.h"

struct PictureLibraries {
  int count = 0;
  char folder[2][kLibraryMaxPath] = {};  // the one that is written first
};
// The library folders of this run, the writable one first (the asset folder's alone when it
// can be written).
PictureLibraries Libraries();

// The file a picture is read from: the first library holding it, else the writable library's
// path. 0 for names that aren't plain entries or don't fit.
int PictureReadPath(const char* box, const char* name, char* out, int size);
// The file a save writes.
int PictureWritePath(const char* box, const char* name, char* out, int size);
// Whether either library holds a picture of that name in the box (or the name can't be used).
bool PictureNameTaken(const char* box, const char* name);
// Makes the writable library and the box's folder in it.
void MakeWritableBox(const char* box);
// Whether pictures can be kept in the box: its writable folder leaves room for their names.
bool BoxCanHoldPictures(const char* box);
// The folder of the recovery copy: the asset folder, or the user's settings folder when the
// library is the user's (MAX_PATH bytes; made when missing).
void RecoveryFolder(char* folder);
