#pragma once

class QWidget;

// Whether a top-level window's transparent parts are shown as such. On X11
// that takes a compositing manager; without one they would show black, so
// the kit's frameless windows then keep an opaque background instead.
bool translucentWindowsShown();

// Gives the window a transparent background where the display shows one.
void setTranslucentWindowBackground(QWidget *window);
