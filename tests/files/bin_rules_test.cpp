// A box's bin: entry names both ways, the next serial, and which entries go at the limit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colvane/files/bin_rules.h"

TEST(Bin, EntryNamesKeepThePicturesOwnName) {
  EXPECT_EQ(BinEntryName(7, "Sample3.sam"), "00007 Sample3.sam");
  EXPECT_EQ(BinEntryName(123456, "Sample3.sam"), "123456 Sample3.sam");
  const struct {
    const char* entry;
    bool parses;
    int serial;
    const char* picture;
  } cases[] = {
      {"00007 Sample3.sam", true, 7, "Sample3.sam"},
      {"123456 My cat.sam", true, 123456, "My cat.sam"},
      {"00007 Sample3.CAT", false, 0, ""},  // cartoons follow their picture
      {"0007 Sample3.sam", false, 0, ""},   // too few digits
      {"0000x Sample3.sam", false, 0, ""},
      {"Sample3.sam", false, 0, ""},
      {"00007 ", false, 0, ""},
      {"00007 ..\\x.sam", false, 0, ""},    // never a path
      {"9999999999 a.sam", false, 0, ""},   // more digits than a serial has
  };
  for (const auto& c : cases) {
    int serial = 0;
    std::string picture;
    EXPECT_EQ(ParseBinEntry(c.entry, &serial, &picture), c.parses) << c.entry;
    if (c.parses) {
      EXPECT_EQ(serial, c.serial) << c.entry;
      EXPECT_EQ(picture, c.picture) << c.entry;
    }
  }
}

TEST(Bin, TheOldestGoOnceItIsFull) {
  std::vector<std::string> bin = {"readme.sam"};
  for (int serial = 1; serial <= 100; ++serial) {
    EXPECT_EQ(NextBinSerial(bin), serial);
    EXPECT_TRUE(BinEntriesToDrop(bin, 100).empty()) << serial;
    bin.push_back(BinEntryName(serial, "Sample1.sam"));
  }
  // The 101st throw drops the first; a limit lowered since drops as many as it takes.
  EXPECT_EQ(BinEntriesToDrop(bin, 100), std::vector<std::string>{"00001 Sample1.sam"});
  EXPECT_EQ(BinEntriesToDrop(bin, 98), (std::vector<std::string>{"00001 Sample1.sam", "00002 Sample1.sam",
                                                                 "00003 Sample1.sam"}));
  EXPECT_EQ(NextBinSerial({"00003 a.sam", "00010 b.sam", "00002 c.sam"}), 11);
}
