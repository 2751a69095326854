#pragma once

#include "recovererror.h"

#include <QFile>
#include <QScopedPointer>
#include <QString>
#include <QTextStream>

// The text file behind the CSV and vCard writers: created or truncated,
// UTF-8 without byte-order mark, and the export's error codes for what
// goes wrong.
class ExportTextFile
{
public:
    ~ExportTextFile();

    // False, with the code (3 nearly full volume, else 4), when the file
    // cannot be created.
    bool open(const QString &path, RecoverError::ErrorType &error);
    // Flushes and closes; the code of a failed write, else NoError. A file
    // whose writing failed is removed.
    RecoverError::ErrorType close();
    bool isOpen() const { return !m_file.isNull(); }
    QTextStream &stream() { return m_stream; }
    // NoError while every write went through; else 3 when the file is
    // there (the disk filled up), 4 when it went away.
    RecoverError::ErrorType writeError() const;

    static RecoverError::ErrorType openFailureCode(const QString &path);

private:
    QScopedPointer<QFile> m_file;
    QTextStream m_stream;
};
