// Throwing a picture into its box's bin on disk.
#pragma once
#include <windows.h>

// Moves the picture and its cartoon file into the bin of the box that holds it, dropping for
// good the oldest beyond the bin's limit. False, with nothing moved, when it can't be done.
bool ThrowIntoBin(const char* picturePath);
