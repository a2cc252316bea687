#include "KorvaneTitleToolButtonWdg.h"

#include "FLoginAccountBtn.h"
#include "KvActionId.h"
#include "KvActionManager.h"
#include "KvToolButtonFactory.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QStyle>
#include <QToolButton>
#include <QVariant>

namespace {

QToolButton *makeButton(QWidget *parent, const char *objectName, const QString &toolTip, const char *icon)
{
    return KvToolButtonFactory::create(parent, QLatin1String(objectName), toolTip, QLatin1String(icon), QSize(24, 24));
}

void repolish(QWidget *widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

} // namespace

KorvaneTitleToolButtonWdg::KorvaneTitleToolButtonWdg(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("KorvaneTitleToolButtonWdg"));
    m_creative = makeButton(this, "Korvane_CreativeBtn", tr("Get Creative"), "creative");
    m_creative->setProperty("shinning", 0);
    m_save = makeButton(this, "KorvaneTitleBar_SaveProject", tr("Save Project"), "save");
    // The tool tip carries the shortcut of the save action and follows it
    // when the user rebinds it; the accessible name stays the bare text.
    const QAction *saveAction = KvActionManager::instance()->get(KvActionId::SaveProject);
    connect(saveAction, &QAction::changed, this, &KorvaneTitleToolButtonWdg::updateSaveToolTip);
    updateSaveToolTip();
    m_save->setEnabled(false);
    m_support = makeButton(this, "KorvaneTitleBar_Support", tr("Support Center"), "support");
    m_cloud = makeButton(this, "KorvaneTitleBar_CloudDisk", tr("Cloud Management"), "cloud");
    m_moreEffects = makeButton(this, "KorvaneTitleBar_m_pMoreEffect",
                               tr("Download more effects from Korvane Effects Store."), "more-effects");
    m_message = makeButton(this, "KorvaneTitleBar_m_pMesseage", tr("Message Center"), "message");
    m_message->setProperty("hasNewMessage", false);
    m_messageInfo = makeButton(this, "KorvaneTitleBar_m_pMesseageInfo", tr("Message Center"), "message-new");
    m_messageInfo->setProperty("hasNewMessage", true);
    m_skin = makeButton(this, "KorvaneTitleBar_Btn", tr("Change Skin"), "skin");
    m_account = new FLoginAccountBtn(this);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    for (QWidget *button : std::initializer_list<QWidget *>{m_cloud, m_creative, m_support, m_account, m_save,
                                                            m_message, m_messageInfo, m_moreEffects, m_skin})
        layout->addWidget(button);
    setHasNewMessage(false);
}

void KorvaneTitleToolButtonWdg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KorvaneTitleToolButtonWdg::retranslate()
{
    KvToolButtonFactory::setToolTip(m_creative, tr("Get Creative"));
    KvToolButtonFactory::setToolTip(m_support, tr("Support Center"));
    KvToolButtonFactory::setToolTip(m_cloud, tr("Cloud Management"));
    KvToolButtonFactory::setToolTip(m_moreEffects, tr("Download more effects from Korvane Effects Store."));
    KvToolButtonFactory::setToolTip(m_message, tr("Message Center"));
    KvToolButtonFactory::setToolTip(m_messageInfo, tr("Message Center"));
    KvToolButtonFactory::setToolTip(m_skin, tr("Change Skin"));
    updateSaveToolTip();
}

void KorvaneTitleToolButtonWdg::updateSaveToolTip()
{
    const QString shortcut =
        KvActionManager::instance()->get(KvActionId::SaveProject)->shortcut().toString(QKeySequence::NativeText);
    const QString toolTip =
        shortcut.isEmpty() ? tr("Save Project") : tr("Save Project") + QStringLiteral(" (%1)").arg(shortcut);
    if (m_save->toolTip() != toolTip)
        KvToolButtonFactory::setToolTip(m_save, toolTip);
}

void KorvaneTitleToolButtonWdg::setHasNewMessage(bool hasNew)
{
    m_message->setVisible(!hasNew);
    m_messageInfo->setVisible(hasNew);
}

void KorvaneTitleToolButtonWdg::updateCreativeBtn(bool shinning)
{
    const int next = shinning ? 1 - m_creative->property("shinning").toInt() : 0;
    if (m_creative->property("shinning").toInt() == next && !shinning)
        return;
    m_creative->setProperty("shinning", next);
    repolish(m_creative);
}
