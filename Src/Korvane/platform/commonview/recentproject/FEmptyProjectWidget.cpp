#include "FEmptyProjectWidget.h"

#include "KvSkin.h"

#include <QLabel>
#include <QVBoxLayout>

const QSize FEmptyProjectWidget::kIconSize(88, 64);
const QSize FEmptyProjectWidget::kCaptionSize(245, 16);

FEmptyProjectWidget::FEmptyProjectWidget(QWidget *parent)
    : QWidget(parent)
    , m_icon(new QLabel(this))
    , m_caption(new QLabel(tr("Recent Project"), this))
{
    setObjectName(QStringLiteral("FEmptyProjectWidget"));
    m_icon->setObjectName(QStringLiteral("FProductHomePage_EmptyRecentIcon"));
    m_icon->setFixedSize(kIconSize);
    m_icon->setAlignment(Qt::AlignCenter);
    const qreal ratio = devicePixelRatioF();
    QPixmap icon = KvSkin::instance()->pixmap(QStringLiteral("video"), QSize(64, 64) * ratio, QStringLiteral("textDim"));
    icon.setDevicePixelRatio(ratio);
    m_icon->setPixmap(icon);
    m_caption->setObjectName(QStringLiteral("FProductHomePage_EmptyRecentText"));
    m_caption->setFixedSize(kCaptionSize);
    m_caption->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(kSpacing);
    layout->addStretch(1);
    layout->addWidget(m_icon, 0, Qt::AlignHCenter);
    layout->addWidget(m_caption, 0, Qt::AlignHCenter);
    layout->addStretch(1);
}

FEmptyProjectWidget::~FEmptyProjectWidget() = default;
