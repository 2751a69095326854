#include "mytablewidgetitem.h"

#include <QDateTime>

#include <limits>

namespace
{
    // 64-bit seconds, so that times before 1970 sort as the earliest.
    qint64 secondsOf(const QString &text)
    {
        const QDateTime time = QDateTime::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        return time.isValid() ? time.toSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    }
}

MyTableWidgetItem::MyTableWidgetItem() = default;

MyTableWidgetItem::MyTableWidgetItem(const QString &text)
    : QTableWidgetItem(text)
{
}

MyTableWidgetItem::MyTableWidgetItem(const QIcon &icon, const QString &text)
    : QTableWidgetItem(icon, text)
{
}

bool MyTableWidgetItem::operator<(const QTableWidgetItem &other) const
{
    return secondsOf(text()) > secondsOf(other.text());
}
