#include "KvSubtitleFile.h"

#include <QFile>
#include <QRegularExpression>

namespace {

qint64 toMs(const QRegularExpressionMatch &m, int first)
{
    return ((m.captured(first).toLongLong() * 60 + m.captured(first + 1).toLongLong()) * 60
            + m.captured(first + 2).toLongLong())
        * 1000
        + m.captured(first + 3).leftJustified(3, QLatin1Char('0')).left(3).toLongLong();
}

} // namespace

QVector<KvSubtitleFile::Cue> KvSubtitleFile::read(const QString &path)
{
    QFile file(path);
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}

QVector<KvSubtitleFile::Cue> KvSubtitleFile::parse(const QString &text)
{
    // "00:00:01,500 --> 00:00:03,000"; a dot instead of the comma is common
    // too. Hours are bounded so that no line can overflow the milliseconds.
    static const QRegularExpression timeLine(
        QStringLiteral(R"(^\s*(\d{1,6}):(\d{1,2}):(\d{1,2})[,.](\d{1,3})\s*-->\s*(\d{1,6}):(\d{1,2}):(\d{1,2})[,.](\d{1,3}))"));
    QVector<Cue> cues;
    Cue *open = nullptr;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = timeLine.match(line);
        if (match.hasMatch()) {
            Cue cue;
            cue.startMs = toMs(match, 1);
            cue.endMs = toMs(match, 5);
            if (cue.endMs <= cue.startMs) {
                open = nullptr;
                continue;
            }
            cues << cue;
            open = &cues.last();
            continue;
        }
        if (line.trimmed().isEmpty()) {
            open = nullptr;
            continue;
        }
        if (open)
            open->text += (open->text.isEmpty() ? QString() : QStringLiteral("\n")) + line.trimmed();
    }
    return cues;
}

QString KvSubtitleFile::textAt(const QVector<Cue> &cues, qint64 ms)
{
    for (const Cue &cue : cues) {
        if (cue.startMs <= ms && ms < cue.endMs)
            return cue.text;
    }
    return QString();
}
