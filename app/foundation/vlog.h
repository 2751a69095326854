#pragma once

#include <QString>

// The main program's log, "app.txt" in the log folder. vlogInit opens it once
// at start-up; calling it again does no harm. The helpers write one entry
// each, from any thread, and never throw: before vlogInit, or when the log
// folder cannot be written, entries are dropped.
void vlogInit();
void vlogInfo(const QString &text);
void vlogError(const QString &text);
