// The typed text laid over the picture: the size of its block, the soft coverage made from the
// rendered glyph mask, the blend over the picture as it was before typing began, and the caret.
#pragma once
#include <cstdint>
#include <vector>

#include "colvane/canvas/changed_rect.h"
#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/pixel_view.h"

struct TextBlockSize {
  int width = 0, height = 0;
};

// A block of lines measured in one font: the widest line plus the widest character, and
// (tmHeight + 1) per line.
TextBlockSize MeasureTextBlock(const std::vector<int>& lineWidths, int maxCharWidth, int lineHeight);
// The larger of the blocks of the previous and the current font, so a text that shrinks still
// repaints what it covered before.
TextBlockSize LargerBlock(TextBlockSize a, TextBlockSize b);

// The part of a block at (x, y) that lies on a width x height canvas: its canvas rectangle and
// where that starts in the block. Empty (width or height 0) when none of it does.
struct TextBlockPart {
  int x = 0, y = 0, width = 0, height = 0;  // canvas pixels
  int blockX = 0, blockY = 0;               // the same pixels' place in the block
};
TextBlockPart BlockOnCanvas(int x, int y, TextBlockSize block, int canvasWidth, int canvasHeight);

// Coverage (0..255) of every pixel of the rendered mask (white text on black): 255 where the
// pixel is pure white, else the integer average of the red bytes of its 3 x 3 neighbourhood,
// counting only neighbours inside the mask. The average gives every glyph a soft rim.
std::vector<uint8_t> TextCoverage(const PixelView& mask);
// The same into `coverage`, whose memory is used again.
void TextCoverage(const PixelView& mask, std::vector<uint8_t>* coverage);

// Lays the text over the canvas pixels of `part` inside the clip, from the snapshot:
//   a = 0: the snapshot's pixel; a = 255: the colour; else each channel
//   (snapshot * (255 - a) + colour * a) / 256.
// `coverage` is the block's (blockWidth values per row). Returns the bounds of the pixels whose
// value changed: a key that adds a letter repaints only that letter.
ChangedRect BlendTextBlock(PixelView* canvas, const PixelView& snapshot, const ClipMask& clip,
                           const TextBlockPart& part, const std::vector<uint8_t>& coverage, int blockWidth,
                           uint32_t colour);

// Where the caret stands: after the last line (its width given), lineHeight below per line.
struct CaretPoint {
  int x, y;
};
CaretPoint CaretAfterText(int originX, int originY, int lineCount, int lastLineWidth, int lineHeight);
