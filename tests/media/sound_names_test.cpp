// The tune rules that need no Windows: stored tune numbers of any value, and the MCI open string
// for paths with spaces and for paths too long.
#include <gtest/gtest.h>

#include <string>

#include "colvane/media/sound_names.h"

TEST(Tunes, AnyStoredNumberNamesATuneAndTheDiscWrapsAround) {
  EXPECT_EQ(WrapTuneIndex(0), 0);
  EXPECT_EQ(WrapTuneIndex(7), 7);
  EXPECT_EQ(WrapTuneIndex(8), 0);
  EXPECT_EQ(WrapTuneIndex(4294967295u), 7);  // a stored -1
  int index = 3;
  for (int i = 0; i < kTuneCount; ++i) index = FollowingTune(index);
  EXPECT_EQ(index, 3);
  EXPECT_EQ(FollowingTune(7), 0);
}

TEST(Tunes, TheOpenStringQuotesAPathWithSpacesAndRefusesOneTooLong) {
  char out[128];
  ASSERT_TRUE(FormatTuneOpen("C:\\COLVANE\\music\\a.mid", out, sizeof(out)));
  EXPECT_STREQ(out, "open sequencer!C:\\COLVANE\\music\\a.mid alias clavier");
  ASSERT_TRUE(FormatTuneOpen("C:\\Program Files\\Colvane\\music\\a.mid", out, sizeof(out)));
  EXPECT_STREQ(out, "open \"sequencer!C:\\Program Files\\Colvane\\music\\a.mid\" alias clavier");
  const std::string longPath(200, 'x');
  EXPECT_FALSE(FormatTuneOpen(longPath.c_str(), out, sizeof(out)));
  EXPECT_STREQ(out, "");
  const std::string exact = "open sequencer!" + std::string(10, 'y') + " alias clavier";
  char tight[64];
  EXPECT_TRUE(FormatTuneOpen(std::string(10, 'y').c_str(), tight, static_cast<int>(exact.size() + 1)));
  EXPECT_FALSE(FormatTuneOpen(std::string(10, 'y').c_str(), tight, static_cast<int>(exact.size())));
}
