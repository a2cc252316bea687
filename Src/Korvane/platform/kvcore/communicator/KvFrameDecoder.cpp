#include "KvFrameDecoder.h"

#include <QTextCodec>
#include <QtEndian>

#include <cstring>

namespace {
constexpr char kMagic[4] = {'K', 'V', 'C', '1'};
}

KvFrameDecoder::KvFrameDecoder(int maxPayload)
    : m_maxPayload(maxPayload)
{
}

void KvFrameDecoder::fail(const QString &error)
{
    m_error = error;
    m_headerFill = 0;
    m_payloadSize = 0;
    m_payload.clear();
    m_payload.squeeze();
}

QStringList KvFrameDecoder::feed(const QByteArray &chunk)
{
    QStringList texts;
    const char *data = chunk.constData();
    qint64 left = chunk.size();
    while (left > 0 && !hasError()) {
        if (m_headerFill < kHeaderSize) {
            const int take = int(qMin<qint64>(kHeaderSize - m_headerFill, left));
            std::memcpy(m_header + m_headerFill, data, size_t(take));
            // The magic is checked byte by byte so that garbage is refused at
            // its first byte, not after a whole header of it.
            const int magicEnd = qMin(m_headerFill + take, int(sizeof kMagic));
            if (m_headerFill < magicEnd
                && std::memcmp(m_header + m_headerFill, kMagic + m_headerFill, size_t(magicEnd - m_headerFill)) != 0) {
                fail(QStringLiteral("bad frame magic"));
                break;
            }
            m_headerFill += take;
            data += take;
            left -= take;
            if (m_headerFill < kHeaderSize)
                break;
            m_payloadSize = qFromBigEndian<quint32>(m_header + sizeof kMagic);
            if (m_payloadSize > quint32(m_maxPayload)) {
                fail(QStringLiteral("frame declares %1 bytes, more than the limit of %2")
                         .arg(m_payloadSize)
                         .arg(m_maxPayload));
                break;
            }
        }
        const int take = int(qMin<qint64>(qint64(m_payloadSize) - m_payload.size(), left));
        m_payload.append(data, take);
        data += take;
        left -= take;
        if (quint32(m_payload.size()) < m_payloadSize)
            break;

        // IgnoreHeader: a leading byte-order mark is text, not a header to strip.
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        const QString text =
            QTextCodec::codecForMib(106)->toUnicode(m_payload.constData(), m_payload.size(), &state);
        if (state.invalidChars > 0 || state.remainingChars > 0) {
            fail(QStringLiteral("frame payload is not UTF-8"));
            break;
        }
        texts << text;
        m_headerFill = 0;
        m_payloadSize = 0;
        m_payload.clear();
    }
    return texts;
}

QByteArray KvFrameDecoder::encode(const QString &text, int maxPayload)
{
    const QByteArray payload = text.toUtf8();
    if (payload.size() > maxPayload)
        return QByteArray();
    QByteArray frame;
    frame.reserve(kHeaderSize + payload.size());
    frame.append(kMagic, sizeof kMagic);
    char length[4];
    qToBigEndian<quint32>(quint32(payload.size()), length);
    frame.append(length, sizeof length);
    frame.append(payload);
    return frame;
}
