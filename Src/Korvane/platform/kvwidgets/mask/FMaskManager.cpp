#include "FMaskManager.h"

#include "IKvBaseLog.h"
#include "KvCheck.h"

#include <QEvent>
#include <QWidget>

namespace {

// Keeps the shade the size of the window it covers.
class MaskWidget : public QWidget
{
public:
    MaskWidget() { setObjectName(QStringLiteral("FMaskManager_Mask")); }

    void cover(QWidget *window)
    {
        if (m_window)
            m_window->removeEventFilter(this);
        m_window = window;
        setParent(window);
        setAttribute(Qt::WA_StyledBackground);
        setStyleSheet(QStringLiteral("#FMaskManager_Mask { background: rgba(0, 0, 0, 96); }"));
        if (window) {
            window->installEventFilter(this);
            setGeometry(window->rect());
        }
        show();
        raise();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Resize)
            setGeometry(m_window->rect());
        return false;
    }

private:
    QPointer<QWidget> m_window;
};

} // namespace

FMaskManager::FMaskManager() = default;

bool FMaskManager::IsMaskVisible()
{
    return exists() && instance()->isMaskVisible();
}

void FMaskManager::showMask(QWidget *window, const QString &stepName)
{
    KV_CHECK(window, return);
    const bool wasVisible = isMaskVisible();
    if (m_mask)
        m_mask->deleteLater();
    auto *mask = new MaskWidget;
    mask->cover(window);
    m_mask = mask;
    m_visible = true;
    // A window closed under its mask takes the mask along: tell the waiters.
    connect(mask, &QObject::destroyed, this, [this, mask] {
        if (m_mask.isNull() || m_mask == mask)
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
        mask->hide();
        mask->deleteLater();
    }
    m_stepName.clear();
    KV_LOG_INFO("mask closed");
    emit sigMaskChanged(QString());
    emit sigMaskVisibleChanged(false);
}

bool FMaskManager::isMaskVisible() const
{
    return m_visible;
}
