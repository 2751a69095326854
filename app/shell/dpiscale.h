#pragma once

// The display scale the program runs at, read before the application object
// exists (Qt must see QT_SCALE_FACTOR before it starts).

// 96 dpi is 1; above it the ratio to 96 times 0.956, never below 1 (144 dpi
// gives 1.434). Pure.
float dpiToScale(float dpi);

// The X server's Xft.dpi resource, else the first screen's pixels per inch
// from its millimetres, else 96 (no display, or a screen without a size).
float readScreenDpi();

// Writes the screen's dpi to dpi and returns its scale.
float computeDpiScale(float &dpi);
