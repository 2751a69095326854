#include "jsondatafile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace {

// The slow, sure way: Qt's own text of a one-element array.
QByteArray qtScalarText(const QJsonValue &value)
{
    const QByteArray compact = QJsonDocument(QJsonArray {value}).toJson(QJsonDocument::Compact);
    return compact.mid(1, compact.size() - 2);
}

// A string as Qt writes it: UTF-8, with \" \\ \b \f \n \r \t and \u00xx
// for the other control characters.
} // namespace

void JsonDataFile::appendString(QByteArray &out, const QString &text)
{
    static const char hex[] = "0123456789abcdef";
    const QByteArray utf8 = text.toUtf8();
    out += '"';
    const char *const begin = utf8.constData();
    const char *const end = begin + utf8.size();
    const char *run = begin;
    for (const char *p = begin; p != end; ++p) {
        const auto u = static_cast<unsigned char>(*p);
        if (u >= 0x20 && *p != '"' && *p != '\\')
            continue;
        out.append(run, int(p - run));
        run = p + 1;
        out += '\\';
        switch (*p) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '\b': out += 'b'; break;
        case '\f': out += 'f'; break;
        case '\n': out += 'n'; break;
        case '\r': out += 'r'; break;
        case '\t': out += 't'; break;
        default:
            out += "u00";
            out += hex[u >> 4];
            out += hex[u & 0xf];
        }
    }
    out.append(run, int(end - run));
    out += '"';
}

namespace {

using JsonDataFile::appendString;

void appendScalar(QByteArray &out, const QJsonValue &value)
{
    if (value.isString()) {
        appendString(out, value.toString());
        return;
    }
    if (value.isDouble()) {
        // Whole numbers Qt prints as integers; everything else is left to Qt.
        const double d = value.toDouble();
        if (d == double(qint64(d)) && d > -9007199254740992.0 && d < 9007199254740992.0) {
            out += QByteArray::number(qint64(d));
            return;
        }
    }
    out += qtScalarText(value);
}

void indent(QByteArray &out, int depth)
{
    out.append(4 * depth, ' ');
}

void appendValue(QByteArray &out, const QJsonValue &value, int depth)
{
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        out += "[\n";
        for (int i = 0; i < array.size(); ++i) {
            indent(out, depth + 1);
            appendValue(out, array.at(i), depth + 1);
            out += i + 1 < array.size() ? ",\n" : "\n";
        }
        indent(out, depth);
        out += ']';
        return;
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        out += "{\n";
        // QJsonObject keeps its keys sorted by code unit, as Qt writes them.
        int left = object.size();
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            indent(out, depth + 1);
            appendString(out, it.key());
            out += ": ";
            appendValue(out, it.value(), depth + 1);
            out += --left ? ",\n" : "\n";
        }
        indent(out, depth);
        out += '}';
        return;
    }
    appendScalar(out, value);
}

} // namespace

QByteArray JsonDataFile::indentedValue(const QJsonValue &value, int depth)
{
    QByteArray text;
    appendValue(text, value, depth);
    return text;
}

void JsonDataFile::appendIndented(QByteArray &out, const QJsonValue &value, int depth)
{
    appendValue(out, value, depth);
}

bool JsonDataFile::writeDocument(QIODevice &device, const QByteArray &prefix, const QJsonValue &document)
{
    QByteArray text = prefix;
    appendValue(text, document, 0);
    text += '\n';
    return device.write(text) == text.size();
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
