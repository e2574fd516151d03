// The rectangle of canvas pixels a painting routine changed, for the caller to push to the screen.
#pragma once

// Inclusive canvas coordinates; `changed` is 0 when nothing needs repainting.
struct ChangedRect {
  int changed = 0;
  int left = 0, top = 0, right = -1, bottom = -1;
};
