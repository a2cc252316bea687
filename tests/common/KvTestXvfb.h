#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

// Starts a private X server in `server` and returns its display (":N"), or
// an empty string when Xvfb is not installed or gave no display.
inline QString kvStartXvfb(QProcess &server, const QString &screen = QStringLiteral("1280x720x24"))
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return {};
    // -displayfd 1: Xvfb picks a free display and prints its number.
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), screen, QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server.waitForStarted(5000))
        return {};
    QByteArray number;
    QElapsedTimer timer;
    timer.start();
    while (!number.contains('\n') && timer.elapsed() < 10000) {
        server.waitForReadyRead(100);
        number += server.readAllStandardOutput();
    }
    return number.contains('\n') ? QLatin1Char(':') + QString::fromLatin1(number.trimmed()) : QString();
}
