#pragma once

#include <functional>

// Runs work on the GUI thread's event loop, handed over from any thread (a
// worker's result). The work travels through a lock of our own rather than
// inside a queued call, so that the thread checker sees the hand-over; the
// event that wakes the GUI thread carries nothing. Work left when the
// application is gone is dropped.
void runOnGuiThread(std::function<void()> work);
