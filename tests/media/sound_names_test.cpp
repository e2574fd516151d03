// The sound rules that need no Windows: which tool icons keep the sound chosen before, stored
// tune numbers of any value, the MCI open string for paths with spaces and paths too long, and
// where a clip stands on each screen.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "colvane/media/sound_names.h"

TEST(ToolSounds, TheHandsAndUnknownIconsKeepTheSoundChosenBefore) {
  for (int icon : {1, 2, -1, 18, 1000}) EXPECT_EQ(ToolSoundName(icon), nullptr) << icon;
  for (int icon = 0; icon < 18; ++icon) {
    if (icon == 1 || icon == 2) continue;
    const char* name = ToolSoundName(icon);
    ASSERT_NE(name, nullptr) << icon;
    bool known = false;  // every tool sound is a wave the generator makes
    for (int i = 0; i < kWaveNameCount; ++i) known = known || std::strcmp(kWaveNames[i], name) == 0;
    EXPECT_TRUE(known) << name;
  }
  EXPECT_TRUE(IsSilentSlot("NULL"));
  EXPECT_FALSE(IsSilentSlot("null"));
  EXPECT_FALSE(IsSilentSlot("NULL "));
  EXPECT_FALSE(IsSilentSlot(nullptr));
}

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

TEST(IntroClip, StandsInTheMiddleOfEachScreen) {
  EXPECT_EQ(CentreClip(1024, 768, 512, 384).x, 256);
  EXPECT_EQ(CentreClip(1024, 768, 512, 384).y, 192);
  EXPECT_EQ(CentreClip(640, 480, 512, 384).x, 64);
  EXPECT_EQ(CentreClip(640, 480, 512, 384).y, 48);
  EXPECT_EQ(CentreClip(800, 600, 356, 331).y, 134);  // odd leftovers round down
}
