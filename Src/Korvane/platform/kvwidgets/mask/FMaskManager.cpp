#include "FMaskManager.h"

#include "FMaskWidget.h"
#include "IKvBaseLog.h"
#include "KvCheck.h"

FMaskManager::FMaskManager() = default;

bool FMaskManager::IsMaskVisible()
{
    return exists() && instance()->isMaskVisible();
}

void FMaskManager::showMask(QWidget *window, const QString &stepName)
{
    KV_CHECK(window, return);
    const bool wasVisible = isMaskVisible();
    if (m_mask) {
        // Replaced, not closed: its end says nothing to the waiters.
        disconnect(m_mask, &QObject::destroyed, this, nullptr);
        m_mask->hide();
        m_mask->deleteLater();
    }
    auto *mask = new FMaskWidget(window);
    m_mask = mask;
    m_visible = true;
    // A window closed under its mask takes the mask along: tell the waiters.
    // Compared by address only: a widget being destroyed is no longer a
    // mask widget, so it must not be reached through m_mask.
    const QObject *identity = mask;
    connect(mask, &QObject::destroyed, this, [this, identity](QObject *gone) {
        // Only the current mask is connected (a replaced one is let go).
        if (gone != identity || m_mask.isNull())
            return;
        m_mask.clear();
        closeMask();
    });
    m_stepName = stepName;
    KV_LOG_INFO("mask shown, step \"%s\"", KV_CSTR(stepName));
    emit sigMaskChanged(stepName);
    if (!wasVisible)
        emit sigMaskVisibleChanged(true);
}

void FMaskManager::closeMask()
{
    if (!m_visible)
        return;
    m_visible = false;
    if (m_mask) {
        QWidget *mask = m_mask;
        m_mask.clear();
        disconnect(mask, &QObject::destroyed, this, nullptr);
        mask->hide();
        mask->deleteLater();
    }
    m_stepName.clear();
    KV_LOG_INFO("mask closed");
    emit sigMaskChanged(QString());
    emit sigMaskVisibleChanged(false);
    emit sigMaskClosed();
}

void FMaskManager::showGuideMask(QWidget *window, const QString &stepName, QWidget *target, const QString &text)
{
    KV_CHECK(window, return);
    showMask(window, stepName);
    KV_CHECK(m_mask, return);
    m_mask->setGuide(target, text);
    connect(m_mask, &FMaskWidget::sigCloseClicked, this, [this, stepName] {
        emit sigMaskCloseBtnClicked(stepName);
        // A receiver may have moved on to the next step already.
        if (m_stepName == stepName)
            closeMask();
    });
}

FMaskWidget *FMaskManager::maskWidget() const
{
    return m_mask;
}

bool FMaskManager::isMaskVisible() const
{
    return m_visible;
}
