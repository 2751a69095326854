#pragma once

#include <QByteArray>
#include <QStringList>

// The relay's framing: "_$!<" + Base64 of the URL + ">!$_", any number of
// frames in one read or one frame across several. What a client writes is
// untrusted; a frame that never ends costs at most MaxPending bytes.
class RelayFrameReader
{
public:
    static constexpr int MaxPending = 500;

    // Takes the bytes of one read and returns the URLs of the frames they
    // complete, in order; an undecodable frame is dropped.
    QStringList take(const QByteArray &bytes);
    // Bytes kept for a frame not yet ended.
    int pending() const { return m_buffer.size(); }

private:
    QByteArray m_buffer;
};
