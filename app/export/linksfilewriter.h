#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include "tablerow.h"

// Where a table writer puts its heading and rows.
class TableRowSink
{
public:
    virtual ~TableRowSink() = default;
    virtual void setHeader(const QString &header) = 0;
    virtual void addRow(const QJsonObject &row) = 0;
    virtual void addRow(const TableRow &row) { addRow(row.toJsonObject()); }
};

// Collects the table object {"header", "links"} in memory.
class TableObjectSink : public TableRowSink
{
public:
    explicit TableObjectSink(QJsonObject &table) : m_table(table) {}
    ~TableObjectSink() override;
    void setHeader(const QString &header) override { m_header = header; }
    void addRow(const QJsonObject &row) override { m_links.append(row); }
    using TableRowSink::addRow;

private:
    QJsonObject &m_table;
    QString m_header;
    QJsonArray m_links;
};

// Writes links.js as the rows come, in the same bytes as the table object
// (or, as a list, the contacts array) written whole by the page writer, so
// that a table of a million rows never stands in memory. A list of no rows
// writes no file; a table always has its file.
class LinksFileWriter : public TableRowSink
{
public:
    enum Form
    {
        TableForm, // {"header": ..., "links": [rows]}
        ListForm   // [rows]
    };

    LinksFileWriter(const QString &folder, const QString &fileName, const QByteArray &prefix, Form form);
    ~LinksFileWriter() override;

    // The heading must come before the first row (tables only).
    void setHeader(const QString &header) override;
    void addRow(const QJsonObject &row) override;
    void addRow(const TableRow &row) override;
    // Closes the text; true when the file is complete (or, for an empty
    // list, rightly absent).
    bool finish();

private:
    bool openFile();
    // Starts the next row; false when nothing can be written.
    bool beginRow(int depth);
    void endRow();
    void put(const QByteArray &bytes);
    void flushBuffer();

    QString m_folder;
    QString m_fileName;
    QByteArray m_prefix;
    Form m_form;
    QString m_header;
    QFile m_file;
    QByteArray m_buffer;
    qint64 m_rows = 0;
    bool m_failed = false;
    bool m_finished = false;
};
