#include "relayframereader.h"

#include <QDebug>

namespace
{
    const QByteArray StartMarker("_$!<");
    const QByteArray EndMarker(">!$_");
}

QStringList RelayFrameReader::take(const QByteArray &bytes)
{
    QStringList urls;
    m_buffer.append(bytes);
    if (m_buffer.size() < StartMarker.size() + EndMarker.size())
        return urls;
    for (int end = m_buffer.indexOf(EndMarker); end >= 0; end = m_buffer.indexOf(EndMarker)) {
        const QByteArray frame = m_buffer.left(end);
        m_buffer.remove(0, end + EndMarker.size());
        const int start = frame.indexOf(StartMarker);
        if (start >= 0) {
            const QByteArray payload = frame.mid(start + StartMarker.size());
            const auto decoded = QByteArray::fromBase64Encoding(payload, QByteArray::AbortOnBase64DecodingErrors);
            if (decoded)
                urls.append(QString::fromUtf8(*decoded));
            else
                qDebug("Undecodable frame, dropped");
        }
        if (m_buffer.size() < StartMarker.size() + EndMarker.size())
            return urls;
    }
    if (m_buffer.size() > MaxPending)
        m_buffer.clear();
    return urls;
}
