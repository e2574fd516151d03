// The Program Manager commands: every argument arrives quoted and whole, or not at all.
#include "grouplink/progman_commands.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  ProgmanVerb verb;
  const char* first;
  const char* second;
  const char* expected;  // "" when refused
};

TEST(ProgmanCommand, QuotesEveryArgumentAndRefusesQuotes) {
  const Case kCases[] = {
      {kProgmanCreateGroup, "Kids (Art), [Set]", "", "[CreateGroup(\"Kids (Art), [Set]\")]"},
      {kProgmanCreateGroup, "x)][DeleteGroup(Other", "", "[CreateGroup(\"x)][DeleteGroup(Other\")]"},
      {kProgmanCreateGroup, "", "", "[CreateGroup(\"\")]"},
      {kProgmanCreateGroup, "Say \"hi\"", "", ""},
      {kProgmanCreateGroup, "\"", "", ""},
      {kProgmanAddItem, "C:\\Program Files (x86)\\Colvane\\colvane.exe", "Paint, (Kids) [1]",
       "[AddItem(\"C:\\Program Files (x86)\\Colvane\\colvane.exe\",\"Paint, (Kids) [1]\")]"},
      {kProgmanAddItem, "\"C:\\Program Files\\a.exe\" /s", "Paint", ""},
      {kProgmanAddItem, "a.exe", "Pa\"int", ""},
      {kProgmanDeleteGroup, "Kids (Art), [Set]", "", "[DeleteGroup(\"Kids (Art), [Set]\")]"},
      {kProgmanDeleteGroup, "x\")][DeleteGroup(\"Other", "", ""},
      {kProgmanDeleteItem, "Kids (Art)", "Paint)][DeleteGroup(Other",
       "[ShowGroup(\"Kids (Art)\",5)][DeleteItem(\"Paint)][DeleteGroup(Other\")]"},
      {kProgmanDeleteItem, "Kid\"s", "Paint", ""},
      {kProgmanDeleteItem, "Kids", "\"", ""},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(ProgmanCommand(c.verb, c.first, c.second), c.expected) << c.first << " | " << c.second;
  }
}

}  // namespace
