#include "FTemplateView.h"

#include "FTemplateViewPresenter.h"
#include "KvCloseRequest.h"
#include "KvUIScene.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FTemplateView::FTemplateView(FTemplateViewPresenter *presenter, KvUIScene *scene, QWidget *parent)
    : QWidget(parent)
    , KvUIView(this)
    , m_presenter(presenter)
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("FTemplateView"));
    setWindowTitle(tr("Templates"));
    resize(720, 480);
    setScene(scene);
    setPresenter(presenter);

    auto *title = new QLabel(tr("Choose a template"), this);
    m_list->setObjectName(QStringLiteral("FTemplateView_List"));
    auto *useButton = new QPushButton(tr("Use Template"), this);
    useButton->setObjectName(QStringLiteral("FTemplateView_UseBtn"));
    auto *homeButton = new QPushButton(tr("Home"), this);
    homeButton->setObjectName(QStringLiteral("FTemplateView_HomeBtn"));
    auto *menuButton = new QPushButton(tr("Menu"), this);
    menuButton->setObjectName(QStringLiteral("FTemplateView_MenuBtn"));

    auto *top = new QHBoxLayout;
    top->addWidget(homeButton);
    top->addWidget(title, 1);
    top->addWidget(menuButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addWidget(useButton, 0, Qt::AlignRight);

    connect(useButton, &QPushButton::clicked, this, &FTemplateView::useSelectedTemplate);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &FTemplateView::useSelectedTemplate);
    connect(homeButton, &QPushButton::clicked, this, [this]() {
        if (backHomepage())
            emit sigBackHomepage();
    });
    connect(menuButton, &QPushButton::clicked, this, [this, menuButton]() {
        emit sigShowMenu(menuButton->mapToGlobal(QPoint(0, menuButton->height())));
    });
    reloadTemplates();
}

void FTemplateView::reloadTemplates()
{
    const QString selected = m_list->currentItem() ? m_list->currentItem()->data(Qt::UserRole).toString() : QString();
    m_list->clear();
    if (!m_presenter)
        return;
    for (const FTemplateViewPresenter::Entry &entry : m_presenter->templates()) {
        auto *item = new QListWidgetItem(entry.name, m_list);
        item->setData(Qt::UserRole, entry.path);
        item->setToolTip(entry.path);
        if (entry.path == selected)
            m_list->setCurrentItem(item);
    }
    if (!m_list->currentItem() && m_list->count() > 0)
        m_list->setCurrentRow(0);
}

bool FTemplateView::useSelectedTemplate()
{
    const QListWidgetItem *item = m_list->currentItem();
    if (!item || !m_presenter)
        return false;
    if (!m_presenter->useTemplate({item->text(), item->data(Qt::UserRole).toString()}))
        return false;
    emit sigEnterEditView();
    return true;
}

void FTemplateView::closeEvent(QCloseEvent *event)
{
    kvAnswerCloseRequest(event, [this](bool &ignore) { emit sigClose(ignore); });
}

void FTemplateView::showEvent(QShowEvent *event)
{
    reloadTemplates();
    QWidget::showEvent(event);
}
