#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// JavaScript data files of the exported pages: a prefix, then a JSON value in
// exactly the bytes of QJsonDocument's indented form, made here without a
// document per value (LinksFileWriter streams a table row by row).
namespace JsonDataFile
{
    // The value's indented text as it stands at the given nesting depth:
    // the first line unindented, every later line indented by 4 * depth
    // blanks, no final line break.
    QByteArray indentedValue(const QJsonValue &value, int depth);
    void appendIndented(QByteArray &out, const QJsonValue &value, int depth);
    // A string in quotes with Qt's escapes.
    void appendString(QByteArray &out, const QString &text);

    // Writes prefix + the document and its final line break; false when a
    // write fails.
    bool writeDocument(QIODevice &device, const QByteArray &prefix, const QJsonValue &document);

    // Opens folder/fileName write-only and truncating (the folder is made
    // when missing) and writes the document; false when either fails.
    bool writeFile(const QString &folder, const QString &fileName, const QByteArray &prefix,
                   const QJsonValue &document);
}
