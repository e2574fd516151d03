// Names and paths of the library: new picture names, every refused box name, and paths built
// from settings a user may have edited.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "colvane/files/library_paths.h"

namespace {

bool InSet(const char* name, void* context) {
  return static_cast<std::set<std::string>*>(context)->count(name) > 0;
}

// The library of an asset folder, <asset>\CUST ("" when it doesn't fit).
std::string Library(const char* asset) {
  char library[kLibraryMaxPath];
  return LibraryFolderPath(asset, library, sizeof(library)) ? library : "";
}

std::string Path(const char* asset, const char* box, const char* name) {
  char out[kLibraryMaxPath];
  return PictureInLibraryPath(Library(asset).c_str(), box, name, out, sizeof(out)) ? out : std::string("(refused)");
}

bool BoxHoldsPictures(const char* asset, const char* box) { return LibraryBoxHoldsPictures(Library(asset).c_str(), box); }

}  // namespace

TEST(PictureNames, FirstFreeSampleNumber) {
  std::set<std::string> box;
  char name[kPictureNameSize];
  ASSERT_EQ(NextPictureName(InSet, &box, name, sizeof(name)), 1);
  EXPECT_STREQ(name, "Sample1.sam");
  box = {"Sample1.sam", "Sample3.sam"};
  ASSERT_EQ(NextPictureName(InSet, &box, name, sizeof(name)), 1);
  EXPECT_STREQ(name, "Sample2.sam");
  box = {"Sample1.sam", "Sample2.sam", "Sample3.sam", "Other.sam"};
  ASSERT_EQ(NextPictureName(InSet, &box, name, sizeof(name)), 1);
  EXPECT_STREQ(name, "Sample4.sam");
  EXPECT_EQ(NextPictureName([](const char*, void*) { return true; }, nullptr, name, sizeof(name)), 0);
}

TEST(BoxNames, EveryKindOfRefusal) {
  struct Case {
    const char* name;
    NameProblem problem;
  } cases[] = {
      {"", NameProblem::kEmpty},
      {"a\\b", NameProblem::kForbiddenCharacter}, {"a/b", NameProblem::kForbiddenCharacter},
      {"c:x", NameProblem::kForbiddenCharacter}, {"st*r", NameProblem::kForbiddenCharacter},
      {"what?", NameProblem::kForbiddenCharacter}, {"\"q\"", NameProblem::kForbiddenCharacter},
      {"<b", NameProblem::kForbiddenCharacter}, {"b>", NameProblem::kForbiddenCharacter},
      {"a|b", NameProblem::kForbiddenCharacter}, {"tab\there", NameProblem::kForbiddenCharacter},
      {".", NameProblem::kDots}, {"..", NameProblem::kDots},
      {" lead", NameProblem::kEdgeSpaceOrDot}, {"trail ", NameProblem::kEdgeSpaceOrDot},
      {".hidden", NameProblem::kEdgeSpaceOrDot}, {"end.", NameProblem::kEdgeSpaceOrDot},
      {"CON", NameProblem::kDeviceName}, {"con", NameProblem::kDeviceName}, {"Prn", NameProblem::kDeviceName},
      {"AUX", NameProblem::kDeviceName}, {"nul.txt", NameProblem::kDeviceName},
      {"COM1", NameProblem::kDeviceName}, {"com9", NameProblem::kDeviceName}, {"LPT1", NameProblem::kDeviceName},
      {"lpt9.box", NameProblem::kDeviceName},
      {"My Pictures", NameProblem::kNone}, {"COM0", NameProblem::kNone}, {"COM10", NameProblem::kNone},
      {"CONSOLE", NameProblem::kNone}, {"Anna's box", NameProblem::kNone}, {"v1.2", NameProblem::kNone},
      {"\x82\xa0\x82\xa2", NameProblem::kNone},  // double-byte characters
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckNewBoxName("C:\\Program Files\\Colvane\\CUST", c.name), c.problem) << "'" << c.name << "'";
    if (c.problem != NameProblem::kNone) {
      EXPECT_STRNE(NameProblemMessage(c.problem), "");
    }
  }
  // A name whose folder, with a picture in it and the temporary file of its save, would reach MAX_PATH.
  const std::string library = "C:\\Program Files\\Colvane\\CUST";
  const std::string fits(kLibraryMaxPath - library.size() - 1 - 21 - 1, 'b');
  EXPECT_EQ(CheckNewBoxName(library.c_str(), fits.c_str()), NameProblem::kNone);
  EXPECT_EQ(CheckNewBoxName(library.c_str(), (fits + "b").c_str()), NameProblem::kTooLong);
}

TEST(LibraryPaths, ABoxIsOfferedOnlyWhenTheLongestSaveFitsInIt) {
  // "C:\Colvane\CUST\" is 16 characters; a save writes "\Sample99999.sam.part" (21) below MAX_PATH.
  const size_t room = kLibraryMaxPath - 1 - 16 - 21;
  struct Case {
    const char* asset;
    std::string box;
    bool holds;
  };
  const Case cases[] = {
      {"C:\\Colvane", "MY PICTURES", true},
      {"C:\\Colvane\\", std::string(room, 'b'), true},
      {"C:\\Colvane", std::string(room, 'b'), true},
      {"C:\\Colvane", std::string(room + 1, 'b'), false},  // listed, but no picture could be kept
      {"C:\\Colvane", std::string(230, 'b'), false},
      {"C:\\Colvane", std::string(300, 'b'), false},      // not even the folder fits
      {"C:\\Colvane", "", false},
      {"C:\\Colvane", "..", false},
      {"C:\\Colvane", "A\\B", false},
  };
  for (const Case& c : cases) EXPECT_EQ(BoxHoldsPictures(c.asset, c.box.c_str()), c.holds) << c.box.size();
  // A box the child may type is always one that holds pictures.
  const std::string library = "C:\\Colvane\\CUST";
  for (size_t n : {room - 1, room, room + 1})
    EXPECT_EQ(CheckNewBoxName(library.c_str(), std::string(n, 'b').c_str()) == NameProblem::kNone,
              BoxHoldsPictures("C:\\Colvane", std::string(n, 'b').c_str()))
        << n;
}

TEST(LibraryPaths, PlainNames) {
  EXPECT_EQ(Path("C:\\Colvane", "MY BOX", "Sample1.sam"), "C:\\Colvane\\CUST\\MY BOX\\Sample1.sam");
  EXPECT_EQ(Path("C:\\Colvane\\", "A", "b.sam"), "C:\\Colvane\\CUST\\A\\b.sam");
  EXPECT_EQ(Path("C:\\Colvane", "", "b.sam"), "C:\\Colvane\\CUST\\b.sam");  // no box yet
  char cat[kLibraryMaxPath];
  ASSERT_EQ(CartoonPathFor("C:\\x\\Sample3.sam", cat, sizeof(cat)), 1);
  EXPECT_STREQ(cat, "C:\\x\\Sample3.CAT");
}

// "WORKINDIR" and "sample" come from a file anyone can edit: no value may lead a save or a
// delete outside the library, and an empty picture name saves nothing.
TEST(LibraryPaths, HostileSettingsReachNothing) {
  const char* boxes[] = {"..", "..\\..\\Windows", "a\\..\\..", "C:\\Windows", "/etc", "box/../..", "CON"};
  for (const char* box : boxes) EXPECT_EQ(Path("C:\\Colvane", box, "x.sam"), "(refused)") << box;
  const char* names[] = {"", "..", "..\\win.ini", "\\x.sam", "C:x.sam", "sub\\x.sam", "NUL.sam"};
  for (const char* name : names) EXPECT_EQ(Path("C:\\Colvane", "BOX", name), "(refused)") << name;
  const std::string longName(250, 'n');
  EXPECT_EQ(Path("C:\\Colvane", "BOX", longName.c_str()), "(refused)");
  char folder[kLibraryMaxPath];
  EXPECT_EQ(BoxInLibraryPath(Library("C:\\Colvane").c_str(), "..", folder, sizeof(folder)), 0);
  EXPECT_STREQ(folder, "");
}

TEST(LibraryPaths, SampleBoxesAnyCase) {
  EXPECT_TRUE(IsSampleBox("C:\\Colvane\\CUST\\SAMPLE"));
  EXPECT_TRUE(IsSampleBox("C:\\Colvane\\CUST\\Sample"));
  EXPECT_TRUE(IsSampleBox("C:\\Colvane\\CUST\\MYSAMPLE"));
  EXPECT_TRUE(IsSampleBox("C:\\Colvane\\CUST\\sample\\"));
  EXPECT_FALSE(IsSampleBox("C:\\Colvane\\CUST\\SAMPLES"));
  EXPECT_FALSE(IsSampleBox("C:\\Colvane\\CUST\\MY BOX"));
  EXPECT_FALSE(IsSampleBox("ample"));
}

TEST(LibraryPaths, ExportTargets) {
  char out[kLibraryMaxPath];
  ASSERT_EQ(ExportTargetPath("C:\\a\\picture", out, sizeof(out)), 1);
  EXPECT_STREQ(out, "C:\\a\\picture.bmp");
  ASSERT_EQ(ExportTargetPath("picture.bmp", out, sizeof(out)), 1);
  EXPECT_STREQ(out, "picture.bmp");
  ASSERT_EQ(ExportTargetPath("picture.BMP", out, sizeof(out)), 1);
  EXPECT_STREQ(out, "picture.BMP.bmp");
  ASSERT_EQ(ExportTargetPath("bmp", out, sizeof(out)), 1);
  EXPECT_STREQ(out, "bmp.bmp");
  EXPECT_EQ(ExportTargetPath("abcdefgh", out, 12), 0);  // no room for the extension
}

// The name typed decides the format when it ends in either extension; else the filter chosen.
TEST(LibraryPaths, ExportPngTargets) {
  struct Case {
    const char* chosen;
    int filter;  // nFilterIndex after the dialog
    const char* target;  // null: no room
    ExportFormat format;
  };
  const Case cases[] = {
      {"C:\\a\\picture", kExportPngFilter, "C:\\a\\picture.png", ExportFormat::kPng},
      {"picture", 1, "picture.bmp", ExportFormat::kBitmap},
      {"picture", 0, "picture.bmp", ExportFormat::kBitmap},
      {"picture.png", 1, "picture.png", ExportFormat::kPng},
      {"picture.bmp", kExportPngFilter, "picture.bmp", ExportFormat::kBitmap},
      {"picture.PNG", kExportPngFilter, "picture.PNG.png", ExportFormat::kPng},
      {"picture.PNG", 1, "picture.PNG.bmp", ExportFormat::kBitmap},
      {"png", kExportPngFilter, "png.png", ExportFormat::kPng},
      {".png", 1, ".png", ExportFormat::kPng},
      {"abcdefghijklmnop", kExportPngFilter, nullptr, ExportFormat::kPng},  // 20 bytes, then the terminator
      {"abcdefghijklmno.png", 1, "abcdefghijklmno.png", ExportFormat::kPng},
  };
  for (const Case& c : cases) {
    char out[20];
    const ExportFormat format = ExportFormatFor(c.chosen, c.filter);
    EXPECT_EQ(c.format, format) << c.chosen;
    EXPECT_EQ(c.target != nullptr, ExportTargetPath(c.chosen, out, sizeof(out), format) == 1) << c.chosen;
    EXPECT_STREQ(c.target ? c.target : "", c.target ? out : "") << c.chosen;
  }
}
