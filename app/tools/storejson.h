#pragma once

// The JSON form of the store's records, as quenrow-store-dump prints them:
// every field under its name, a QVariant field as the record it holds or
// null, labelled values as [label, value] pairs, attachment lists as arrays.

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVariant>

namespace StoreJson {

// The record inside the value and its type's name without the namespace
// ("SMSSessionInfo"); null and an empty name for a value holding no record.
QJsonValue recordJson(const QVariant &value, QString *typeName = nullptr);
// A JSON string literal of the text, quotes included.
QByteArray quoted(const QString &text);

} // namespace StoreJson
