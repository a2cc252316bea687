#include "FSettingSavePanel.h"

#include "FSettingPanelWidgets.h"
#include "IKvBaseLog.h"
#include "KvAppSettings.h"
#include "KvAppTemporary.h"
#include "KvCustomProductInfo.h"
#include "KvFileDialog.h"
#include "KvMessage.h"
#include "KvOpenFileLineEdit.h"
#include "KvSettingsMessageId.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace FSettingPanelWidgets;

namespace {

const int kIntervals[] = {1, 5, 10, 20, 30};
const int kMaximumVersions[] = {10, 20, 30};

KvSaveSettings &saveSettings()
{
    return KvAppSettings::GetInstance()->GetSettings().GetSaveSettings();
}

void sendToScene(KvUIView *view, int code)
{
    KvMessage message(code);
    view->sendMessageToScene(&message);
}

} // namespace

FSettingSavePanel::FSettingSavePanel(QWidget *parent, KvUIView *parentView)
    : FSettingPanelBase(parent, parentView)
{
    setObjectName(QStringLiteral("FSettingSavePanel"));
    buildUi();
    TranslateText();
}

FSettingSavePanel::~FSettingSavePanel() = default;

void FSettingSavePanel::buildUi()
{
    m_title = sectionTitle(this, QStringLiteral("FSettingSavePanel_Title"));
    m_autoBackup = new QCheckBox(this);
    m_autoBackup->setObjectName(QStringLiteral("FSettingSavePanel_AutoBackup"));
    m_interval = new QComboBox(this);
    m_interval->setObjectName(QStringLiteral("FSettingSavePanel_Interval"));
    m_interval->setFixedSize(60, 24);
    for (int minutes : kIntervals)
        m_interval->addItem(QString::number(minutes), minutes);
    m_minutes = new QLabel(this);
    m_minutes->setObjectName(QStringLiteral("FSettingSavePanel_Minutes"));
    connect(m_autoBackup, &QCheckBox::toggled, m_interval, &QComboBox::setEnabled);

    m_backupLabel = new QLabel(this);
    m_backupFolder = new KvOpenFileLineEdit(this);
    m_backupFolder->setObjectName(QStringLiteral("FSettingSavePanel_BackupFolder"));
    m_backupFolder->setBrowseButtonVisible(false);
    m_backupLabel->setBuddy(m_backupFolder->lineEdit());
    m_backupBrowse = pushButton(this, QStringLiteral("FSettingSavePanel_BackupBrowse"));
    connect(m_backupBrowse, &QPushButton::clicked, this, &FSettingSavePanel::slotBrowseBackupFolder);

    m_versionsLabel = new QLabel(this);
    m_maximumVersions = new QComboBox(this);
    m_maximumVersions->setObjectName(QStringLiteral("FSettingSavePanel_MaximumVersions"));
    m_maximumVersions->setFixedHeight(24);
    for (int versions : kMaximumVersions)
        m_maximumVersions->addItem(QString::number(versions), versions);
    m_versionsLabel->setBuddy(m_maximumVersions);

    m_projectLabel = new QLabel(this);
    m_projectFolder = new KvOpenFileLineEdit(this);
    m_projectFolder->setObjectName(QStringLiteral("FSettingSavePanel_ProjectFolder"));
    m_projectFolder->setBrowseButtonVisible(false);
    m_projectLabel->setBuddy(m_projectFolder->lineEdit());
    m_projectBrowse = pushButton(this, QStringLiteral("FSettingSavePanel_ProjectBrowse"));
    connect(m_projectBrowse, &QPushButton::clicked, this, &FSettingSavePanel::slotBrowseProjectFolder);

    auto *backupRow = new QHBoxLayout;
    backupRow->setSpacing(8);
    backupRow->addWidget(m_autoBackup);
    backupRow->addWidget(m_interval);
    backupRow->addWidget(m_minutes);
    backupRow->addStretch();

    // Folder fields go under their labels, with their button beside them.
    const auto folderRow = [](KvOpenFileLineEdit *field, QPushButton *browse) {
        auto *row = new QHBoxLayout;
        row->setSpacing(12);
        row->addWidget(field);
        row->addWidget(browse);
        row->addStretch();
        return row;
    };
    auto *versionsRow = new QHBoxLayout;
    versionsRow->setSpacing(12);
    versionsRow->addWidget(m_versionsLabel);
    versionsRow->addWidget(m_maximumVersions);
    versionsRow->addStretch();

    auto *grid = new QVBoxLayout;
    grid->setSpacing(10);
    grid->addLayout(backupRow);
    grid->addWidget(m_backupLabel);
    grid->addLayout(folderRow(m_backupFolder, m_backupBrowse));
    grid->addLayout(versionsRow);
    grid->addWidget(m_projectLabel);
    grid->addLayout(folderRow(m_projectFolder, m_projectBrowse));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(m_title);
    layout->addWidget(separatorLine(this, QStringLiteral("FSettingSavePanel_Line")));
    layout->addLayout(grid);
    layout->addStretch();
}

void FSettingSavePanel::TranslateText()
{
    m_title->setText(tr("Save:"));
    m_autoBackup->setText(tr("Back up my project every"));
    m_minutes->setText(tr("min"));
    m_interval->setAccessibleName(tr("Backup interval in minutes"));
    m_backupLabel->setText(tr("Backup Project file to:"));
    m_versionsLabel->setText(tr("Maximum backup file versions:"));
    m_projectLabel->setText(tr("Default Project location:"));
    m_maximumVersions->setAccessibleName(accessibleText(m_versionsLabel->text()));
    m_backupFolder->setAccessibleName(accessibleText(m_backupLabel->text()));
    m_projectFolder->setAccessibleName(accessibleText(m_projectLabel->text()));
    for (QPushButton *button : {m_backupBrowse, m_projectBrowse})
        button->setText(tr("BROWSE"));
    m_backupBrowse->setAccessibleName(tr("Browse: %1").arg(accessibleText(m_backupLabel->text())));
    m_projectBrowse->setAccessibleName(tr("Browse: %1").arg(accessibleText(m_projectLabel->text())));
}

void FSettingSavePanel::Load()
{
    const KvSaveSettings &save = saveSettings();
    const QSignalBlocker autoBackup(m_autoBackup);
    const QSignalBlocker interval(m_interval);
    const QSignalBlocker versions(m_maximumVersions);
    m_autoBackup->setChecked(save.GetAutoBackupProject());
    m_interval->setEnabled(m_autoBackup->isChecked());
    selectByData(m_interval, save.GetAutoBackupProjectTime());
    selectByData(m_maximumVersions, save.GetMaximumBackupVersion());
    showFolder(m_backupFolder, save.GetBackupProjectFile());
    showFolder(m_projectFolder, save.GetDefaultProjectSaveFolder());
}

void FSettingSavePanel::Ok()
{
    KvSaveSettings &save = saveSettings();
    if (m_autoBackup->isChecked() != save.GetAutoBackupProject()) {
        save.SetAutoBackupProject(m_autoBackup->isChecked());
        sendToScene(this, KvSettingsMsg::AutoBackupSwitch);
    }
    const int minutes = m_interval->currentText().toInt();
    if (minutes != save.GetAutoBackupProjectTime()) {
        save.SetAutoBackupProjectTime(minutes);
        sendToScene(this, KvSettingsMsg::AutoBackupInterval);
    }
    // The same folder typed with other letter case is the same folder to the
    // user; only a real move restarts the backup in the new place.
    const QString backupFolder = m_backupFolder->path();
    if (!backupFolder.isEmpty() && backupFolder.compare(save.GetBackupProjectFile(), Qt::CaseInsensitive) != 0) {
        save.SetBackupProjectFile(backupFolder);
        sendToScene(this, KvSettingsMsg::AutoBackupFolder);
    }
    const QString projectFolder = m_projectFolder->path();
    if (!projectFolder.isEmpty() && projectFolder != save.GetDefaultProjectSaveFolder()) {
        KV_LOG_INFO("default project folder %s", KV_CSTR(projectFolder));
        KvAppTemporary::SetUserCurrentProjectDir(QString());
        save.SetDefaultProjectSaveFolder(projectFolder);
    }
}

void FSettingSavePanel::slotBrowseBackupFolder()
{
    browse(m_backupFolder);
}

void FSettingSavePanel::slotBrowseProjectFolder()
{
    browse(m_projectFolder);
}

void FSettingSavePanel::browse(KvOpenFileLineEdit *field)
{
    const QString chosen =
        KvFileDialog::getExistingDirectory(this, KvCustomProductInfo::FGetProductName(), field->path());
    showFolder(field, chosen);
}

void FSettingSavePanel::showFolder(KvOpenFileLineEdit *field, const QString &folder)
{
    // An empty path would read as "no folder"; the field keeps what it had.
    if (folder.isEmpty())
        return;
    field->setPath(QDir::fromNativeSeparators(folder));
}
