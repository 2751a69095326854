#pragma once

#include <QString>

class QWidget;

// Saves widget->grab() as <QUENROW_SHOTS_DIR>/<name>.png (CTest sets the
// folder to build/test-shots/<test>) and returns the file's path; empty when
// the variable is unset or the file cannot be written. Look at the shots.
QString saveShot(QWidget *widget, const QString &name);
