#pragma once

// The JSON form of the store's records, as quenrow-store-dump prints them:
// every field under its name, a QVariant field as the record it holds or
// null, labelled values as [label, value] pairs, attachment lists as arrays.

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVariant>

#include <functional>

namespace StoreJson {

// The record inside the value and its type's name without the namespace
// ("SMSSessionInfo"); null and an empty name for a value holding no record.
QJsonValue recordJson(const QVariant &value, QString *typeName = nullptr);
// A JSON string literal of the text, quotes included.
QByteArray quoted(const QString &text);

using LineWriter = std::function<void(const QByteArray &line)>;
// The store of group 0 as quenrow-store-dump prints it: every record of each
// category list, types ascending, then the messages of each conversation, the
// chat session lists and the LINE messages; with count, one line per list.
void writeStore(bool count, const LineWriter &writeLine);

} // namespace StoreJson
