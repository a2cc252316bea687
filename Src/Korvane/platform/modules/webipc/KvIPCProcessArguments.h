#pragma once

#include <QString>
#include <QStringList>

// How the web helper is started: its executable, a bare name meaning the
// file of that name in the application directory, and its arguments.
class KvIPCProcessArguments
{
public:
    KvIPCProcessArguments() = default;
    explicit KvIPCProcessArguments(const QString &executable, const QStringList &arguments = QStringList())
        : m_executable(executable)
        , m_arguments(arguments)
    {
    }

    QString executable() const { return m_executable; }
    QStringList arguments() const { return m_arguments; }
    // The absolute path of the executable.
    QString executablePath() const;

private:
    QString m_executable;
    QStringList m_arguments;
};
