// Frame arithmetic of filmstrips.
#include "colvane/frame/strip_frames.h"

int StripFrameCount(int bitmapWidth, int frameWidth) {
  if (frameWidth <= 0 || bitmapWidth <= 0) return 0;
  return bitmapWidth / frameWidth;  // remainder columns are ignored
}

int StripFrameRange(int bitmapWidth, int frameWidth, int first, int count, int toEnd,
                    int* outFirst, int* outCount) {
  int frames = StripFrameCount(bitmapWidth, frameWidth);
  if (frames == 0) return 0;
  if (first < 0) first = frames - 1;
  if (count < 0) return 0;
  if (first > frames - 1) return 0;
  if (count == 0 && toEnd) count = frames - first;
  if (static_cast<long long>(first) + count > frames) return 0;
  *outFirst = first;
  *outCount = count;
  return 1;
}
