#pragma once

#include "FSettingPanelBase.h"

class KvOpenFileLineEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The Save page of the preferences: automatic backup of the open project
// (on or off, how often, where) and the folder new projects go to.
//
// Ok tells the editing scene about each backup setting that changed, so
// that the project manager's backup timer follows at once. A new default
// project folder also forgets the folder the user last saved in during this
// run, so the next "Save" starts in the new one.
class FSettingSavePanel : public FSettingPanelBase
{
    Q_OBJECT

public:
    explicit FSettingSavePanel(QWidget *parent = nullptr, KvUIView *parentView = nullptr);
    ~FSettingSavePanel() override;

    void TranslateText() override;
    void Load() override;
    void Ok() override;

    QCheckBox *autoBackupBox() const { return m_autoBackup; }
    QComboBox *backupIntervalBox() const { return m_interval; }
    KvOpenFileLineEdit *backupFolderField() const { return m_backupFolder; }
    QPushButton *backupFolderBrowseButton() const { return m_backupBrowse; }
    QComboBox *maximumVersionsBox() const { return m_maximumVersions; }
    KvOpenFileLineEdit *projectFolderField() const { return m_projectFolder; }
    QPushButton *projectFolderBrowseButton() const { return m_projectBrowse; }

public slots:
    void slotBrowseBackupFolder();
    void slotBrowseProjectFolder();

private:
    void buildUi();
    void browse(KvOpenFileLineEdit *field);
    static void showFolder(KvOpenFileLineEdit *field, const QString &folder);

    QLabel *m_title = nullptr;
    QCheckBox *m_autoBackup = nullptr;
    QComboBox *m_interval = nullptr;
    QLabel *m_minutes = nullptr;
    QLabel *m_backupLabel = nullptr;
    KvOpenFileLineEdit *m_backupFolder = nullptr;
    QPushButton *m_backupBrowse = nullptr;
    QLabel *m_versionsLabel = nullptr;
    QComboBox *m_maximumVersions = nullptr;
    QLabel *m_projectLabel = nullptr;
    KvOpenFileLineEdit *m_projectFolder = nullptr;
    QPushButton *m_projectBrowse = nullptr;
};
