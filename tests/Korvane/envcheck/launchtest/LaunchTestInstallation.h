#pragma once

#include "KvTestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// A temporary application directory whose check programs are small shell
// scripts: each exits with a chosen code, hangs, crashes or is missing, and
// appends its arguments to "<name>.calls" (one call per line, arguments
// separated by "|") so tests see what the editor asked.
class LaunchTestInstallation
{
public:
    LaunchTestInstallation() { QDir().mkpath(dir()); }

    QString dir() const { return m_dir.path(); }
    QString path(const QString &file) const { return dir() + file; }

    // `body` runs after the call was recorded, with the arguments as "$@".
    void script(const QString &program, const QByteArray &body) const
    {
        const QString file = dir() + QLatin1Char('/') + program;
        const QString calls = dir() + QLatin1Char('/') + program + QStringLiteral(".calls");
        writeAll(file, "#!/bin/sh\n"
                       "(IFS='|'; printf '%s\\n' \"$*\") >> '" + calls.toUtf8() + "'\n" + body + "\n");
        QVERIFY(QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::ExeOwner));
    }
    void exitWith(const QString &program, int code) const
    {
        script(program, "exit " + QByteArray::number(code & 0xff));
    }

    // The OpenCL check: "--list" prints `devices` ("0\tname\tid" lines);
    // "--gpu N" exits with the N-th of `codes` (as exit() would deliver it).
    void openClCheck(const QByteArray &devices, const QList<int> &codes) const
    {
        QByteArray cases;
        for (int i = 0; i < codes.size(); ++i)
            cases += QByteArray::number(i) + ") exit " + QByteArray::number(codes.at(i) & 0xff) + ";; ";
        script(QStringLiteral("Faldric.exe"),
               "if [ \"$1\" = --list ]; then printf '" + devices + "'; exit 0; fi\n"
               "while [ $# -gt 0 ]; do [ \"$1\" = --gpu ] && gpu=$2; shift; done\n"
               "case $gpu in " + cases + "esac\nexit 246");
    }
    // The pressure test passes for the GPU indices listed and fails for
    // the others.
    void pressureTest(const QList<int> &passing) const
    {
        QByteArray cases;
        for (int index : passing)
            cases += QByteArray::number(index) + ") exit 0;; ";
        script(QStringLiteral("Dunsker.exe"), "case $2 in " + cases + "esac\nexit 1");
    }

    QStringList calls(const QString &program) const
    {
        const QString text = QString::fromUtf8(readAll(dir() + QLatin1Char('/') + program + QStringLiteral(".calls")));
        return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir m_dir;
};
