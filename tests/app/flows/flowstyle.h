#pragma once

#include "fileutils.h"

#include <QApplication>

// The application's style sheet, as the program applies it to every window.
inline void useApplicationStyleSheet()
{
    qApp->setStyleSheet(readFileText(QStringLiteral(":/CSS/global.css")));
}
