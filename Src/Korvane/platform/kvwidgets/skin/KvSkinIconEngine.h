#pragma once

#include <QHash>
#include <QIconEngine>
#include <QPixmap>
#include <QString>

// Draws a skin icon at whatever size a view asks for, tinted with the
// palette colour of the icon's mode and state. Renderings are kept, so a
// button repaint costs one lookup.
class KvSkinIconEngine : public QIconEngine
{
public:
    explicit KvSkinIconEngine(const QString &name);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

    static QString colorToken(QIcon::Mode mode, QIcon::State state);

private:
    QString m_name;
    QHash<QString, QPixmap> m_cache;
};
