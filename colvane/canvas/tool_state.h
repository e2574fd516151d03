// What the painting tools keep between events: the dab masks of the stroke size, the walker's
// running state, the stroke texture and its selection flags, the magic stamp, the area picture,
// the line gesture's start point and the shape gesture's anchor.
#pragma once
#include "colvane/canvas/aux_pictures.h"
#include "colvane/canvas/dab_masks.h"
#include "colvane/canvas/shapes.h"
#include "colvane/canvas/stroke_target.h"
#include "colvane/canvas/texture_files.h"

struct ToolState {
  DabMasks masks;         // built for the last stroke size and the mode current then
  StrokeState stroke;     // stroke.lastX/lastY is the last point (the rubber band's end in a line)
  StrokeTexture texture;  // the grain the dabs use (off: no grain)
  bool textureOn = false;  // a crayon grain (candle, chalk) replaces the paper's
  int textureIndex = 0;   // which crayon grain, reloaded when the paper changes
  MagicStamp magicStamp;
  int stampIndex = 0;     // the stamp chosen on the stamp panel: file pat<stampIndex + 1>.dat
  AreaPicture areaPicture;  // the picture eraser's tiles or the texture fill's texture
  int lineStartX = -1, lineStartY = -1;  // press point of a line gesture; -1 when none
  CanvasPoint shapeAnchor{-1, -1};     // press point of a shape gesture
  CanvasPoint shapeLastPoint{-1, -1};  // where the shape's outline preview is shown
  bool shapeGesture = false;           // from a shapes press to its release
};

// Clears the line gesture: line start and last point back to (-1, -1).
void ResetLinePoints(ToolState* tools);
