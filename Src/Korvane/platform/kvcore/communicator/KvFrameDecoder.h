#pragma once

#include "KvCommunicatorProtocol.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Cuts a byte stream into communicator texts.
//
// Frame on the wire:
//
//     "KVC1"  4 bytes of magic
//     length  4 bytes, unsigned, big-endian: size of the payload in bytes
//     payload `length` bytes of UTF-8 text (see KvCommunicatorMsg)
//
// Bytes may arrive in any chunking. A stream that does not start a frame
// with the magic, declares a payload over the limit, or carries a payload
// that is not UTF-8 puts the decoder in its error state for good: the
// connection is to be dropped. Only whole frames are handed out, and the
// decoder never holds more than one header plus the limit.
class KvFrameDecoder
{
public:
    static constexpr int kHeaderSize = 8;

    explicit KvFrameDecoder(int maxPayload = KvCommunicator::kMaxPayload);

    // Consumes `chunk` and returns the texts it completed, in order. After an
    // error it returns only those completed before the error and ignores
    // everything fed later.
    QStringList feed(const QByteArray &chunk);

    bool hasError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    // True while part of a frame is held, waiting for the rest.
    bool isMidFrame() const { return m_headerFill > 0; }
    qint64 bufferedBytes() const { return m_headerFill + m_payload.size(); }
    int maxPayload() const { return m_maxPayload; }

    // The frame of `text`; empty when its UTF-8 form is over `maxPayload`.
    static QByteArray encode(const QString &text, int maxPayload = KvCommunicator::kMaxPayload);

private:
    void fail(const QString &error);

    const int m_maxPayload;
    char m_header[kHeaderSize] = {};
    int m_headerFill = 0;
    quint32 m_payloadSize = 0;
    QByteArray m_payload;
    QString m_error;
};
