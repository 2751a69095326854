#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QVarLengthArray>

// One flat row of a table's data file: keys are literals, values texts or
// whole numbers. Lighter than a QJsonObject for the million-row tables, and
// written in the same bytes (keys in code-unit order).
class TableRow
{
public:
    // key must outlive the row (a literal). A key set twice keeps the last.
    void insert(const char *key, const QString &text);
    void insert(const char *key, qint64 number);

    QString text(const char *key) const;
    QJsonObject toJsonObject() const;
    // The row as QJsonDocument's indented writer gives it at that depth.
    void appendIndented(QByteArray &out, int depth) const;

private:
    struct Field
    {
        const char *key;
        QString text;
        qint64 number;
        bool isNumber;
    };
    Field &slot(const char *key);

    QVarLengthArray<Field, 12> m_fields;
};
