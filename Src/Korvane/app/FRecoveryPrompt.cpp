#include "FRecoveryPrompt.h"

#include "FMessageDialog.h"
#include "FProjectDocProxy.h"
#include "IKvBaseLog.h"
#include "KvBackupNote.h"

#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>

namespace {

// The answer of KORVANE_RECOVERY_ANSWER, or none when it is not set.
FMessageDialog::Answerer scriptedAnswer()
{
    const QString answer = qEnvironmentVariable(FRecoveryPrompt::kAnswerVariable).trimmed();
    if (answer.isEmpty())
        return {};
    const QStringList parts = answer.split(QLatin1Char('+'));
    const QString button = parts.value(0);
    const bool gpu = parts.size() > 1 && parts.at(1) == QLatin1String("gpu");
    int result = FRecoveryPrompt::kCancelResult;
    if (button == QLatin1String("open"))
        result = FRecoveryPrompt::kOpenResult;
    else if (button != QLatin1String("cancel"))
        KV_LOG_ERROR("%s=\"%s\": expected open or cancel, optionally +gpu; answering cancel",
                     FRecoveryPrompt::kAnswerVariable, KV_CSTR(answer));
    return [result, gpu](FMessageDialog &dialog) {
        KV_LOG_INFO("recovery prompt answered by %s: %d, check box %d", FRecoveryPrompt::kAnswerVariable, result,
                    int(gpu));
        dialog.setChecked(gpu);
        return result;
    };
}

} // namespace

QString FRecoveryPrompt::text(const QString &backupPath)
{
    return QStringLiteral("%1 \n%2").arg(tr("An automatic backup of a previous project has been detected. "
                                            "Would you like to use this backup file?"),
                                         QDir::toNativeSeparators(backupPath));
}

int FRecoveryPrompt::run(const QString &backupDir, bool *unsavedProjectFound, FProjectDocProxy *docProxy,
                         QWidget *parent)
{
    QString backupPath;
    const QString notePath = KvBackupNote::pathIn(backupDir);
    const KvBackupNote::ReadResult read =
        backupDir.isEmpty() ? KvBackupNote::ReadResult::Missing : KvBackupNote::read(notePath, &backupPath);
    if (read != KvBackupNote::ReadResult::Ok) {
        KV_LOG_INFO("no automatic backup to offer (%s: %s)", KV_CSTR(notePath), KvBackupNote::resultName(read));
        return 1;
    }

    FMessageDialog dialog(parent);
    dialog.setObjectName(QLatin1String(kObjectName));
    dialog.setTitle(QGuiApplication::applicationDisplayName());
    dialog.setKind(FMessageDialog::Question);
    dialog.setText(text(backupPath));
    dialog.addButton(tr("Open"), kOpenResult);
    dialog.addButton(tr("Cancel"), kCancelResult);
    dialog.setCheckBoxText(tr("Disable GPU acceleration temporarily."));

    // The scripted answer stands in only where no other answerer does.
    FMessageDialog::Answerer scripted = FMessageDialog::hasAnswerer() ? FMessageDialog::Answerer() : scriptedAnswer();
    if (scripted)
        FMessageDialog::setAnswerer(scripted);
    const int result = dialog.DoModal();
    if (scripted)
        FMessageDialog::setAnswerer({});

    if (result == kOpenResult) {
        KV_LOG_INFO("opening the automatic backup \"%s\"", KV_CSTR(backupPath));
        if (unsavedProjectFound)
            *unsavedProjectFound = true;
        if (docProxy)
            docProxy->SetDelayLoadProjectPath(backupPath);
    }
    // The check box counts whichever button closed the question.
    return dialog.isChecked() ? 0 : 1;
}
