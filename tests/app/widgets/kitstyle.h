#pragma once

#include <QApplication>
#include <QFile>

// The application's style sheet, as the program applies it to every window:
// the small dialogs get their look from it.
inline bool useApplicationStyleSheet()
{
    QFile sheet(QStringLiteral(":/CSS/global.css"));
    if (!sheet.open(QIODevice::ReadOnly))
        return false;
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    return true;
}
