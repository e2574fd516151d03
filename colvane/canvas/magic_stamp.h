// The magic stamp: lays the current 128 x 128 frame of the loaded stamp with its alpha and steps
// to the next frame, so dragging the stamp plays its frames in turn.
#pragma once
#include "colvane/canvas/changed_rect.h"
#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/pixel_view.h"
#include "colvane/canvas/texture_files.h"

// Paints the current frame with its top-left corner at (x, y) (the caller passes the cursor minus
// (64, 64)) into the pixels of `canvas` inside `clip`, then advances the frame. Does nothing
// without a stamp or when the frame lies wholly off the canvas. Sets *pictureModified when it
// paints (if not null). Returns the rectangle to repaint.
ChangedRect PaintMagicStamp(MagicStamp* stamp, const PixelView& canvas, const ClipMask& clip, int x, int y,
                            bool* pictureModified);
