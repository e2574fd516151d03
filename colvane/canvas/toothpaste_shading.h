// Colour maths of the toothpaste tube: the hue and saturation of its colour, and the lit
// colour of each point of the tube's round cross-section.
#pragma once
#include <cstdint>

// Hue (0..1) and saturation (0..1) of a COLORREF in the HLS model; the lightness is not needed.
void HueAndSaturation(uint32_t colour, double* hue, double* saturation);

// The tube as seen at offset (fx, fy) from the dab centre, for a dab of radius h: a sphere lit
// from the upper left gives the lightness, hue and saturation come from the tube's colour.
// Returns a COLORREF.
uint32_t ShadeToothpaste(double fx, double fy, double radius, double hue, double saturation);
