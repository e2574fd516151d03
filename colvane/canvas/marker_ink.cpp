// The marker's table per ink, and whether its integer form may stand in for the table.
#include "colvane/canvas/marker_ink.h"

#include "colvane/canvas/pixel_view.h"

void FillMarkerTable(StrokeState* state, uint32_t ink, int maxWeight) {
  state->markerTable.resize(static_cast<size_t>(maxWeight + 1) * 768);
  state->markerInk = ink;
  state->markerMaxWeight = maxWeight;
  double over255[256];
  for (int i = 0; i < 256; ++i) over255[i] = i / 255.0;
  const uint8_t inkBgr[3] = {BlueOf(ink), GreenOf(ink), RedOf(ink)};
  uint8_t* t = state->markerTable.data();
  for (int v = 0; v < 256; ++v) t[v] = t[256 + v] = t[512 + v] = static_cast<uint8_t>(v);
  // The doubles fall a byte short of the exact result for a few inks where it is a whole
  // number; those inks keep to the table.
  bool arithmetic = maxWeight <= 64;
  for (int w = 1; w <= maxWeight; ++w) {
    double a = w * 0.001953125;
    for (int k = 0; k < 3; ++k) {
      // Rounded to a double as a stored factor is, also where x87 would keep more bits.
      volatile double stored = inkBgr[k] / 255.0 * a + 1 - a;
      const double f = stored;
      const uint16_t spread = static_cast<uint16_t>(w * (255 - inkBgr[k]));
      uint8_t* row = t + static_cast<size_t>(w) * 768 + k * 256;
      for (int v = 0; v < 256; ++v) {
        row[v] = static_cast<uint8_t>(255.0 * over255[v] * f);
        arithmetic = arithmetic && row[v] == MarkerByte(static_cast<uint8_t>(v), spread);
      }
    }
  }
  state->markerArithmetic = arithmetic;
}
