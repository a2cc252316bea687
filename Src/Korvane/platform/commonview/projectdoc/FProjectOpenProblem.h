#pragma once

#include "KvProjectFile.h"

#include <QCoreApplication>
#include <QString>

// Why a project file could not be opened, in the words the user is told.
// Cheap checks (the path names nothing, a folder, a file that cannot be read)
// come from probe(); what only reading shows (not a project, a newer format)
// from fromReadResult() after an open has failed.
class FProjectOpenProblem
{
    Q_DECLARE_TR_FUNCTIONS(FProjectOpenProblem)

public:
    enum class Reason {
        None = 0,
        DoesNotExist,
        IsFolder,
        NotAProject,
        CannotBeRead,
        NewerVersion,
    };

    FProjectOpenProblem() = default;
    FProjectOpenProblem(Reason reason, const QString &path, const QString &systemReason = QString());

    // Without reading the content: missing, a folder, or not readable.
    static FProjectOpenProblem probe(const QString &path);
    // The problem behind a failed read of `path`.
    static FProjectOpenProblem fromReadResult(const QString &path, KvProjectFile::ReadResult result,
                                              const QString &systemReason);

    Reason reason() const { return m_reason; }
    QString path() const { return m_path; }
    // What the system said for an unreadable file ("Permission denied").
    QString systemReason() const { return m_systemReason; }
    bool isProblem() const { return m_reason != Reason::None; }

    // The translated message naming the file and the reason.
    QString message() const;
    // The same for the log, untranslated.
    QString logText() const;

private:
    Reason m_reason = Reason::None;
    QString m_path;
    QString m_systemReason;
};
