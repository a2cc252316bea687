#include "FStartUpCrashRecord.h"

#include "FMessageDialog.h"
#include "IKvBaseLog.h"
#include "KvConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

const char kSection[] = "[StartUp]";
const QChar kSeparator = QLatin1Char('|');

QStringList splitNames(const QString &value)
{
    QStringList names;
    for (const QString &name : value.split(kSeparator, Qt::SkipEmptyParts)) {
        const QString trimmed = name.trimmed();
        if (!trimmed.isEmpty() && !names.contains(trimmed))
            names << trimmed;
    }
    return names;
}

QString joinNames(const QStringList &names)
{
    QStringList clean;
    for (QString name : names) {
        name.remove(kSeparator);
        name.replace(QLatin1Char('\n'), QLatin1Char(' '));
        name.replace(QLatin1Char('\r'), QLatin1Char(' '));
        clean << name;
    }
    return clean.join(kSeparator);
}

} // namespace

bool FStartUpCrashRecord::State::operator==(const State &other) const
{
    return active == other.active && running == other.running && count == other.count && suspects == other.suspects;
}

FStartUpCrashRecord::State FStartUpCrashRecord::parse(const QByteArray &text)
{
    // Written by this class only; whatever else is found counts as "nothing
    // known", never as a crash.
    State state;
    bool inSection = false;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line == QLatin1String(kSection);
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inSection || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Active")) {
            state.active = value == QLatin1String("1") || value == QLatin1String("true");
        } else if (key == QLatin1String("Running")) {
            state.running = splitNames(value);
        } else if (key == QLatin1String("Suspects")) {
            state.suspects = splitNames(value);
        } else if (key == QLatin1String("Count")) {
            bool ok = false;
            const int count = value.toInt(&ok);
            state.count = ok ? qBound(0, count, 1000) : 0;
        }
    }
    return state;
}

QByteArray FStartUpCrashRecord::serialize(const State &state)
{
    QByteArray text(kSection);
    text += "\nActive=" + QByteArray(state.active ? "1" : "0");
    text += "\nRunning=" + joinNames(state.running).toUtf8();
    text += "\nSuspects=" + joinNames(state.suspects).toUtf8();
    text += "\nCount=" + QByteArray::number(state.count) + '\n';
    return text;
}

FStartUpCrashRecord::State FStartUpCrashRecord::carryOver(const State &previous)
{
    State next;
    // The previous start got through (or never wrote): nothing to carry.
    if (!previous.active)
        return next;
    if (previous.count > 0) {
        QStringList common;
        for (const QString &task : previous.running) {
            if (previous.suspects.contains(task))
                common << task;
        }
        if (!common.isEmpty()) {
            next.count = previous.count + 1;
            next.suspects = common;
            return next;
        }
    }
    next.count = 1;
    next.suspects = previous.running;
    return next;
}

bool FStartUpCrashRecord::needsSafeMode(const State &state)
{
    return state.count >= kRepeats && !state.suspects.isEmpty();
}

QString FStartUpCrashRecord::noticeText(int count, const QStringList &suspects)
{
    QStringList quoted;
    for (const QString &task : suspects)
        quoted << QStringLiteral("\"%1\"").arg(task);
    // Only ever shown from kRepeats (2) starts on.
    return tr("The editor closed unexpectedly %1 times in a row while starting, each time during this start-up "
              "step: %2.\nIt starts in safe mode this time, with GPU acceleration off. You can switch it on again "
              "in the preferences.")
        .arg(count)
        .arg(quoted.join(QStringLiteral(", ")));
}

FStartUpCrashRecord::FStartUpCrashRecord(const QString &filePath)
    : m_path(filePath)
{
}

FStartUpCrashRecord &FStartUpCrashRecord::forThisRun()
{
    static FStartUpCrashRecord record(QFileInfo(KvConfig::Instance()->storeFile()).absolutePath()
                                      + QStringLiteral("/StartUpRecord.ini"));
    return record;
}

bool FStartUpCrashRecord::begin()
{
    State previous;
    const QFileInfo info(m_path);
    QFile file(m_path);
    if (info.exists()) {
        // Only a small regular file: opening a FIFO would wait for a writer.
        if (!info.isFile() || info.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
            KV_LOG_INFO("start-up record \"%s\" not read: not a small readable file", KV_CSTR(m_path));
        else
            previous = parse(file.read(kMaxFileSize));
    }
    State next = carryOver(previous);
    const bool safeMode = needsSafeMode(next);
    {
        QMutexLocker locker(&m_mutex);
        m_state = next;
        m_state.active = true;
        m_recording = true;
        save();
    }
    if (next.count > 0)
        KV_LOG_INFO("the previous start ended during start-up (%d in a row; running: %s)", next.count,
                    KV_CSTR(previous.running.join(QStringLiteral(", "))));
    if (!safeMode)
        return false;
    KV_LOG_INFO("starts died %d times in a row during \"%s\": this start runs in safe mode", next.count,
                KV_CSTR(next.suspects.join(QStringLiteral(", "))));
    QMutexLocker locker(&m_mutex);
    m_notice = noticeText(next.count, next.suspects);
    return true;
}

void FStartUpCrashRecord::taskStarted(const QString &name)
{
    QMutexLocker locker(&m_mutex);
    if (!m_recording)
        return;
    m_state.running << name;
    save();
}

void FStartUpCrashRecord::taskFinished(const QString &name)
{
    QMutexLocker locker(&m_mutex);
    if (!m_recording)
        return;
    m_state.running.removeOne(name);
    save();
}

void FStartUpCrashRecord::finish()
{
    QString notice;
    {
        QMutexLocker locker(&m_mutex);
        if (!m_recording)
            return;
        m_recording = false;
        m_state = State();
        save();
        notice.swap(m_notice);
    }
    // Told on the first turn of the event loop, above the first page (shown
    // earlier it would end up behind it); a start that ends before the loop
    // never runs it.
    if (notice.isEmpty() || !QCoreApplication::instance())
        return;
    QTimer::singleShot(0, QCoreApplication::instance(), [notice] {
        FMessageDialog::notify(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(), notice,
                               QLatin1String(kNoticeObjectName));
    });
}

FStartUpCrashRecord::State FStartUpCrashRecord::state() const
{
    QMutexLocker locker(&m_mutex);
    return m_state;
}

bool FStartUpCrashRecord::save()
{
    // Called with the lock held, so the writes land in the order of the changes.
    const QString temporary = m_path + QStringLiteral(".new");
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QFile file(temporary);
    const QByteArray bytes = serialize(m_state);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    file.close();
    // rename() replaces the old file in one step; QFile::rename would refuse.
    ok = ok && std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(m_path).constData()) == 0;
    if (!ok) {
        // Once: the folder that refused one write refuses the next ones too.
        if (!m_writeFailed)
            KV_LOG_ERROR("start-up record \"%s\" not written", KV_CSTR(m_path));
        m_writeFailed = true;
        QFile::remove(temporary);
    }
    return ok;
}
