// Frame arithmetic of filmstrips (frames of width W side by side in one bitmap).
#pragma once

// Number of whole frames in a strip; 0 when the frame width is not positive.
int StripFrameCount(int bitmapWidth, int frameWidth);

// Resolves a frame range: a negative first frame means the last one; count 0 means "to the
// end" when toEnd is set. Returns 0 when a frame of the range does not exist.
int StripFrameRange(int bitmapWidth, int frameWidth, int first, int count, int toEnd,
                    int* outFirst, int* outCount);
