#include "linksfilewriter.h"

#include "jsondatafile.h"

#include <QDir>
#include <QJsonValue>

TableObjectSink::~TableObjectSink()
{
    m_table.insert(QStringLiteral("header"), m_header);
    m_table.insert(QStringLiteral("links"), m_links);
}

LinksFileWriter::LinksFileWriter(const QString &folder, const QString &fileName, const QByteArray &prefix,
                                 Form form)
    : m_folder(folder), m_fileName(fileName), m_prefix(prefix), m_form(form)
{
}

LinksFileWriter::~LinksFileWriter()
{
    finish();
}

void LinksFileWriter::setHeader(const QString &header)
{
    m_header = header;
}

bool LinksFileWriter::openFile()
{
    if (m_file.isOpen())
        return true;
    if (m_failed || !QDir().mkpath(m_folder))
        return false;
    m_file.setFileName(m_folder + '/' + m_fileName);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_failed = true;
        return false;
    }
    put(m_prefix);
    if (m_form == TableForm) {
        put("{\n    \"header\": " + JsonDataFile::indentedValue(m_header, 1) + ",\n    \"links\": [");
    } else {
        put("[");
    }
    return !m_failed;
}

// Rows gather in a buffer; anything else written first flushes it.
void LinksFileWriter::put(const QByteArray &bytes)
{
    flushBuffer();
    if (!m_failed && m_file.write(bytes) != bytes.size())
        m_failed = true;
}

void LinksFileWriter::flushBuffer()
{
    if (m_buffer.isEmpty())
        return;
    if (!m_failed && m_file.write(m_buffer) != m_buffer.size())
        m_failed = true;
    m_buffer.clear();
}

bool LinksFileWriter::beginRow(int depth)
{
    if (m_finished || !openFile())
        return false;
    m_buffer += m_rows++ ? ",\n" : "\n";
    m_buffer.append(4 * depth, ' ');
    return true;
}

void LinksFileWriter::endRow()
{
    if (m_buffer.size() >= 1 << 16)
        flushBuffer();
}

void LinksFileWriter::addRow(const QJsonObject &row)
{
    const int depth = m_form == TableForm ? 2 : 1;
    if (!beginRow(depth))
        return;
    JsonDataFile::appendIndented(m_buffer, row, depth);
    endRow();
}

void LinksFileWriter::addRow(const TableRow &row)
{
    const int depth = m_form == TableForm ? 2 : 1;
    if (!beginRow(depth))
        return;
    row.appendIndented(m_buffer, depth);
    endRow();
}

bool LinksFileWriter::finish()
{
    if (m_finished)
        return !m_failed;
    m_finished = true;
    if (m_form == ListForm && m_rows == 0)
        return true;
    if (!openFile())
        return false;
    if (m_form == TableForm)
        put("\n    ]\n}\n");
    else
        put("\n]\n");
    if (!m_file.flush())
        m_failed = true;
    m_file.close();
    return !m_failed;
}
