// The uninstall log's length rule: each field at its limit, one over, and double-byte names.
#include "grouplink/log_limits.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Field {
  const char* name;
  bool (*fits)(const char*);
  size_t limit;  // bytes, without the terminator
};

const Field kFields[] = {
    {"group", GroupNameFits, 29},         {"item", ItemNameFits, 29},
    {"group owner", GroupOwnerFits, 39},  {"profile owner", ProfileOwnerFits, 19},
    {"ini file", ProfileFileFits, 59},    {"section", ProfileSectionFits, 29},
    {"key", ProfileKeyFits, 29},
};

TEST(LogLimits, EachFieldTakesItsLimitAndRefusesOneMore) {
  for (const Field& f : kFields) {
    EXPECT_TRUE(f.fits(nullptr)) << f.name;
    EXPECT_TRUE(f.fits("")) << f.name;
    EXPECT_TRUE(f.fits(std::string(f.limit, 'a').c_str())) << f.name;
    EXPECT_FALSE(f.fits(std::string(f.limit + 1, 'a').c_str())) << f.name;
    EXPECT_FALSE(f.fits(std::string(300, 'a').c_str())) << f.name;
  }
}

TEST(LogLimits, DoubleByteCharactersCountTwoBytes) {
  const std::string wide = "\xB5\x65";  // one Big5 character
  for (const Field& f : kFields) {
    std::string whole, over;
    while (whole.size() + 2 <= f.limit) whole += wide;
    over = whole + wide;
    if (whole.size() < f.limit) over = whole + "a" + wide;  // odd limit: one byte short of a pair
    EXPECT_TRUE(f.fits(whole.c_str())) << f.name;
    EXPECT_FALSE(f.fits(over.c_str())) << f.name;
  }
}

}  // namespace
