#include "KvSkinIconEngine.h"

#include "KvSkin.h"

#include <QGuiApplication>
#include <QPainter>

KvSkinIconEngine::KvSkinIconEngine(const QString &name)
    : m_name(name)
{
}

QString KvSkinIconEngine::colorToken(QIcon::Mode mode, QIcon::State state)
{
    switch (mode) {
    case QIcon::Disabled:
        return QStringLiteral("iconDisabled");
    case QIcon::Active:
        return QStringLiteral("iconHover");
    case QIcon::Selected:
        return QStringLiteral("iconHover");
    case QIcon::Normal:
        break;
    }
    return state == QIcon::On ? QStringLiteral("iconChecked") : QStringLiteral("icon");
}

void KvSkinIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap image = pixmap(rect.size() * ratio, mode, state);
    image.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, image);
}

QPixmap KvSkinIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QString token = colorToken(mode, state);
    const QString cacheKey = QStringLiteral("%1x%2/%3/%4")
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(token)
                                 .arg(KvSkin::instance()->paletteGeneration());
    auto it = m_cache.constFind(cacheKey);
    if (it != m_cache.constEnd())
        return *it;
    QPixmap image = KvSkin::instance()->pixmap(m_name, size, token);
    m_cache.insert(cacheKey, image);
    return image;
}

QSize KvSkinIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    return size;
}

QIconEngine *KvSkinIconEngine::clone() const
{
    return new KvSkinIconEngine(m_name);
}

QString KvSkinIconEngine::key() const
{
    return QStringLiteral("KvSkinIconEngine");
}
