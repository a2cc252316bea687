#include "FProjectOpenProblem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

FProjectOpenProblem::FProjectOpenProblem(Reason reason, const QString &path, const QString &systemReason)
    : m_reason(reason)
    , m_path(path)
    , m_systemReason(systemReason)
{
}

FProjectOpenProblem FProjectOpenProblem::probe(const QString &path)
{
    if (path.isEmpty())
        return {Reason::DoesNotExist, path};
    // stat itself, not QFileInfo: a path behind a folder that may not be
    // searched must read "cannot be read", not "missing" or "not a project".
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return {Reason::DoesNotExist, path};
        return {Reason::CannotBeRead, path, QString::fromLocal8Bit(std::strerror(error))};
    }
    if (S_ISDIR(status.st_mode))
        return {Reason::IsFolder, path};
    // Never opened: a pipe or a device would block or stream forever.
    if (!S_ISREG(status.st_mode))
        return {Reason::NotAProject, path};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Reason::CannotBeRead, path, file.errorString()};
    return {Reason::None, path};
}

FProjectOpenProblem FProjectOpenProblem::fromReadResult(const QString &path, KvProjectFile::ReadResult result,
                                                        const QString &systemReason)
{
    switch (result) {
    case KvProjectFile::ReadResult::Ok:
        return {Reason::None, path};
    case KvProjectFile::ReadResult::Missing:
        return {Reason::DoesNotExist, path};
    case KvProjectFile::ReadResult::NotAFile:
        return {QFileInfo(path).isDir() ? Reason::IsFolder : Reason::NotAProject, path};
    case KvProjectFile::ReadResult::Unreadable:
        return {Reason::CannotBeRead, path, systemReason};
    case KvProjectFile::ReadResult::NewerVersion:
        return {Reason::NewerVersion, path};
    case KvProjectFile::ReadResult::TooLarge:
    case KvProjectFile::ReadResult::NotJson:
    case KvProjectFile::ReadResult::WrongShape:
        break;
    }
    return {Reason::NotAProject, path};
}

QString FProjectOpenProblem::message() const
{
    const QString file = QDir::toNativeSeparators(m_path);
    switch (m_reason) {
    case Reason::None:
        break;
    case Reason::DoesNotExist:
        return tr("The project \"%1\" does not exist.").arg(file);
    case Reason::IsFolder:
        return tr("The project \"%1\" is a folder.").arg(file);
    case Reason::NotAProject:
        return tr("The file \"%1\" is not a Korvane project.").arg(file);
    case Reason::CannotBeRead:
        return tr("The project \"%1\" cannot be read: %2").arg(file, m_systemReason);
    case Reason::NewerVersion:
        return tr("The project \"%1\" was made by a newer version of Korvane.").arg(file);
    }
    return QString();
}

QString FProjectOpenProblem::logText() const
{
    switch (m_reason) {
    case Reason::None:
        break;
    case Reason::DoesNotExist:
        return QStringLiteral("\"%1\" does not exist").arg(m_path);
    case Reason::IsFolder:
        return QStringLiteral("\"%1\" is a folder").arg(m_path);
    case Reason::NotAProject:
        return QStringLiteral("\"%1\" is not a Korvane project").arg(m_path);
    case Reason::CannotBeRead:
        return QStringLiteral("\"%1\" cannot be read: %2").arg(m_path, m_systemReason);
    case Reason::NewerVersion:
        return QStringLiteral("\"%1\" was made by a newer version").arg(m_path);
    }
    return QString();
}
