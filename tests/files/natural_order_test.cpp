// The file box's order of names: numbers by value, letters without case, a total order.
#include <gtest/gtest.h>

#include "colvane/files/natural_order.h"

namespace {
// The lead bytes of a double-byte code page such as 936.
bool DoubleByteLead(uint8_t b) { return b >= 0x81 && b <= 0xFE; }
bool NaturalLess(const char* a, const char* b) { return ::NaturalLess(a, b, DoubleByteLead); }
}  // namespace

TEST(NaturalOrder, PairsInOrder) {
  const struct {
    const char* first;
    const char* second;
  } kPairs[] = {
      {"Sample2.sam", "Sample10.sam"},   // numbers by value
      {"Sample9.sam", "Sample10.sam"},
      {"Sample1.sam", "Sample1a.sam"},   // a shorter name that is the other's beginning
      {"apple", "Banana"},               // letters without case
      {"BANANA", "cherry"},
      {"PIC01", "Pic1"},                 // equal in value and case: the bytes decide
      {"Pic007", "Pic8"},
      {"x99999999999999999999", "x100000000000000000000"},  // longer than any integer type
      {"Box 2", "Box 10"},
      {"Z", "\xB0\xA1"},                 // a double-byte character after every ASCII letter
      {"\xB0\xA1" "2", "\xB0\xA1" "10"},
      {"\xB0\x61", "\xB0\x62"},          // a trail byte that looks like a letter keeps its case
      {"\xB0\x42", "\xB0\x61"},
      {"", "a"},
  };
  for (const auto& p : kPairs) {
    EXPECT_TRUE(NaturalLess(p.first, p.second)) << p.first << " < " << p.second;
    EXPECT_FALSE(NaturalLess(p.second, p.first)) << p.second << " > " << p.first;
  }
  EXPECT_FALSE(NaturalLess("same", "same"));
}
