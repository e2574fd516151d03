// Upper-casing of names with double-byte characters.
#include <gtest/gtest.h>

#include "colvane/files/upper_case.h"

namespace {
bool DoubleByteLead(uint8_t b) { return b >= 0x81 && b <= 0xFE; }
void UpperCaseAscii(char* text) { ::UpperCaseAscii(text, DoubleByteLead); }
}  // namespace

TEST(UpperCaseAscii, UpperCasesLettersAndKeepsDoubleByteCharacters) {
  char plain[] = "box-1 a_z.sam";
  UpperCaseAscii(plain);
  EXPECT_STREQ(plain, "BOX-1 A_Z.SAM");
  // 0xA7 0x61: a double-byte character whose trail byte is 'a' stays as it is.
  char mixed[] = "\xA7\x61z\xB3\x5C" "b";
  UpperCaseAscii(mixed);
  EXPECT_STREQ(mixed, "\xA7\x61Z\xB3\x5C" "B");
  // A lead byte at the very end does not read past the terminator.
  char cut[] = "x\xA7";
  UpperCaseAscii(cut);
  EXPECT_STREQ(cut, "X\xA7");
}
