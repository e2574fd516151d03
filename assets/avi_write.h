// An AVI writer for the intro: one video stream of uncompressed 8-bit palettised frames (the
// kind Wine's video player draws correctly), with its index.
#pragma once

#include <cstdint>
#include <vector>

#include "assets/art_common.h"

namespace art {

// Frames are width x height palette indexes, rows top-down; the palette has 256 entries.
std::vector<uint8_t> EncodeAvi8(int width, int height, int framesPerSecond, const std::vector<Rgb>& palette,
                                const std::vector<std::vector<uint8_t>>& frames);

// The 256 colours that best cover the pictures (median cut over their colours, counted), and each
// picture's pixels as indexes into them.
std::vector<Rgb> ChoosePalette(const std::vector<Image>& pictures);
std::vector<uint8_t> IndexPicture(const Image& picture, const std::vector<Rgb>& palette);

}  // namespace art
