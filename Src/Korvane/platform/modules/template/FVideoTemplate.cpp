#include "FVideoTemplate.h"

#include "FVideoTemplatePresenter.h"
#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "KvCloseRequest.h"
#include "KvProjectAspectRatioType.h"
#include "KvUIScene.h"
#include "KvUndoRedoService.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

FVideoTemplate::FVideoTemplate(FVideoTemplatePresenter *presenter, KvUIScene *scene, QWidget *parent)
    : QWidget(parent)
    , KvUIView(this)
    , m_presenter(presenter)
    , m_name(new QLabel(this))
    , m_settings(new QLabel(this))
    , m_aspect(new QComboBox(this))
    , m_undo(new QPushButton(tr("Undo"), this))
    , m_redo(new QPushButton(tr("Redo"), this))
{
    setObjectName(QStringLiteral("FVideoTemplate"));
    setWindowTitle(tr("Template Editor"));
    resize(960, 600);
    setScene(scene);
    setPresenter(presenter);

    m_name->setObjectName(QStringLiteral("FVideoTemplate_Name"));
    m_settings->setObjectName(QStringLiteral("FVideoTemplate_Settings"));
    m_aspect->setObjectName(QStringLiteral("FVideoTemplate_Aspect"));
    m_undo->setObjectName(QStringLiteral("FVideoTemplate_UndoBtn"));
    m_redo->setObjectName(QStringLiteral("FVideoTemplate_RedoBtn"));
    const QList<QPair<int, QString>> shapes{
        {KvProjectAspectRatio_16_9, QStringLiteral("16:9")}, {KvProjectAspectRatio_9_16, QStringLiteral("9:16")},
        {KvProjectAspectRatio_1_1, QStringLiteral("1:1")},   {KvProjectAspectRatio_4_5, QStringLiteral("4:5")},
        {KvProjectAspectRatio_4_3, QStringLiteral("4:3")},   {KvProjectAspectRatio_21_9, QStringLiteral("21:9")}};
    for (const auto &shape : shapes)
        m_aspect->addItem(shape.second, shape.first);

    auto *backButton = new QPushButton(tr("Back"), this);
    backButton->setObjectName(QStringLiteral("FVideoTemplate_BackBtn"));
    auto *homeButton = new QPushButton(tr("Home"), this);
    homeButton->setObjectName(QStringLiteral("FVideoTemplate_HomeBtn"));
    auto *menuButton = new QPushButton(tr("Menu"), this);
    menuButton->setObjectName(QStringLiteral("FVideoTemplate_MenuBtn"));
    auto *timelineButton = new QPushButton(tr("Edit in Timeline"), this);
    timelineButton->setObjectName(QStringLiteral("FVideoTemplate_TimelineBtn"));

    auto *top = new QHBoxLayout;
    top->addWidget(backButton);
    top->addWidget(homeButton);
    top->addWidget(m_name, 1);
    top->addWidget(menuButton);
    auto *edit = new QHBoxLayout;
    edit->addWidget(new QLabel(tr("Frame shape:"), this));
    edit->addWidget(m_aspect);
    edit->addStretch(1);
    edit->addWidget(m_undo);
    edit->addWidget(m_redo);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_settings);
    layout->addLayout(edit);
    layout->addStretch(1);
    layout->addWidget(timelineButton, 0, Qt::AlignRight);

    connect(backButton, &QPushButton::clicked, this, &FVideoTemplate::sigBackTemplateView);
    connect(timelineButton, &QPushButton::clicked, this, [this]() { emit sigEnterTimelineMode(true); });
    connect(homeButton, &QPushButton::clicked, this, [this]() {
        if (backHomepage())
            emit sigBackHomepage();
    });
    connect(menuButton, &QPushButton::clicked, this, [this, menuButton]() {
        emit sigShowMenu(menuButton->mapToGlobal(QPoint(0, menuButton->height())));
    });
    connect(m_aspect, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        if (m_presenter)
            m_presenter->setAspect(m_aspect->itemData(index).toInt());
    });
    if (presenter) {
        connect(presenter, &FVideoTemplatePresenter::sigProjectChanged, this, &FVideoTemplate::refresh);
        connect(m_undo, &QPushButton::clicked, this, [this]() {
            if (m_presenter && m_presenter->undoRedoService())
                m_presenter->undoRedoService()->undo();
        });
        connect(m_redo, &QPushButton::clicked, this, [this]() {
            if (m_presenter && m_presenter->undoRedoService())
                m_presenter->undoRedoService()->redo();
        });
    }
    refresh();
}

bool FVideoTemplate::prepareExitForUpgrade()
{
    return !m_presenter || m_presenter->prepareExitForUpgrade();
}

bool FVideoTemplate::backHomepage()
{
    return !m_presenter || m_presenter->backHomepage();
}

void FVideoTemplate::refresh()
{
    const IKvProject *project = m_presenter ? m_presenter->project() : nullptr;
    const KvUndoRedoService *history = m_presenter ? m_presenter->undoRedoService() : nullptr;
    m_undo->setEnabled(history && history->canUndo());
    m_redo->setEnabled(history && history->canRedo());
    m_aspect->setEnabled(project != nullptr);
    if (!project) {
        m_name->setText(tr("No project"));
        m_settings->clear();
        return;
    }
    const QString name = project->name().isEmpty() ? tr("Untitled") : project->name();
    m_name->setText(project->isModified() ? name + QLatin1Char('*') : name);
    const KvProjectSettings settings = project->settings();
    m_settings->setText(tr("%1 x %2, %3 fps")
                            .arg(settings.width)
                            .arg(settings.height)
                            .arg(settings.frameRate, 0, 'g', 6));
    const QSignalBlocker blocker(m_aspect);
    m_aspect->setCurrentIndex(m_aspect->findData(m_presenter->aspect()));
}

void FVideoTemplate::closeEvent(QCloseEvent *event)
{
    if (!backHomepage()) {
        KV_LOG_INFO("template editor stays open: the project was kept");
        event->ignore();
        return;
    }
    kvAnswerCloseRequest(event, [this](bool &ignore) { emit sigClose(ignore); });
}

void FVideoTemplate::showEvent(QShowEvent *event)
{
    refresh();
    QWidget::showEvent(event);
}
