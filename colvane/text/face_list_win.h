// The typewriter's face list: a LISTBOX child of the main window with the installed TrueType
// faces, opened from the face-name field; one click on a face takes it.
#pragma once
#include <windows.h>

// Opens the list beside the face-name field (window coordinates of the field).
void OpenFaceList(HWND window, const RECT& field);
bool FaceListOpen();
// Destroys the list, if open (the text then renders again with the face it shows).
void CloseFaceList();
