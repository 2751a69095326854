#include "exporttextfile.h"

#include "fileutils.h"

#include <QFileInfo>

namespace {

constexpr quint64 MinimumFreeBytes = 10485760;

} // namespace

ExportTextFile::~ExportTextFile()
{
    close();
}

RecoverError::ErrorType ExportTextFile::openFailureCode(const QString &path)
{
    const QString ancestor = existingAncestor(QFileInfo(path).absolutePath());
    if (!ancestor.isEmpty() && QFileInfo(ancestor).isDir() && diskFreeBytes(ancestor) < MinimumFreeBytes)
        return RecoverError::NotEnoughSpace;
    return RecoverError::DiskNotFound;
}

bool ExportTextFile::open(const QString &path, RecoverError::ErrorType &error)
{
    close();
    m_file.reset(new QFile(path));
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_file.reset();
        error = openFailureCode(path);
        return false;
    }
    m_stream.setDevice(m_file.data());
    m_stream.setCodec("UTF-8");
    m_stream.setGenerateByteOrderMark(false);
    m_stream.resetStatus();
    error = RecoverError::NoError;
    return true;
}

RecoverError::ErrorType ExportTextFile::writeError() const
{
    if (m_stream.status() == QTextStream::Ok)
        return RecoverError::NoError;
    return m_file && m_file->exists() ? RecoverError::NotEnoughSpace : RecoverError::DiskNotFound;
}

RecoverError::ErrorType ExportTextFile::close()
{
    if (!m_file)
        return RecoverError::NoError;
    m_stream.flush();
    const RecoverError::ErrorType error = writeError();
    const QString path = m_file->fileName();
    m_stream.setDevice(nullptr);
    m_file.reset();
    // A table cut short (a full disk) must not pass for the whole one.
    if (error != RecoverError::NoError)
        QFile::remove(path);
    return error;
}
