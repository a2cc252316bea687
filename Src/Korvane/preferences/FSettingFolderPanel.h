#pragma once

#include "FSettingPanelBase.h"

#include <QVector>

class KvOpenFileLineEdit;
class QFrame;
class QLabel;
class QPushButton;

// The Folders page of the preferences: where the editor keeps downloads,
// temporary files, recordings, snapshots, cloud projects and effect packs,
// one row per folder of the settings store's folder group.
//
// Picking a folder only shows it; Ok stores the shown folders, Cancel shows
// the stored ones again. A folder that cannot be written is refused when
// picked, with a message, so the store never receives one from here.
//
// In write-check mode (the start-up dialog about unwritable folders) the
// section titles, separators and "MANAGE" are hidden, and so is every row
// whose folder exists and can be written: what stays are the folders the
// user has to replace.
class FSettingFolderPanel : public FSettingPanelBase
{
    Q_OBJECT

public:
    enum Mode {
        PreferencesMode = 0,
        WriteCheckMode = 1,
    };

    // In the order the rows stand.
    enum Row {
        DownloadRow,
        TempRow,
        CaptureRow,
        RecorderVoiceRow,
        YouTobeRow,
        SnapShotRow,
        CloudDiskRow,
        ThirdPartyCloudRow,
        EffectPackRow,
        RowCount
    };

    explicit FSettingFolderPanel(QWidget *parent = nullptr, KvUIView *parentView = nullptr,
                                 Mode mode = PreferencesMode);
    ~FSettingFolderPanel() override;

    void TranslateText() override;
    void Load() override;
    void Ok() override;
    void Cancel() override;

    Mode mode() const { return m_mode; }
    // Write-check mode: the folders the last Load found not writable.
    int unwritableCount() const { return m_unwritableCount; }

    KvOpenFileLineEdit *field(Row row) const;
    QLabel *label(Row row) const;
    QPushButton *manageButton() const { return m_manageButton; }
    // Gives the keyboard focus to the "Downloaded files" field.
    void focusDownloadFolder();

    // The one rule for "can the editor save there": an existing folder that
    // the user may write to (the start-up folder check uses the same).
    static bool isWritableFolder(const QString &folder);

signals:
    // From Ok, when the downloads folder was changed.
    void sigDownloadFolderChanged(const QString &folder);
    // An effect pack folder not used before was shown; it is saved in the
    // list of effect pack folders already.
    void sigEffectPacksPathChanged(const QString &path);

public slots:
    void slotDownloadFileFolder(const QString &path);
    void slotTempFileFolder(const QString &path);
    void slotCaptureFileFolder(const QString &path);
    void slotRecorderVoiceFolder(const QString &path);
    void slotYouTobeFileFolder(const QString &path);
    void slotSnapShotFileFolder(const QString &path);
    void slotCloudDiskFileFolder(const QString &path);
    void slotThirdPartyCloudFileFolder(const QString &path);
    void slotInstanllEffectPackTo(const QString &path);
    // "MANAGE": runs the effect pack manager modally.
    void slotEffectPacksManager();

private:
    struct RowWidgets
    {
        QLabel *label = nullptr;
        KvOpenFileLineEdit *field = nullptr;
    };

    void buildUi();
    void fillFromStore();
    void showFolder(Row row, const QString &path);
    void onFolderChosen(Row row, const QString &path);

    const Mode m_mode;
    QVector<RowWidgets> m_rows;
    QLabel *m_foldersTitle = nullptr;
    QLabel *m_effectPacksTitle = nullptr;
    QFrame *m_foldersLine = nullptr;
    QFrame *m_effectPacksLine = nullptr;
    QPushButton *m_manageButton = nullptr;
    int m_unwritableCount = 0;
};
