// Names and paths of the picture library: <asset folder>\CUST\<box>\<picture>. Pure.
// Box and picture names come from the settings file, which a user can edit, and from the
// child's typing: a name is only ever one plain folder entry, so nothing built here can reach
// outside the library.
#pragma once

constexpr int kLibraryMaxPath = 260;  // MAX_PATH, terminator included
constexpr int kPictureNameSize = 80;  // current picture name, terminator included

// A name that is one harmless entry of a folder: not empty, no \ / : * ? " < > | and no control
// characters, not "." or "..", no leading or trailing space or dot, not a device name.
enum class NameProblem {
  kNone = 0,
  kEmpty,
  kForbiddenCharacter,
  kDots,
  kEdgeSpaceOrDot,
  kDeviceName,
  kTooLong,  // the path it would make reaches MAX_PATH
};
NameProblem CheckEntryName(const char* name);
// The check of a new box typed by the child, including the length of the folder path it makes
// under `libraryFolder` (<asset folder>\CUST).
NameProblem CheckNewBoxName(const char* libraryFolder, const char* name);
// A kind sentence for the child about what is wrong with a typed box name.
const char* NameProblemMessage(NameProblem problem);

// <asset folder>\CUST (no trailing backslash). 0 when it doesn't fit.
int LibraryFolderPath(const char* assetFolder, char* out, int size);
// <library>\<box> below a library folder (<asset folder>\CUST, or the user's own library); an
// empty box name is the library folder itself. 0 for a box name that isn't a plain entry, or a
// path that doesn't fit.
int BoxInLibraryPath(const char* library, const char* box, char* out, int size);
// <library>\<box>\<name>. 0 (out empty) for a box or picture name that isn't a plain entry, an
// empty picture name, or a path of MAX_PATH or more.
int PictureInLibraryPath(const char* library, const char* box, const char* name, char* out, int size);
// The cartoon file beside a picture: the path with its last three characters replaced by "CAT".
int CartoonPathFor(const char* picturePath, char* out, int size);

// The longest picture name the program gives (NextPictureName) and the suffix of the temporary
// file every save writes first; the cartoon file beside a picture is as long as the picture.
constexpr char kLongestPictureName[] = "Sample99999.sam";
constexpr char kTemporarySuffix[] = ".part";
// Whether what is painted in `box` of the library can be kept: its folder path leaves room for
// the longest picture name and the temporary file of a save. False for a name that isn't a
// plain entry.
bool LibraryBoxHoldsPictures(const char* library, const char* box);

// A box whose folder path ends in "SAMPLE" (any case): its pictures are never deleted.
bool IsSampleBox(const char* boxPath);

// A name the file box lists as a picture: a plain entry ending in ".sam" (any case) after at
// least one character of its own.
bool IsListedPictureName(const char* name);

// The first free "Sample%d.sam" (n = 1, 2, ...) for which `exists` says no. 0 when none of the
// first 99999 is free.
int NextPictureName(bool (*exists)(const char* name, void* context), void* context, char* out, int size);

// What Export writes: the picture file's own bytes, or the picture encoded as PNG.
enum class ExportFormat { kBitmap, kPng };
// The save dialog's filters, in the order shown; nFilterIndex counts them from 1.
constexpr char kExportFilters[] = "Bitmap (*.bmp)\0*.bmp\0PNG picture (*.png)\0*.png\0";
constexpr int kExportPngFilter = 2;
// The format for the path chosen and the filter the dialog ended on: a name ending in exactly
// ".png" is a PNG and one ending in exactly ".bmp" a bitmap, whatever the filter; any other name
// takes the filter's.
ExportFormat ExportFormatFor(const char* chosen, int filterIndex);
// The file Export writes for the path chosen in the save dialog: the path itself when it ends in
// exactly the format's extension (".bmp" or ".png", lower case), else the path + that extension
// (so "picture.BMP" gives "picture.BMP.bmp"). 0 when that doesn't fit `size`.
int ExportTargetPath(const char* chosen, char* out, int size, ExportFormat format = ExportFormat::kBitmap);
