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

} // namespace

// A string as Qt writes it: UTF-8, with \" \\ \b \f \n \r \t and \u00xx for the
// other control characters, and a lone surrogate as Qt escapes it.
void JsonDataFile::appendString(QByteArray &out, const QString &text)
{
    static const char hex[] = "0123456789abcdef";
    out.append('"');
    const QChar *p = text.constData();
    const QChar *const end = p + text.size();
    while (p < end) {
        const QChar *run = p;
        while (p < end && p->unicode() >= 0x20 && p->unicode() != '"' && p->unicode() != '\\' &&
               !p->isSurrogate())
            ++p;
        if (p > run)
            out.append(QStringView(run, p - run).toUtf8());
        if (p == end)
            break;
        const ushort c = p->unicode();
        if (p->isHighSurrogate() && p + 1 < end && p[1].isLowSurrogate()) {
            out.append(QStringView(p, 2).toUtf8());
            p += 2;
            continue;
        }
        if (p->isSurrogate()) { // unpaired: escaped, as QJsonDocument does
            out.append("\\u");
            out.append(hex[c >> 12]).append(hex[(c >> 8) & 0xF]).append(hex[(c >> 4) & 0xF]).append(hex[c & 0xF]);
            ++p;
            continue;
        }
        out.append('\\');
        switch (c) {
        case '"': out.append('"'); break;
        case '\\': out.append('\\'); break;
        case '\b': out.append('b'); break;
        case '\f': out.append('f'); break;
        case '\n': out.append('n'); break;
        case '\r': out.append('r'); break;
        case '\t': out.append('t'); break;
        default:
            out.append("u00");
            out.append(hex[c >> 4]);
            out.append(hex[c & 0xF]);
            break;
        }
        ++p;
    }
    out.append('"');
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
