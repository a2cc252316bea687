#pragma once

#include <QColor>
#include <QMap>
#include <QString>
#include <QStringList>

// Every colour of a skin, by token name. The style sheet and the widgets that
// paint themselves refer to colours only through these tokens ("@accent" in
// the style sheet, color("accent") in code), so a skin is swapped by handing
// KvSkin another palette.
class KvSkinPalette
{
public:
    // The editor's dark look, the one the start page introduced.
    static KvSkinPalette dark();
    // The light look: the same tokens, light surfaces and dark text.
    static KvSkinPalette light();
    // "dark" or "light" for the two above, empty for any other palette.
    QString name() const { return m_name; }

    // An invalid colour (and an error line) for a token the palette lacks.
    QColor color(const QString &token) const;
    bool contains(const QString &token) const { return m_colors.contains(token); }
    void setColor(const QString &token, const QColor &color) { m_colors.insert(token, color); }
    QStringList tokens() const { return m_colors.keys(); }

    // The colour as a style sheet writes it: "#rrggbb", or "rgba(r, g, b, a)"
    // when it is not opaque.
    static QString toStyleSheet(const QColor &color);

private:
    QMap<QString, QColor> m_colors;
    QString m_name;
};
