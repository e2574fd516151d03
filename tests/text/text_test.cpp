// The typewriter's pure rules: keystrokes and the buffer's end, lines and the caret, the block,
// the soft coverage and the blend over the picture as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "colvane/text/face_table.h"
#include "colvane/text/text_block.h"
#include "colvane/text/text_buffer.h"

namespace {

// The lead bytes of a double-byte code page (936 and its like) and of a Western one (1252).
bool DoubleByteLead(uint8_t b) { return b >= 0x81 && b <= 0xFE; }
bool WesternLead(uint8_t) { return false; }

KeyResult TypeByte(TextBuffer* t, uint8_t code) { return TypeByte(t, code, DoubleByteLead); }

KeyResult Type(TextBuffer* t, const std::string& keys, LeadByteRule isLead = DoubleByteLead) {
  KeyResult last = KeyResult::kIgnored;
  for (char c : keys) last = TypeByte(t, static_cast<uint8_t>(c), isLead);
  return last;
}

// A small 24-bit bottom-up picture of one colour.
struct Picture {
  int width, height;
  std::vector<uint8_t> bytes;
  PixelView view;
  Picture(int w, int h, uint8_t value) : width(w), height(h), bytes(static_cast<size_t>(Stride24(w)) * h, value) {
    view = PixelView{bytes.data(), w, h, Stride24(w)};
  }
  void Set(int x, int y, uint8_t v) {
    uint8_t* p = view.At(x, y);
    p[0] = p[1] = p[2] = v;
  }
};

}  // namespace

TEST(TextBuffer, TwoLinesAndTheCaretAfterTheLastCharacter) {
  TextBuffer t;
  EXPECT_EQ(Type(&t, "ab\rc"), KeyResult::kShow);
  const std::vector<TextLine> lines = SplitLines(t.bytes, t.length);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(std::string(t.bytes + lines[0].start, lines[0].length), "ab");
  EXPECT_EQ(std::string(t.bytes + lines[1].start, lines[1].length), "c");
  // One line of 20 pixels below the origin, after "c" (7 pixels wide).
  const CaretPoint caret = CaretAfterText(100, 50, static_cast<int>(lines.size()), 7, 20);
  EXPECT_EQ(caret.x, 107);
  EXPECT_EQ(caret.y, 70);
  EXPECT_EQ(SplitLines("ab\r", 3).back().length, 0);  // a text ending in Enter: the caret at the start
}

TEST(TextBuffer, BackspaceDropsOneByteAndNothingWhenEmpty) {
  TextBuffer t;
  EXPECT_EQ(TypeByte(&t, 8), KeyResult::kIgnored);
  EXPECT_EQ(t.length, 0);
  Type(&t, "xy");
  EXPECT_EQ(TypeByte(&t, 8), KeyResult::kShow);
  EXPECT_STREQ(t.bytes, "x");
}

TEST(TextBuffer, DoubleByteCharactersShowWhenWhole) {
  TextBuffer t;
  EXPECT_EQ(TypeByte(&t, 0xA4), KeyResult::kHeld);
  EXPECT_EQ(TypeByte(&t, 0x40), KeyResult::kShow);  // the trail byte may be any value
  EXPECT_EQ(t.length, 2);
  EXPECT_EQ(TypeByte(&t, 'a'), KeyResult::kShow);
  EXPECT_EQ(TypeByte(&t, 8), KeyResult::kShow);  // Backspace takes one byte
  EXPECT_EQ(TypeByte(&t, 8), KeyResult::kShow);
  EXPECT_EQ(t.length, 1);  // a pair loses only its last byte
}

// The same keys on each kind of code page: what is stored and whether the last key shows.
TEST(TextBuffer, EachCodePageDecidesWhatAWholeCharacterIs) {
  struct Case {
    LeadByteRule rule;
    const char* keys;
    KeyResult last;
    const char* stored;
  } cases[] = {
      {WesternLead, "\xE9", KeyResult::kShow, "\xE9"},              // é shows at once
      {WesternLead, "\xE9lan", KeyResult::kShow, "\xE9lan"},
      {WesternLead, "\xE9\b", KeyResult::kShow, ""},                // and goes with one Backspace
      {DoubleByteLead, "\xC4", KeyResult::kHeld, "\xC4"},           // half of 中: nothing shown yet
      {DoubleByteLead, "\xD6\xD0", KeyResult::kShow, "\xD6\xD0"},
      {DoubleByteLead, "\xD6\ba", KeyResult::kShow, "a"},           // a waiting half goes with its wait
  };
  for (const Case& c : cases) {
    TextBuffer t;
    EXPECT_EQ(Type(&t, c.keys, c.rule), c.last) << c.keys;
    EXPECT_STREQ(t.bytes, c.stored) << c.keys;
  }
}

TEST(TextBuffer, StopsAtItsEndWithoutHalfACharacter) {
  TextBuffer t;
  for (int i = 0; i < 254; ++i) ASSERT_EQ(TypeByte(&t, 'a'), KeyResult::kShow);
  EXPECT_EQ(TypeByte(&t, 0xB0), KeyResult::kIgnored);  // the pair would not fit
  EXPECT_EQ(TypeByte(&t, 'b'), KeyResult::kShow);
  EXPECT_EQ(t.length, kTextCapacity);
  EXPECT_EQ(TypeByte(&t, 'c'), KeyResult::kIgnored);
  EXPECT_EQ(TypeByte(&t, '\r'), KeyResult::kIgnored);
  EXPECT_EQ(t.length, kTextCapacity);
  EXPECT_EQ(t.bytes[kTextCapacity], '\0');
  EXPECT_EQ(TypeByte(&t, 8), KeyResult::kShow);
}

TEST(TextBlock, TheLargerBlockAndItsPartOnTheCanvas) {
  const TextBlockSize big = MeasureTextBlock({30, 50}, 10, 19);
  EXPECT_EQ(big.width, 60);
  EXPECT_EQ(big.height, 40);
  const TextBlockSize grown = LargerBlock(big, TextBlockSize{40, 60});
  EXPECT_EQ(grown.width, 60);
  EXPECT_EQ(grown.height, 60);

  const TextBlockPart right = BlockOnCanvas(620, 470, grown, 640, 480);  // cut at the edges
  EXPECT_EQ(right.width, 20);
  EXPECT_EQ(right.height, 10);
  const TextBlockPart left = BlockOnCanvas(-15, -5, grown, 640, 480);
  EXPECT_EQ(left.x, 0);
  EXPECT_EQ(left.blockX, 15);
  EXPECT_EQ(left.width, 45);
  EXPECT_EQ(left.blockY, 5);
  EXPECT_EQ(BlockOnCanvas(700, 10, grown, 640, 480).width, 0);  // wholly off: nothing
  EXPECT_EQ(BlockOnCanvas(2147483600, 10, grown, 640, 480).width, 0);
}

TEST(TextBlock, CoverageIsWhiteOrTheAverageOfTheNeighbours) {
  Picture mask(3, 3, 0);
  mask.Set(1, 1, 255);  // one white pixel in the middle
  mask.Set(0, 0, 90);   // a grey corner
  const std::vector<uint8_t> a = TextCoverage(mask.view);
  EXPECT_EQ(a[4], 255);
  EXPECT_EQ(a[0], (90 + 255) / 4);         // corner: four neighbours in the mask
  EXPECT_EQ(a[1], (90 + 255) / 6);         // edge: six
  EXPECT_EQ(a[8], 255 / 4);
}

// Every pixel against the neighbour mean worked out cell by cell, on blocks of every shape seen
// through a wider bitmap (the typewriter renders into one kept larger than the block).
TEST(TextBlock, CoverageMatchesTheNeighbourMeanOnEveryShape) {
  const int shapes[][2] = {{1, 1}, {1, 6}, {6, 1}, {2, 2}, {7, 5}, {40, 9}};
  unsigned seed = 7;
  for (const auto& shape : shapes) {
    const int w = shape[0], h = shape[1];
    Picture wide(w + 5, h + 3, 0);
    for (uint8_t& b : wide.bytes) b = static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 16 & 1 ? 255 : seed >> 24);
    const PixelView block{wide.view.At(0, h - 1), w, h, wide.view.stride};  // its top-left corner
    for (int y = 0; y < h; y += 3) std::fill(block.At(0, y), block.At(0, y) + w * 3, 0);  // black rows too
    const std::vector<uint8_t> got = TextCoverage(block);
    for (int r = 0; r < h; ++r)
      for (int c = 0; c < w; ++c) {
        const uint8_t* p = block.At(c, r);
        int sum = 0, count = 0;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx)
            if (block.Inside(c + dx, r + dy)) sum += block.At(c + dx, r + dy)[2], ++count;
        const int want = p[0] == 255 && p[1] == 255 && p[2] == 255 ? 255 : sum / count;
        ASSERT_EQ(got[static_cast<size_t>(r) * w + c], want) << w << "x" << h << " at " << c << "," << r;
      }
  }
}

TEST(TextBlock, BlendsOverTheSnapshotInsideTheClipOnly) {
  Picture canvas(4, 1, 7), snapshot(4, 1, 200);
  ClipMask clip;
  clip.SetRects(4, 1, {ClipRect{0, 0, 3, 1}});  // the last pixel is outside the selection
  const std::vector<uint8_t> coverage = {0, 255, 128, 255};
  const TextBlockPart part{0, 0, 4, 1, 0, 0};
  const ChangedRect r = BlendTextBlock(&canvas.view, snapshot.view, clip, part, coverage, 4, 0x000000FF);
  EXPECT_TRUE(r.changed);
  const uint8_t* p0 = canvas.view.At(0, 0);
  EXPECT_EQ(p0[0], 200);  // a = 0: the picture as it was
  const uint8_t* p1 = canvas.view.At(1, 0);
  EXPECT_EQ(p1[2], 255);  // a = 255: the colour (red)
  EXPECT_EQ(p1[0], 0);
  const uint8_t* p2 = canvas.view.At(2, 0);
  EXPECT_EQ(p2[0], 200 * 127 / 256);           // blue: snapshot only
  EXPECT_EQ(p2[2], (200 * 127 + 255 * 128) / 256);
  EXPECT_EQ(canvas.view.At(3, 0)[0], 7);  // outside the clip: untouched
  EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}), (std::vector<int>{0, 0, 2, 0}));
  // Again with one pixel's coverage changed: only that pixel is to be shown again; the same text
  // again changes nothing.
  const std::vector<uint8_t> next = {0, 128, 128, 255};
  const ChangedRect one = BlendTextBlock(&canvas.view, snapshot.view, clip, part, next, 4, 0x000000FF);
  EXPECT_EQ((std::vector<int>{one.changed, one.left, one.right}), (std::vector<int>{1, 1, 1}));
  EXPECT_FALSE(BlendTextBlock(&canvas.view, snapshot.view, clip, part, next, 4, 0x000000FF).changed);
}

TEST(FaceTable, KeepsTrueTypeFacesOnceAndAtMost49) {
  FaceTable t;
  EXPECT_TRUE(AddFace(&t, "Arial", true));
  EXPECT_FALSE(AddFace(&t, "Arial", true));       // once per character set in the enumeration
  EXPECT_FALSE(AddFace(&t, "System", false));     // not TrueType
  EXPECT_FALSE(AddFace(&t, "@Vertical", true));
  EXPECT_FALSE(AddFace(&t, std::string(40, 'x').c_str(), true));
  for (int i = 0; i < 60; ++i) AddFace(&t, ("Face " + std::to_string(i)).c_str(), true);
  EXPECT_EQ(static_cast<int>(t.names.size()), kMaxFaces);
}
