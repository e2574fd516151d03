// The rules that decide whether a picture survives: its names, the untouched sample, the
// recovery copy, the failed-save latch and the canvas checksum.
#include "colvane/files/picture_keeping.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// The pictures that exist in a box, checked against the box the record names at the call.
struct Disk {
  const PictureKeeping* keeping;
  std::set<std::string> files;  // "BOX/name"
};
bool Exists(const char* name, void* context) {
  const Disk* disk = static_cast<const Disk*>(context);
  return disk->files.count(std::string(disk->keeping->workingBox) + "/" + name) != 0;
}

}  // namespace

TEST(PictureKeeping, TheNamesASaveUses) {
  struct Case {
    const char* box;
    const char* name;
    const char* chosenBox;  // null: no box chosen in the file box
    bool newPicture;
    const char* wantBox;
    const char* wantName;
  };
  const Case cases[] = {
      {"BOX", "Mine.sam", nullptr, false, "BOX", "Mine.sam"},
      {"", "Mine.sam", nullptr, false, "MY PICTURES", "Mine.sam"},
      {"..\\..", "Mine.sam", nullptr, false, "MY PICTURES", "Mine.sam"},
      {"A:B", "Mine.sam", nullptr, false, "MY PICTURES", "Mine.sam"},
      {"BOX", "", nullptr, false, "BOX", "Sample2.sam"},          // the first free name of BOX
      {"BOX", "..", nullptr, false, "BOX", "Sample2.sam"},
      {"", "CON", nullptr, false, "MY PICTURES", "Sample1.sam"},   // the free name of the new box
      {"BOX", "win.ini", nullptr, false, "BOX", "Sample2.sam"},     // a name the file box never lists
      {"BOX", "Mine.sam.txt", nullptr, false, "BOX", "Sample2.sam"},
      {"BOX", "Mine.SAM", nullptr, false, "BOX", "Mine.SAM"},        // listed: "*.sam" has no case
      {"BOX", "Mine.sam", nullptr, true, "BOX", "Sample2.sam"},    // a new picture stays in its box
      {"BOX", "Mine.sam", "OTHER", true, "OTHER", "Sample3.sam"},  // ... or goes to the chosen one
  };
  for (const Case& c : cases) {
    PictureKeeping keeping;
    Disk disk{&keeping, {"BOX/Sample1.sam", "BOX/Sample3.sam", "OTHER/Sample1.sam", "OTHER/Sample2.sam"}};
    SetPictureNames(&keeping, c.box, c.name);
    if (c.chosenBox) ChooseFileBoxBox(&keeping, c.chosenBox);
    if (c.newPicture)
      NameNewPicture(&keeping, Exists, &disk);
    else
      EnsurePictureNames(&keeping, Exists, &disk);
    EXPECT_STREQ(keeping.workingBox, c.wantBox) << c.box << " / " << c.name;
    EXPECT_STREQ(keeping.pictureName, c.wantName) << c.box << " / " << c.name;
  }
}

TEST(PictureKeeping, APictureOfABoxThatCantHoldItGoesToTheFirstBoxUnderAFreeName) {
  struct Case {
    const char* asset;
    std::string box;
    bool moved;
    const char* wantName;
  };
  const std::string longBox(230, 'L');  // with the library folder, too long for "\Sample99999.sam.part"
  const std::string deep = "C:\\" + std::string(220, 'd');  // the first box can't hold pictures either
  const Case cases[] = {
      {"C:\\Colvane", "BOX", false, "Sample1.sam"},
      {"C:\\Colvane", longBox, true, "Sample3.sam"},  // Sample1 and Sample2 are taken in MY PICTURES
      {deep.c_str(), "BOX", false, "Sample1.sam"},
  };
  for (const Case& c : cases) {
    PictureKeeping keeping;
    Disk disk{&keeping, {"MY PICTURES/Sample1.sam", "MY PICTURES/Sample2.sam"}};
    SetPictureNames(&keeping, c.box.c_str(), "Sample1.sam");
    EXPECT_EQ(LeaveUnusableBox(&keeping, (std::string(c.asset) + "\\CUST").c_str(), Exists, &disk), c.moved) << c.box;
    EXPECT_STREQ(keeping.workingBox, c.moved ? kFirstBox : c.box.c_str());
    EXPECT_STREQ(keeping.pictureName, c.wantName) << c.box;
  }
}

TEST(PictureKeeping, OnlyAnUntouchedSampleIsReplaced) {
  struct Case {
    const char* what;
    const char* box;
    const char* name;
    uint64_t sum;
    int cartoons;
    bool noted;
    bool untouched;
  };
  const Case cases[] = {
      {"untouched", "BOX", "Sample4.sam", 7, 0, true, true},
      {"never noted", "BOX", "Sample4.sam", 7, 0, false, false},
      {"renamed", "BOX", "Sample5.sam", 7, 0, true, false},
      {"moved to another box", "OTHER", "Sample4.sam", 7, 0, true, false},
      {"painted on", "BOX", "Sample4.sam", 8, 0, true, false},
      {"a cartoon placed", "BOX", "Sample4.sam", 7, 1, true, false},
  };
  for (const Case& c : cases) {
    PictureKeeping keeping;
    SetPictureNames(&keeping, "BOX", "Sample4.sam");
    if (c.noted) RememberFreshSample(&keeping, 7);
    SetPictureNames(&keeping, c.box, c.name);
    EXPECT_EQ(TakeUntouchedSample(&keeping, c.sum, c.cartoons), c.untouched) << c.what;
    SetPictureNames(&keeping, "BOX", "Sample4.sam");
    EXPECT_FALSE(TakeUntouchedSample(&keeping, 7, 0)) << c.what << ": the note is used up";
  }
}

TEST(PictureKeeping, WhenARecoveryCopyWins) {
  struct Case {
    const char* what;
    RecoveryFacts facts;
    bool wins;
  };
  const Case cases[] = {
      {"newer than its picture", {true, true, true, 200, true, 100}, true},
      {"picture never written", {true, true, true, 200, false, 0}, true},
      {"older than its picture", {true, true, true, 100, true, 200}, false},
      {"as old as its picture", {true, true, true, 100, true, 100}, false},
      {"head does not parse", {false, true, true, 200, true, 100}, false},
      {"names not a plain path", {true, false, true, 200, false, 0}, false},
      {"copy time unknown", {true, true, false, 0, false, 0}, false},
      {"times past 32 bits", {true, true, true, 0x100000000ull, true, 0xFFFFFFFFull}, true},
  };
  for (const Case& c : cases) EXPECT_EQ(RecoveryCopyWins(c.facts), c.wins) << c.what;
}

TEST(PictureKeeping, ADamagedRecoveryCopyIsSetAsideAndAnOldOneDeleted) {
  struct Case {
    const char* what;
    RecoveryFacts facts;
    RecoveryAction action;
  };
  const Case cases[] = {
      {"whole and newer", {true, true, true, 200, true, 100, false}, RecoveryAction::kOpen},
      {"whole and older", {true, true, true, 100, true, 200, false}, RecoveryAction::kDelete},
      {"whole, time unknown", {true, true, false, 0, true, 100, false}, RecoveryAction::kDelete},
      {"torn, newer", {true, true, true, 200, true, 100, true}, RecoveryAction::kSetAside},
      {"torn, picture never written", {true, true, true, 200, false, 0, true}, RecoveryAction::kSetAside},
      {"torn, older", {true, true, true, 100, true, 200, true}, RecoveryAction::kSetAside},
      {"no head", {false, false, true, 200, false, 0, true}, RecoveryAction::kSetAside},
      {"names outside the library", {true, false, true, 200, false, 0, false}, RecoveryAction::kSetAside},
  };
  for (const Case& c : cases) EXPECT_EQ(DecideRecovery(c.facts), c.action) << c.what;
}

TEST(PictureKeeping, TheRecoveryCopyStepsAroundAFolderInItsWay) {
  struct Case {
    std::set<std::string> folders;
    const char* want;  // null: no name left
  };
  const Case cases[] = {
      {{}, "RECOVER.DAT"},
      {{"RECOVER.DAT"}, "RECOVER1.DAT"},
      {{"RECOVER.DAT", "RECOVER1.DAT"}, "RECOVER2.DAT"},
      {{"RECOVER.DAT", "RECOVER1.DAT", "RECOVER2.DAT", "RECOVER3.DAT"}, nullptr},
  };
  for (const Case& c : cases) {
    auto isFolder = [](const char* name, void* context) {
      return static_cast<const std::set<std::string>*>(context)->count(name) != 0;
    };
    const char* name = RecoveryFileName(isFolder, const_cast<std::set<std::string>*>(&c.folders));
    EXPECT_STREQ(name, c.want) << c.folders.size() << " folders";
  }
}

// A picture that exists but could not be read (locked, damaged) is never written over: its
// painting takes the next free name of its box, once; opening another picture ends the note.
TEST(PictureKeeping, APictureThatCouldNotBeReadIsNeverWrittenOver) {
  struct Case {
    const char* what;
    bool noted;
    const char* thenBox;   // null: the names stay; else SetPictureNames before the save
    const char* thenName;
    bool readAfter;        // the same picture opened again and read this time
    bool boxFull;          // no free name left
    bool mayWrite;
    const char* wantName;
  };
  const Case cases[] = {
      {"readable", false, nullptr, nullptr, false, false, true, "Sample1.sam"},
      {"unreadable", true, nullptr, nullptr, false, false, true, "Sample2.sam"},
      {"unreadable, names set again", true, "BOX", "Sample1.sam", false, false, true, "Sample2.sam"},
      {"unreadable, then read", true, "BOX", "Sample1.sam", true, false, true, "Sample1.sam"},
      {"another picture opened", true, "BOX", "Sample3.sam", false, false, true, "Sample3.sam"},
      {"unreadable, box full", true, nullptr, nullptr, false, true, false, "Sample1.sam"},
  };
  for (const Case& c : cases) {
    PictureKeeping keeping;
    Disk disk{&keeping, {"BOX/Sample1.sam", "BOX/Sample3.sam"}};
    if (c.boxFull)
      for (int n = 1; n <= 99999; ++n) disk.files.insert("BOX/Sample" + std::to_string(n) + ".sam");
    SetPictureNames(&keeping, "BOX", "Sample1.sam");
    NoteOpenedPicture(&keeping, c.noted);
    if (c.thenBox) SetPictureNames(&keeping, c.thenBox, c.thenName);
    if (c.readAfter) NoteOpenedPicture(&keeping, false);
    EXPECT_EQ(NameBeforeWriting(&keeping, Exists, &disk), c.mayWrite) << c.what;
    EXPECT_STREQ(keeping.pictureName, c.wantName) << c.what;
    // Once renamed the painting is a picture of its own: the next save keeps the new name.
    if (c.mayWrite) {
      disk.files.insert(std::string("BOX/") + keeping.pictureName);
      EXPECT_TRUE(NameBeforeWriting(&keeping, Exists, &disk)) << c.what;
      EXPECT_STREQ(keeping.pictureName, c.wantName) << c.what;
    }
  }
}

// A sample painted on is kept as a new picture of the first box, whatever the sample's case.
TEST(PictureKeeping, ASamplePaintedOnBecomesThePicturesOwn) {
  for (const char* box : {"SAMPLE", "sample"}) {
    PictureKeeping keeping;
    Disk disk{&keeping, {"SAMPLE/Sample1.sam", "MY PICTURES/Sample1.sam"}};
    SetPictureNames(&keeping, box, "Sample1.sam");
    EXPECT_TRUE(NameBeforeWriting(&keeping, Exists, &disk)) << box;
    EXPECT_STREQ(keeping.workingBox, kFirstBox) << box;
    EXPECT_STREQ(keeping.pictureName, "Sample2.sam") << box;
  }
}

TEST(PictureKeeping, TheRecoveryCopyIsWrittenOnlyWhenThePixelsChanged) {
  PictureKeeping keeping;
  EXPECT_TRUE(RecoveryCopyDue(keeping, 5));  // no copy yet
  NoteRecoveryHeld(&keeping, 5);
  EXPECT_FALSE(RecoveryCopyDue(keeping, 5));
  EXPECT_TRUE(RecoveryCopyDue(keeping, 6));
  NoteRecoveryDropped(&keeping);
  EXPECT_TRUE(RecoveryCopyDue(keeping, 5));
}

TEST(PictureKeeping, AFailedSaveIsToldOnceUntilASaveLands) {
  PictureKeeping keeping;
  EXPECT_TRUE(TellSaveFailure(&keeping));
  EXPECT_FALSE(TellSaveFailure(&keeping));
  NoteSaveWritten(&keeping);
  EXPECT_TRUE(TellSaveFailure(&keeping));
}

// Every byte of whole words counts; the canvas is always whole words, so a shorter tail is not
// read.
// The parent reads what failed and where; a full disk keeps the words it always had.
TEST(PictureKeeping, AFailedSaveSaysWhatFailed) {
  struct Case {
    WriteFailure why;
    const char* says;  // in both the told-once message and the question at the exit
  };
  const Case cases[] = {
      {WriteFailure::kNoRoom, "room"},
      {WriteFailure::kNoPermission, "not allowed to write in the folder \"C:\\Art\\CUST\\BOX\""},
      {WriteFailure::kInUse, "Another program is using the picture file \"C:\\Art\\CUST\\BOX\\A.sam\""},
      {WriteFailure::kNotAFolder, "A file stands where Colvane's picture folder \"C:\\Art\\CUST\\BOX\""},
      {WriteFailure::kOther, "check that folder"},
  };
  for (const Case& c : cases) {
    const std::string told = SaveFailureMessage(c.why, "C:\\Art\\CUST\\BOX\\A.sam");
    const std::string asked = LeaveUnkeptQuestion(c.why, "C:\\Art\\CUST\\BOX\\A.sam");
    EXPECT_NE(told.find(c.says), std::string::npos) << told;
    EXPECT_NE(asked.find(c.says), std::string::npos) << asked;
    EXPECT_NE(asked.find("Leave anyway?"), std::string::npos);
  }
  EXPECT_EQ(SaveFailureMessage(WriteFailure::kNoRoom, ""),
            "Your picture could not be kept just now. It is still here on the paper:\n"
            "please ask a grown-up to check that the disk has room.");
  EXPECT_EQ(SaveFailureMessage(WriteFailure::kNoPermission, "").find("\"\""), std::string::npos);  // no empty folder
}

// Win32 error codes, and a file standing in the path, map to what the parent is told.
TEST(FileSeam, ErrorCodesGiveTheReason) {
  struct Case {
    uint32_t error;
    bool blockedByFile;
    WriteFailure want;
  };
  const Case cases[] = {
      {112, false, WriteFailure::kNoRoom},       {39, false, WriteFailure::kNoRoom},
      {5, false, WriteFailure::kNoPermission},   {19, false, WriteFailure::kNoPermission},
      {32, false, WriteFailure::kInUse},         {33, false, WriteFailure::kInUse},
      {3, true, WriteFailure::kNotAFolder},      {3, false, WriteFailure::kOther},  // a folder merely missing
      {5, true, WriteFailure::kNotAFolder},      {267, false, WriteFailure::kNotAFolder},
      {183, true, WriteFailure::kNotAFolder},    {112, true, WriteFailure::kNoRoom},
      {87, false, WriteFailure::kOther},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WriteFailureOfError(c.error, c.blockedByFile), c.want) << c.error << " " << c.blockedByFile;
}

TEST(PictureKeeping, TheCanvasSumSeesEveryByteOfWholeWords) {
  std::vector<uint8_t> canvas(48, 0x5A);
  const uint64_t base = CanvasSum(canvas.data(), canvas.size());
  for (size_t i = 0; i < canvas.size(); ++i) {
    std::vector<uint8_t> changed = canvas;
    changed[i] ^= 1;
    EXPECT_NE(CanvasSum(changed.data(), changed.size()), base) << "byte " << i;
  }
  std::vector<uint8_t> tail = canvas;
  tail.resize(canvas.size() + 5, 0x11);
  EXPECT_EQ(CanvasSum(tail.data(), tail.size()), base);
}
