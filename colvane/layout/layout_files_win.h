// The layout file (program folder, read-only) and the settings file (Windows system folder),
// both named "Colvane.ini".
#pragma once
#include <windows.h>

// Full paths; buffers of MAX_PATH bytes.
void LayoutFilePath(char* path);
void SettingsFilePath(char* path);
// The user's own settings file, <application data>\Colvane\Colvane.ini, read before the
// machine's key by key and written when the machine's can't be (empty when there is no such
// folder).
void UserSettingsFilePath(char* path);
// Its folder, <application data>\Colvane (empty when there is none).
void UserSettingsFolder(char* folder);
// The program folder without a trailing backslash; buffer of MAX_PATH bytes.
void ProgramFolder(char* folder);

UINT GetLayoutInt(const char* section, const char* key, int defaultValue);
DWORD GetLayoutString(const char* section, const char* key, const char* defaultValue, char* buffer,
                      DWORD size);
// Every position the program reads from the layout file comes through these two: a value that
// is missing, malformed, or has a number that cannot lie on this screen (LayoutReach) gives the
// key's defaults and 0, so sums of layout values and screen origins always stay in range.
int GetLayoutPoint(const char* section, const char* key, int defaultX, int defaultY, POINT* point);
int GetLayoutRect(const char* section, const char* key, int left, int top, int right, int bottom,
                  RECT* rect);

// The settings: the user's file over the machine's (see UserSettingsFilePath).
UINT GetSettingInt(const char* section, const char* key, int defaultValue);
DWORD GetSettingString(const char* section, const char* key, const char* defaultValue, char* buffer,
                       DWORD size);
BOOL SetSettingString(const char* section, const char* key, const char* value);
// [FILE] PATH of the settings file; the program folder when the key is absent or names no
// folder. Buffer of 144 bytes.
DWORD GetAssetFolder(char* buffer);
// Whether [FILE] PATH names something that is not a folder (the program folder is used then);
// `named` (144 bytes) receives the value.
bool AssetFolderSettingIsWrong(char* named);

// The layout variant of this screen, set once at start-up.
void SetLayoutVariant(bool wide);
// The section of the current screen variant: "800" or "640".
const char* VariantSection();
// The variant digit appended to keys: "8" or "6".
const char* VariantDigit();
