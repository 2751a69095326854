#include "tablerow.h"

#include "jsondatafile.h"

#include <cstring>

TableRow::Field &TableRow::slot(const char *key)
{
    int i = 0;
    for (; i < m_fields.size(); ++i) {
        const int order = std::strcmp(m_fields[i].key, key);
        if (order == 0)
            return m_fields[i];
        if (order > 0)
            break;
    }
    m_fields.insert(i, Field {key, QString(), 0, false});
    return m_fields[i];
}

void TableRow::insert(const char *key, const QString &text)
{
    Field &field = slot(key);
    field.text = text;
    field.isNumber = false;
}

void TableRow::insert(const char *key, qint64 number)
{
    Field &field = slot(key);
    field.text.clear();
    field.number = number;
    field.isNumber = true;
}

QString TableRow::text(const char *key) const
{
    for (const Field &field : m_fields) {
        if (std::strcmp(field.key, key) == 0)
            return field.text;
    }
    return QString();
}

QJsonObject TableRow::toJsonObject() const
{
    QJsonObject object;
    for (const Field &field : m_fields) {
        if (field.isNumber)
            object.insert(QLatin1String(field.key), double(field.number));
        else
            object.insert(QLatin1String(field.key), field.text);
    }
    return object;
}

void TableRow::appendIndented(QByteArray &out, int depth) const
{
    if (m_fields.isEmpty()) {
        out += "{\n";
        out.append(4 * depth, ' ');
        out += '}';
        return;
    }
    out += "{\n";
    for (int i = 0; i < m_fields.size(); ++i) {
        const Field &field = m_fields[i];
        out.append(4 * (depth + 1), ' ');
        out += '"';
        out += field.key; // literal ASCII keys need no escaping
        out += "\": ";
        if (field.isNumber)
            out += QByteArray::number(field.number);
        else
            JsonDataFile::appendString(out, field.text);
        out += i + 1 < m_fields.size() ? ",\n" : "\n";
    }
    out.append(4 * depth, ' ');
    out += '}';
}
