#include "KvTabFramelessDialog.h"

#include "IKvBaseLog.h"
#include "KvCheck.h"

#include <QTabBar>
#include <QTabWidget>

KvTabFramelessDialog::KvTabFramelessDialog(QWidget *parent, WidthClass widthClass)
    : KvFramelessDialog(parent, widthClass)
    , m_tabs(new QTabWidget)
{
    setObjectName(QStringLiteral("KvTabFramelessDialog"));
    m_tabs->setObjectName(QStringLiteral("KvTabFramelessDialog_Tabs"));
    m_tabs->setDocumentMode(true);
    m_tabs->tabBar()->setAccessibleName(tr("Pages"));
    setContentWidget(m_tabs);
    connect(m_tabs, &QTabWidget::currentChanged, this, &KvTabFramelessDialog::sigCurrentTabChanged);
}

int KvTabFramelessDialog::addTab(QWidget *page, const QString &label)
{
    KV_CHECK(page, return -1);
    if (page->accessibleName().isEmpty())
        page->setAccessibleName(label);
    return m_tabs->addTab(page, label);
}

int KvTabFramelessDialog::tabCount() const
{
    return m_tabs->count();
}

QWidget *KvTabFramelessDialog::tabPage(int index) const
{
    return m_tabs->widget(index);
}

void KvTabFramelessDialog::setCurrentTab(int index)
{
    if (index < 0 || index >= m_tabs->count()) {
        KV_LOG_ERROR("dialog %s has no tab %d", KV_CSTR(objectName()), index);
        return;
    }
    m_tabs->setCurrentIndex(index);
}

int KvTabFramelessDialog::currentTab() const
{
    return m_tabs->currentIndex();
}
