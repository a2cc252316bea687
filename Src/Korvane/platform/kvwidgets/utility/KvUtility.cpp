#include "KvUtility.h"

#include "KvCheck.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QToolButton>
#include <QWidget>

namespace {
QPointer<QWidget> s_mainWindow;
}

void KvUtility::gSetMainWindow(QWidget *window)
{
    s_mainWindow = window;
}

QWidget *KvUtility::gMainWindow()
{
    return s_mainWindow.data();
}

void KvUtility::enableClearButton(QLineEdit *lineEdit, const QString &name)
{
    KV_CHECK(lineEdit, return);
    lineEdit->setClearButtonEnabled(true);
    // The clear button is a tool button the line edit makes for its clear
    // action; buttons of the caller's own actions are named by their text.
    for (QToolButton *button : lineEdit->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (button->text().isEmpty() && button->accessibleName().isEmpty()) {
            button->setAccessibleName(name);
            button->setToolTip(name);
        }
    }
}

QString KvUtility::gGetFileSizeAuto(qint64 bytes)
{
    if (bytes < 1024)
        return QStringLiteral("%1 B").arg(qMax<qint64>(0, bytes));
    static const char *const units[] = {"KB", "MB", "GB", "TB"};
    double value = double(bytes) / 1024.0;
    int unit = 0;
    // Round first, so that 1023.999 KB reads "1.00 MB" rather than "1024.00 KB".
    while (unit < 3 && qRound64(value * 100) >= 1024 * 100) {
        value /= 1024.0;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(value, 0, 'f', 2).arg(QLatin1String(units[unit]));
}

QString KvUtility::GetSysRamSize()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly))
        return QString();
    // "MemTotal:       16294232 kB", the first line; a few lines suffice.
    // (A /proc file has no size, so atEnd() cannot tell; an empty read does.)
    for (int line = 0; line < 8; ++line) {
        const QByteArray text = meminfo.readLine(256);
        if (text.isEmpty())
            break;
        const QList<QByteArray> fields = text.simplified().split(' ');
        if (fields.size() < 2 || fields.first() != "MemTotal:")
            continue;
        bool ok = false;
        const qint64 kib = fields.at(1).toLongLong(&ok);
        return ok && kib > 0 ? gGetFileSizeAuto(kib * 1024) : QString();
    }
    return QString();
}
