// The shapes tool on the screen (drawing mode 25): the anchor at the press, the outline or
// ellipse preview in R2_NOT while dragging, and the final shape, hollow or filled, on release.
#pragma once
#include <windows.h>

#include "colvane/canvas/paint_session.h"
#include "colvane/canvas/shapes.h"

bool ShapePress(HWND window, PaintSession& s, POINT paper);
bool ShapeDrag(HWND window, PaintSession& s, POINT paper);
// Draws the panel's shape (0 ellipse, 1-6 polygons) from the anchor to the point.
bool ShapeRelease(HWND window, PaintSession& s, POINT paper);

// The final drawings: a polygon (its region filled with the foreground first when `filled`,
// then the brush outline) and the ellipse in the box between two paper points. Both end with
// the whole canvas shown again.
void DrawShapePolygon(HWND window, const CanvasPoint* vertices, int count, int filled);
void DrawShapeEllipse(HWND window, POINT from, POINT to, int filled);
// Paints a GDI region (paper coordinates) with one colour, inside the selection only.
void FillCanvasRegion(HRGN region, COLORREF colour);
