#include "KvSpeechServiceDialog.h"

#include "FMessageDialog.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kTaskIdRole = Qt::UserRole;
constexpr int kFileRole = Qt::UserRole + 1;

enum QuestionResult { KeepRunning = 0, StopAndClose = 1 };

QString stateText(KvSpeechServicePresenter::TaskState state)
{
    switch (state) {
    case KvSpeechServicePresenter::TaskState::Waiting:
        return KvSpeechServiceDialog::tr("Waiting");
    case KvSpeechServicePresenter::TaskState::Running:
        return KvSpeechServiceDialog::tr("Running");
    case KvSpeechServicePresenter::TaskState::Finished:
        return KvSpeechServiceDialog::tr("Finished");
    case KvSpeechServicePresenter::TaskState::Failed:
        return KvSpeechServiceDialog::tr("Failed");
    case KvSpeechServicePresenter::TaskState::Cancelled:
        return KvSpeechServiceDialog::tr("Cancelled");
    }
    return QString();
}

} // namespace

KvSpeechServiceDialog::KvSpeechServiceDialog(QWidget *parent)
    : KvFramelessDialog(parent, StandardWidth)
    , m_presenter(new KvSpeechServicePresenter(this))
    , m_tabs(new QTabWidget(this))
    , m_sttList(new QListWidget(this))
    , m_ttsList(new QListWidget(this))
{
    setObjectName("KvSpeechServiceDialog");
    setTitle(tr("Speech Service"));
    m_tabs->setObjectName("KvSpeechServiceDialog_Tabs");
    m_tabs->setAccessibleName(tr("Speech jobs"));
    m_sttList->setObjectName("KvSpeechServiceDialog_SttList");
    m_sttList->setAccessibleName(tr("Speech to text jobs"));
    m_ttsList->setObjectName("KvSpeechServiceDialog_TtsList");
    m_ttsList->setAccessibleName(tr("Text to speech jobs"));
    m_tabs->addTab(m_sttList, tr("Speech to Text"));
    m_tabs->addTab(m_ttsList, tr("Text to Speech"));

    auto *layout = new QVBoxLayout(contentWidget());
    layout->addWidget(m_tabs);
    resize(width(), 400);

    connect(m_sttList, &QListWidget::itemDoubleClicked, this, &KvSpeechServiceDialog::onItemActivated);
    connect(m_ttsList, &QListWidget::itemDoubleClicked, this, &KvSpeechServiceDialog::onItemActivated);
    connect(m_presenter, &KvSpeechServicePresenter::sigTaskChanged, this, &KvSpeechServiceDialog::onTaskChanged);
    // The clip and timeline types belong to the editing modules; the
    // presenter hands them over in one record, and this window emits them.
    connect(m_presenter, &KvSpeechServicePresenter::sigSrtFileGenerated, this, &KvSpeechServiceDialog::onSrtFile);
    connect(m_presenter, &KvSpeechServicePresenter::sigAudioFileGenerated, this,
            [this](const KvSpeechFileEvent &event) { emit sigAudioFileGenerate(event.path, event.clip); });
    connect(m_presenter, &KvSpeechServicePresenter::sigTaskFinish, this, &KvSpeechServiceDialog::sigTaskFinish);
}

KvSpeechServiceDialog::~KvSpeechServiceDialog() = default;

bool KvSpeechServiceDialog::checkCanClose()
{
    if (!m_presenter->hasRunningTask())
        return true;
    FMessageDialog question(isVisible() ? this : parentWidget());
    question.setObjectName("KvSpeechServiceDialog_CloseQuestion");
    question.setTitle(windowTitle());
    question.setText(tr("Speech tasks are still running. Do you want to stop them?"));
    question.addButton(tr("Stop Tasks"), StopAndClose);
    question.addButton(tr("Cancel"), KeepRunning);
    if (question.DoModal() != StopAndClose)
        return false;
    m_presenter->cancelAll();
    return true;
}

void KvSpeechServiceDialog::setCurrentTab(int tab)
{
    m_tabs->setCurrentIndex(tab);
}

int KvSpeechServiceDialog::currentTab() const
{
    return m_tabs->currentIndex();
}

void KvSpeechServiceDialog::raiseOnFirstTab()
{
    setCurrentTab(SpeechToTextTab);
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

QListWidget *KvSpeechServiceDialog::taskList(int tab) const
{
    return tab == TextToSpeechTab ? m_ttsList : m_sttList;
}

void KvSpeechServiceDialog::closeEvent(QCloseEvent *event)
{
    if (!checkCanClose()) {
        event->ignore();
        return;
    }
    KvFramelessDialog::closeEvent(event);
}

void KvSpeechServiceDialog::onCloseClicked()
{
    if (checkCanClose())
        KvFramelessDialog::onCloseClicked();
}

void KvSpeechServiceDialog::onTaskChanged(int id)
{
    for (const KvSpeechServicePresenter::Task &task : m_presenter->tasks()) {
        if (task.id != id)
            continue;
        QListWidget *list = taskList(task.params.kind == KvSpeechTaskKind::TextToSpeech ? TextToSpeechTab : SpeechToTextTab);
        QListWidgetItem *item = nullptr;
        for (int row = 0; row < list->count() && !item; ++row) {
            if (list->item(row)->data(kTaskIdRole).toInt() == id)
                item = list->item(row);
        }
        if (!item) {
            item = new QListWidgetItem(list);
            item->setData(kTaskIdRole, id);
        }
        const QString file = task.files.isEmpty() ? QString() : task.files.last();
        item->setData(kFileRole, file);
        item->setText(file.isEmpty() ? tr("Job %1: %2").arg(id).arg(stateText(task.state))
                                     : tr("Job %1: %2 - %3").arg(id).arg(stateText(task.state), QFileInfo(file).fileName()));
        return;
    }
}

void KvSpeechServiceDialog::onSrtFile(const KvSpeechFileEvent &event)
{
    const QPointer<KvSpeechServicePresenter> alive(m_presenter);
    emit sigSrtProductFileGenerate(event.path, event.folderName, event.clip, event.beginPos, event.isStart);
    if (alive && m_presenter->isTaskActive(event.taskId))
        emit sigSrtFileGenerate(event.path, event.clip, event.timeline);
}

void KvSpeechServiceDialog::onItemActivated(QListWidgetItem *item)
{
    const QString file = item ? item->data(kFileRole).toString() : QString();
    if (!file.isEmpty())
        emit sigFindMatterLocation(file);
}
