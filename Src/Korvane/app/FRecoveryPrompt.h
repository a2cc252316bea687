#pragma once

#include <QCoreApplication>
#include <QString>

class FProjectDocProxy;
class QWidget;

// The question at start about the automatic backup of the project that was
// open when the previous run ended without closing it. It reads the backup
// note ("/Backup.conf" in the backup folder); a note that is missing, broken,
// or names a file that is gone ends it without a word to the user (a log
// line says why). Otherwise the user may open the backup, and may switch
// GPU acceleration off for this run whichever button they press.
//
// KORVANE_RECOVERY_ANSWER answers the question without showing it, for the
// end-to-end tests that run the real editor without a screen: "open" or
// "cancel", optionally followed by "+gpu" for the check box.
class FRecoveryPrompt
{
    Q_DECLARE_TR_FUNCTIONS(FRecoveryPrompt)

public:
    // The widget library numbers this question's "Open" button 2.
    static constexpr int kOpenResult = 2;
    static constexpr int kCancelResult = 4;
    static constexpr const char *kAnswerVariable = "KORVANE_RECOVERY_ANSWER";
    static constexpr const char *kObjectName = "FRecoveryPrompt";

    // Asks about the backup the note in `backupDir` names. On "Open" sets
    // *unsavedProjectFound and hands the backup to `docProxy` as the project
    // to open after start-up. Returns 0 when GPU acceleration is to be
    // switched off for this run, else 1.
    static int run(const QString &backupDir, bool *unsavedProjectFound, FProjectDocProxy *docProxy,
                   QWidget *parent = nullptr);

    // The question's text for `backupPath`.
    static QString text(const QString &backupPath);
};
