#include "FSettingFolderPanel.h"

#include "FManageEffectPacksDialog.h"
#include "FMessageDialog.h"
#include "IKvBaseLog.h"
#include "KvAppSettings.h"
#include "KvCheck.h"
#include "KvCustomProductInfo.h"
#include "KvEffectPackUtility.h"
#include "KvOpenFileLineEdit.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

using Getter = QString (FFolderSettings::*)() const;
using Setter = void (FFolderSettings::*)(const QString &);

struct FolderRow
{
    const char *objectName;
    const char *label;
    Getter get;
    Setter set;
};

// In the order of FSettingFolderPanel::Row.
const FolderRow kRows[FSettingFolderPanel::RowCount] = {
    {"DownloadFileFolder", QT_TRANSLATE_NOOP("FSettingFolderPanel", "Downloaded files:"),
     &FFolderSettings::GetDownloadFileFolder, &FFolderSettings::SetDownloadFileFolder},
    {"TempFileFolder", QT_TRANSLATE_NOOP("FSettingFolderPanel", "Temporary files:"),
     &FFolderSettings::GetTempFileFolder, &FFolderSettings::SetTempFileFolder},
    {"CaptureFileFolder", QT_TRANSLATE_NOOP("FSettingFolderPanel", "Recorded files:"),
     &FFolderSettings::GetCaptureFileFolder, &FFolderSettings::SetCaptureFileFolder},
    {"RecorderVoiceFolder", QT_TRANSLATE_NOOP("FSettingFolderPanel", "Recorded Audio:"),
     &FFolderSettings::GetRecorderVoiceFolder, &FFolderSettings::SetRecoderVoiceFolder},
    {"YouTobeFileFolder", QT_TRANSLATE_NOOP("FSettingFolderPanel", "Uploaded files:"),
     &FFolderSettings::GetYouTobeFileFolder, &FFolderSettings::SetYouTobeFileFolder},
    {"SnapShotFileFolder", QT_TRANSLATE_NOOP("FSettingFolderPanel", "Snapshot files:"),
     &FFolderSettings::GetSnapShotFileFolder, &FFolderSettings::SetSnapShotFileFolder},
    {"CloudDiskFileFolder", QT_TRANSLATE_NOOP("FSettingFolderPanel", "Cloud Project files:"),
     &FFolderSettings::GetCloudDiskFileFolder, &FFolderSettings::SetCloudDiskFileFolder},
    {"ThirdPartyCloudFileFolder", QT_TRANSLATE_NOOP("FSettingFolderPanel", "Download from other Apps:"),
     &FFolderSettings::GetThirdPartyCloudFileFolder, &FFolderSettings::SetThirdPartyCloudFileFolder},
    {"InstallEffectPackTo", QT_TRANSLATE_NOOP("FSettingFolderPanel", "Effect packs:"),
     &FFolderSettings::GetInstallEffectPackTo, &FFolderSettings::SetInstanllEffectPackTo},
};

constexpr int kManageButtonWidth = 71;

FFolderSettings &folderSettings()
{
    return KvAppSettings::GetInstance()->GetSettings().GetFolderSettings();
}

QFrame *separatorLine(QWidget *parent, const QString &objectName)
{
    auto *line = new QFrame(parent);
    line->setObjectName(objectName);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

} // namespace

FSettingFolderPanel::FSettingFolderPanel(QWidget *parent, KvUIView *parentView, Mode mode)
    : FSettingPanelBase(parent, parentView)
    , m_mode(mode)
    , m_rows(RowCount)
{
    setObjectName(QStringLiteral("FSettingFolderPanel"));
    buildUi();
    TranslateText();
    if (m_mode == WriteCheckMode) {
        const QList<QWidget *> decoration = {m_foldersTitle, m_effectPacksTitle, m_foldersLine, m_effectPacksLine,
                                             m_manageButton};
        for (QWidget *widget : decoration)
            widget->hide();
    }
}

FSettingFolderPanel::~FSettingFolderPanel() = default;

void FSettingFolderPanel::buildUi()
{
    m_foldersTitle = new QLabel(this);
    m_foldersTitle->setObjectName(QStringLiteral("FSettingFolderPanel_FoldersTitle"));
    m_effectPacksTitle = new QLabel(this);
    m_effectPacksTitle->setObjectName(QStringLiteral("FSettingFolderPanel_EffectPacksTitle"));
    m_foldersLine = separatorLine(this, QStringLiteral("FSettingFolderPanel_FoldersLine"));
    m_effectPacksLine = separatorLine(this, QStringLiteral("FSettingFolderPanel_EffectPacksLine"));
    m_manageButton = new QPushButton(this);
    m_manageButton->setObjectName(QStringLiteral("FSettingFolderPanel_Manage"));
    m_manageButton->setFixedWidth(kManageButtonWidth);
    connect(m_manageButton, &QPushButton::clicked, this, &FSettingFolderPanel::slotEffectPacksManager);

    using Slot = void (FSettingFolderPanel::*)(const QString &);
    const Slot rowSlots[RowCount] = {
        &FSettingFolderPanel::slotDownloadFileFolder,     &FSettingFolderPanel::slotTempFileFolder,
        &FSettingFolderPanel::slotCaptureFileFolder,      &FSettingFolderPanel::slotRecorderVoiceFolder,
        &FSettingFolderPanel::slotYouTobeFileFolder,      &FSettingFolderPanel::slotSnapShotFileFolder,
        &FSettingFolderPanel::slotCloudDiskFileFolder,    &FSettingFolderPanel::slotThirdPartyCloudFileFolder,
        &FSettingFolderPanel::slotInstanllEffectPackTo,
    };
    for (int row = 0; row < RowCount; ++row) {
        const QString name = QLatin1String(kRows[row].objectName);
        RowWidgets &widgets = m_rows[row];
        widgets.label = new QLabel(this);
        widgets.label->setObjectName(QStringLiteral("FSettingFolderPanel_Label_") + name);
        widgets.field = new KvOpenFileLineEdit(this);
        widgets.field->setObjectName(QStringLiteral("FSettingFolderPanel_") + name);
        widgets.label->setBuddy(widgets.field->lineEdit());
        connect(widgets.field, &KvOpenFileLineEdit::sigPathChosen, this, rowSlots[row]);
    }

    auto *folders = new QGridLayout;
    folders->setHorizontalSpacing(16);
    folders->setVerticalSpacing(10);
    folders->setColumnStretch(2, 1);
    for (int row = DownloadRow; row < EffectPackRow; ++row) {
        folders->addWidget(m_rows[row].label, row, 0);
        folders->addWidget(m_rows[row].field, row, 1);
    }
    // The effect pack row lines up with the folder rows above it.
    folders->addWidget(m_effectPacksTitle, EffectPackRow, 0, 1, 3);
    folders->addWidget(m_effectPacksLine, EffectPackRow + 1, 0, 1, 3);
    folders->addWidget(m_rows[EffectPackRow].label, EffectPackRow + 2, 0);
    folders->addWidget(m_rows[EffectPackRow].field, EffectPackRow + 2, 1);
    folders->addWidget(m_manageButton, EffectPackRow + 2, 2, Qt::AlignLeft);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(10);
    layout->addWidget(m_foldersTitle);
    layout->addWidget(m_foldersLine);
    layout->addLayout(folders);
    layout->addStretch();
}

void FSettingFolderPanel::TranslateText()
{
    m_foldersTitle->setText(tr("Folders:"));
    m_effectPacksTitle->setText(tr("Effect packs:"));
    m_manageButton->setText(tr("MANAGE"));
    m_manageButton->setAccessibleName(tr("Manage effect packs"));
    for (int row = 0; row < RowCount; ++row) {
        const QString text = tr(kRows[row].label);
        m_rows[row].label->setText(text);
        QString name = text;
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        m_rows[row].field->setAccessibleName(name);
        m_rows[row].field->setDialogTitle(KvCustomProductInfo::FGetProductName());
    }
}

void FSettingFolderPanel::Load()
{
    fillFromStore();
    if (m_mode != WriteCheckMode)
        return;
    m_unwritableCount = 0;
    for (int row = 0; row < RowCount; ++row) {
        const bool writable = isWritableFolder(m_rows[row].field->path());
        m_rows[row].label->setVisible(!writable);
        m_rows[row].field->setVisible(!writable);
        if (!writable) {
            ++m_unwritableCount;
            KV_LOG_INFO("folder not writable: %s", KV_CSTR(m_rows[row].field->path()));
        }
    }
}

void FSettingFolderPanel::fillFromStore()
{
    const FFolderSettings &folders = folderSettings();
    for (int row = 0; row < RowCount; ++row) {
        const QSignalBlocker blocker(m_rows[row].field);
        // Through a local: GCC's bounds check misreads a member-function
        // pointer called straight out of the array.
        const Getter get = kRows[row].get;
        showFolder(Row(row), (folders.*get)());
    }
}

void FSettingFolderPanel::showFolder(Row row, const QString &path)
{
    // The store refuses empty folders; an empty one here would read as "none".
    if (path.isEmpty())
        return;
    m_rows[row].field->setPath(path);
    // Packs are looked for in every folder they were ever installed into.
    if (row == EffectPackRow && !KvEffectPackUtility::getEffectPackPath().contains(path, Qt::CaseSensitive)) {
        KvEffectPackUtility::saveEffectPackPath(path);
        emit sigEffectPacksPathChanged(path);
    }
}

void FSettingFolderPanel::Ok()
{
    FFolderSettings &folders = folderSettings();
    const QString download = m_rows[DownloadRow].field->path();
    if (!download.isEmpty() && download != folders.GetDownloadFileFolder()) {
        folders.SetDownloadFileFolder(download);
        emit sigDownloadFolderChanged(download);
    }
    for (int row = TempRow; row < RowCount; ++row) {
        const QString path = m_rows[row].field->path();
        const Setter set = kRows[row].set;
        if (!path.isEmpty())
            (folders.*set)(path);
    }
}

void FSettingFolderPanel::Cancel()
{
    // Nothing reached the store yet: showing it again drops the picks.
    fillFromStore();
}

KvOpenFileLineEdit *FSettingFolderPanel::field(Row row) const
{
    KV_CHECK(row >= 0 && row < RowCount, return nullptr);
    return m_rows[row].field;
}

QLabel *FSettingFolderPanel::label(Row row) const
{
    KV_CHECK(row >= 0 && row < RowCount, return nullptr);
    return m_rows[row].label;
}

void FSettingFolderPanel::focusDownloadFolder()
{
    m_rows[DownloadRow].field->lineEdit()->setFocus(Qt::OtherFocusReason);
}

bool FSettingFolderPanel::isWritableFolder(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

void FSettingFolderPanel::onFolderChosen(Row row, const QString &path)
{
    if (!isWritableFolder(path)) {
        KV_LOG_INFO("folder refused, it cannot be written: %s", KV_CSTR(path));
        FMessageDialog::alert(this, KvCustomProductInfo::FGetProductName(),
                              tr("The program cannot save files in \"%1\". Please select another folder.").arg(path),
                              QStringLiteral("FSettingFolderPanel_NotWritable"));
        return;
    }
    showFolder(row, path);
}

void FSettingFolderPanel::slotDownloadFileFolder(const QString &path)
{
    onFolderChosen(DownloadRow, path);
}

void FSettingFolderPanel::slotTempFileFolder(const QString &path)
{
    onFolderChosen(TempRow, path);
}

void FSettingFolderPanel::slotCaptureFileFolder(const QString &path)
{
    onFolderChosen(CaptureRow, path);
}

void FSettingFolderPanel::slotRecorderVoiceFolder(const QString &path)
{
    onFolderChosen(RecorderVoiceRow, path);
}

void FSettingFolderPanel::slotYouTobeFileFolder(const QString &path)
{
    onFolderChosen(YouTobeRow, path);
}

void FSettingFolderPanel::slotSnapShotFileFolder(const QString &path)
{
    onFolderChosen(SnapShotRow, path);
}

void FSettingFolderPanel::slotCloudDiskFileFolder(const QString &path)
{
    onFolderChosen(CloudDiskRow, path);
}

void FSettingFolderPanel::slotThirdPartyCloudFileFolder(const QString &path)
{
    onFolderChosen(ThirdPartyCloudRow, path);
}

void FSettingFolderPanel::slotInstanllEffectPackTo(const QString &path)
{
    onFolderChosen(EffectPackRow, path);
}

void FSettingFolderPanel::slotEffectPacksManager()
{
    FManageEffectPacksDialog manager(window());
    manager.DoModal();
}
