// Keeping the picture: the working box and the current picture name, the save procedure run
// whenever the child leaves a picture, new pictures, and the recovery copy that keeps what was
// painted through a crash.
#pragma once
#include <windows.h>

#include "colvane/canvas/canvas_image.h"

// Reads the working box and the current picture name from the settings file.
void LoadPictureNames();
const char* WorkingBox();
const char* CurrentPictureName();
// Full path of the current picture inside the picture library; empty when the names do not make
// a plain entry of it (settings edited to point elsewhere).
void CurrentPicturePath(char* path, int size);
// The picture on the canvas now belongs to `box` under `name` (each cut to its field).
void SetCurrentPicture(const char* box, const char* name);
// The box chosen in the file box: a new picture goes there.
void SetFileBoxBox(const char* box);

// The save procedure: stores the box and the name in the settings file, and when the picture was
// changed writes it (atomically: a failed write keeps the old file and the modified flag, and
// tells the child once) and the cartoons placed on it; then the recovery copy is no longer
// needed. 1 when the picture file was written.
int SavePicture(HWND window);
// The save on the way out: true when the program may close, that is when nothing painted is left
// unkept or the parent, asked, chose to leave anyway. No keeps the painting on the paper and its
// recovery copy.
bool SaveBeforeLeaving(HWND window);
// Log-off, restart or shutdown: the picture and its cartoons are kept without a question or a
// message (the caller keeps boxes away); what can't be kept is left in the recovery copy, up to
// date, for the next start.
void SaveAtEndOfSession(HWND window);
// A new picture: save, the first free "Sample%d.sam" of the working box, no cartoons, a blank
// page.
void NewPicture(HWND window);
// The picture file at `path` was just thrown away. When it is the picture on the paper, the
// paper turns to a blank new picture under the next free name of the box, with no cartoons and
// no recovery copy: nothing left of the old one can bring it back at the next save.
void ForgetThrownAwayPicture(HWND window, const char* path);
// A sample picture from the library is about to replace the canvas: the picture there is saved
// with its cartoons, and what comes next is a new picture under the next free name. A sample
// not painted on since it was opened is simply replaced, so browsing the samples does not fill
// the box with untouched copies of them.
void KeepPictureBeforeSample(HWND window);
// The sample just opened, as it is now: replaced by the next sample unless painted on.
void NoteFreshSample(HWND window);
// The cartoons kept beside the current picture replace the running ones.
void ReadCartoonsOfCurrentPicture(HWND window);

// A picture was just opened onto the canvas under the current names. One whose file exists but
// could not be read (locked by another program, damaged) is never written over: what is painted
// on it is saved as a new picture of the box.
void NotePictureOpened(PictureOpenResult result);
// Whether the picture on the canvas is such a picture.
bool CurrentPictureLeftAlone();
// Tells the parent, once, that the current picture could not be read, was left alone, and what
// the painting will be kept as.
void TellPictureLeftAlone(HWND window);

// Start-up, after the canvas opened the start picture: a recovery copy newer than its picture
// is opened in its place and counts as modified; one that can't be read whole (cut, damaged,
// not a copy) never is, and is set aside as RECOVER.BAD. Starts the recovery timer.
void RecoverAtStartUp(HWND window);
// The recovery timer: a changed picture is copied aside (at most 2 seconds after the change).
void RecoveryTick(HWND window);
// A clean exit: the recovery copy goes.
void DropRecoveryCopy();
// Where the recovery copy lives: <asset folder>\RECOVER.DAT, or the next free name when a
// folder stands in the way.
void RecoveryPath(char* path, int size);
