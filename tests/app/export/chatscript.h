#pragma once

#include <QFile>
#include <QJSEngine>
#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

// What a chat page sees of a data file: the file run as a script, then
// window.dict as JSON. An error gives a one-element array naming it.
inline QJsonArray evaluateDict(const QByteArray &script)
{
    QJSEngine engine;
    const QJSValue result = engine.evaluate(QStringLiteral("var window = {};\n") + QString::fromUtf8(script) +
                                            QStringLiteral("\n;JSON.stringify(window.dict)"));
    if (result.isError())
        return QJsonArray{QStringLiteral("error: ") + result.toString()};
    return QJsonDocument::fromJson(result.toString().toUtf8()).array();
}

// A whole file, or "<missing>".
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
