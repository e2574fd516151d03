// Throwing a picture into its box's bin on disk.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Moves the picture and its cartoon file into the bin of the box that holds it, dropping for
// good the oldest beyond the bin's limit. False, with nothing moved, when it can't be done.
bool ThrowIntoBin(const char* picturePath);

// The pictures in the bin of a box folder, newest first, as full paths.
std::vector<std::string> BinPicturePaths(const char* boxFolder);
// Moves a picture of a bin (and its cartoons) back into the box the bin belongs to, under its
// own name, or the box's next free picture name when `taken` says that one is used. False, with
// nothing moved, when it can't be done.
bool GiveBackFromBin(const char* entryPath, bool (*taken)(const char* name, void* context), void* context);
