#include "jsondatafile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace {

// Qt escapes strings and prints numbers on its own; a one-element array
// gives exactly its text for a scalar.
QByteArray scalarText(const QJsonValue &value)
{
    const QByteArray compact = QJsonDocument(QJsonArray {value}).toJson(QJsonDocument::Compact);
    return compact.mid(1, compact.size() - 2);
}

QByteArray indentation(int depth)
{
    return QByteArray(4 * depth, ' ');
}

bool put(QIODevice &device, const QByteArray &bytes)
{
    return device.write(bytes) == bytes.size();
}

// Writes value at depth, element by element for containers.
bool writeValue(QIODevice &device, const QJsonValue &value, int depth)
{
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        if (array.isEmpty())
            return put(device, "[\n" + indentation(depth) + "]");
        if (!put(device, "[\n"))
            return false;
        for (int i = 0; i < array.size(); ++i) {
            if (!put(device, indentation(depth + 1)) || !writeValue(device, array.at(i), depth + 1))
                return false;
            if (!put(device, i + 1 < array.size() ? ",\n" : "\n"))
                return false;
        }
        return put(device, indentation(depth) + "]");
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        if (object.isEmpty())
            return put(device, "{\n" + indentation(depth) + "}");
        if (!put(device, "{\n"))
            return false;
        // QJsonObject keeps its keys sorted by code unit, as Qt writes them.
        int left = object.size();
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            const QByteArray key = scalarText(QJsonValue(it.key()));
            if (!put(device, indentation(depth + 1) + key + ": ") || !writeValue(device, it.value(), depth + 1))
                return false;
            if (!put(device, --left ? ",\n" : "\n"))
                return false;
        }
        return put(device, indentation(depth) + "}");
    }
    return put(device, scalarText(value));
}

} // namespace

QByteArray JsonDataFile::indentedValue(const QJsonValue &value, int depth)
{
    QByteArray text;
    QBuffer buffer(&text);
    buffer.open(QIODevice::WriteOnly);
    writeValue(buffer, value, depth);
    return text;
}

bool JsonDataFile::writeDocument(QIODevice &device, const QByteArray &prefix, const QJsonValue &document)
{
    return put(device, prefix) && writeValue(device, document, 0) && put(device, "\n");
}

bool JsonDataFile::writeFile(const QString &folder, const QString &fileName, const QByteArray &prefix,
                             const QJsonValue &document)
{
    if (!QDir().mkpath(folder))
        return false;
    QFile file(folder + '/' + fileName);
    // Truncating: an older, longer file must not leave its tail behind.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = writeDocument(file, prefix, document);
    return file.flush() && written;
}
