#include "KvIniWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString sectionName(const QByteArray &line)
{
    const QByteArray t = line.trimmed();
    if (t.size() >= 2 && t.startsWith('[') && t.endsWith(']'))
        return QString::fromUtf8(t.mid(1, t.size() - 2)).trimmed();
    return {};
}

bool isKeyLine(const QByteArray &line, const QString &key)
{
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#'))
        return false;
    const int eq = t.indexOf('=');
    return eq > 0 && QString::fromUtf8(t.left(eq)).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

QByteArray KvIniWriter::setValue(const QByteArray &text, const QString &section, const QString &key,
                                 const QString &value)
{
    const QByteArray newline = text.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    QList<QByteArray> lines;
    if (!text.isEmpty())
        lines = text.split('\n');
    if (text.endsWith('\n'))
        lines.removeLast();
    // Carriage returns at the end of a line belong to its ending: a stray
    // one kept as text would be written back as the start of a CRLF and
    // turn the whole file to CRLF at the next write.
    for (QByteArray &line : lines) {
        while (line.endsWith('\r'))
            line.chop(1);
    }
    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();

    int sectionStart = -1;
    int insertAt = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const QString name = sectionName(lines.at(i));
        if (!name.isEmpty()) {
            if (sectionStart >= 0)
                break; // past the end of our section
            if (name.compare(section, Qt::CaseInsensitive) == 0) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (isKeyLine(lines.at(i), key)) {
            lines[i] = entry;
            return lines.join(newline) + newline;
        }
        // New keys go after the section's last non-blank line.
        if (!lines.at(i).trimmed().isEmpty())
            insertAt = i + 1;
    }
    if (sectionStart >= 0) {
        lines.insert(insertAt, entry);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append('[' + section.toUtf8() + ']');
        lines.append(entry);
    }
    return lines.join(newline) + newline;
}

bool KvIniWriter::writePrivateProfileString(const QString &section, const QString &key, const QString &value,
                                            const QString &filePath, QString *error)
{
    QByteArray text;
    QFile in(filePath);
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly)) {
            if (error)
                *error = in.errorString();
            return false;
        }
        text = in.readAll();
        in.close();
    }
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    QSaveFile out(filePath);
    if (!out.open(QIODevice::WriteOnly) || out.write(setValue(text, section, key, value)) < 0 || !out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}
