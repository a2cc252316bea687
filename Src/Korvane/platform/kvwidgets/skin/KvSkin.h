#pragma once

#include "KvLazySingleton.h"
#include "KvSkinPalette.h"

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QPalette>
#include <QPixmap>
#include <QString>

#include <memory>

class QApplication;
class QTemporaryDir;

// The editor's skin: one palette, the application style sheet written with
// that palette's tokens, and the icons. GUI thread only.
//
// Style sheet text names colours as "@token" (see KvSkinPalette); a tinted
// copy of an icon, for style sheet images such as a check mark, is written
// "@icon(name, token)". resolve() turns both into what Qt understands.
//
// Icons live as single-colour SVG files at iconPath(name) and are drawn in
// "currentColor"; icon() tints them per state (normal, hover, disabled,
// checked) from the palette, so they follow a palette change.
class KvSkin : public QObject, public KvLazySingleton<KvSkin>
{
    Q_OBJECT

public:
    ~KvSkin() override;

    const KvSkinPalette &palette() const { return m_palette; }
    // Replaces the palette and restyles an application this skin was applied to.
    void setPalette(const KvSkinPalette &palette);
    QColor color(const QString &token) const { return m_palette.color(token); }
    // Counts palette changes, so that cached renderings can tell they are stale.
    quint64 paletteGeneration() const { return m_generation; }

    // The text with every token replaced. An unknown token is logged and
    // left as it stands.
    QString resolve(const QString &styleSheetTemplate) const;
    // The application style sheet, resolved.
    QString styleSheet() const;
    // Sets the style sheet and the matching widget palette on the
    // application (and again after setPalette), so that a widget no rule
    // names is dark too.
    void applyTo(QApplication *application);
    // The widget palette of the skin.
    QPalette widgetPalette() const;

    // ":/skin/icons/<name>.svg"
    static QString iconPath(const QString &name);
    static bool hasIcon(const QString &name);
    // The named icon, tinted from the palette; a null icon (and an error
    // line) for a name that has no file.
    QIcon icon(const QString &name) const;
    // One rendering of the icon, `size` in device pixels.
    QPixmap pixmap(const QString &name, const QSize &size, const QString &colorToken = QStringLiteral("icon")) const;

    // The SVG text of the icon in a colour ("contrastColor", for a mark drawn
    // over a filled shape, becomes the palette's "iconContrast"); empty when
    // there is no such icon.
    QByteArray tintedSvg(const QString &name, const QColor &color) const;

signals:
    void sigPaletteChanged();

private:
    friend class KvLazySingleton<KvSkin>;
    KvSkin();

    QString tintedIconFile(const QString &name, const QString &token) const;

    KvSkinPalette m_palette;
    quint64 m_generation = 0;
    QApplication *m_appliedTo = nullptr;
    // Tinted copies of the icons the style sheet points at by file name.
    mutable std::unique_ptr<QTemporaryDir> m_tintDir;
    mutable QHash<QString, QString> m_tintedFiles;
};
