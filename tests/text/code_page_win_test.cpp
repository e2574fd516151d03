// The double-byte rule on the process's real ANSI code page: built twice, run in a Western
// prefix (1252) and in one whose Wine runs with a Chinese locale (936).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "colvane/files/natural_order.h"
#include "colvane/files/upper_case.h"
#include "colvane/layout/lead_bytes_win.h"
#include "colvane/text/text_buffer.h"

TEST(CodePage, TextAndNamesFollowTheActiveCodePage) {
  ASSERT_EQ(GetACP(), static_cast<UINT>(COLVANE_EXPECT_CODE_PAGE));
  const bool doubleByte = COLVANE_EXPECT_CODE_PAGE == 936;
  // "élan" as a box name and as typed text: é (0xE9) is a letter of 1252 and a lead byte of 936.
  char name[] = "\xE9lan";
  UpperCaseAscii(name, SystemLeadByte);
  EXPECT_STREQ(name, doubleByte ? "\xE9lAN" : "\xE9LAN");
  TextBuffer text;
  EXPECT_EQ(TypeByte(&text, 0xE9, SystemLeadByte), doubleByte ? KeyResult::kHeld : KeyResult::kShow);
  EXPECT_EQ(TypeByte(&text, 'l', SystemLeadByte), KeyResult::kShow);
  EXPECT_EQ(TypeByte(&text, 'a', SystemLeadByte), KeyResult::kShow);
  EXPECT_STREQ(text.bytes, "\xE9la");
  // 中 (0xD6 0xD0 in 936): one character there, two letters in 1252.
  EXPECT_EQ(CharNextA("\xD6\xD0") - "\xD6\xD0", doubleByte ? 2 : 1);
  // A trail byte that reads as "a" or "B" keeps its case only inside a double-byte character.
  EXPECT_EQ(NaturalLess("\xB0" "B", "\xB0" "a", SystemLeadByte), doubleByte);
}
