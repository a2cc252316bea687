#include "KvSkinPalette.h"

#include "IKvBaseLog.h"

KvSkinPalette KvSkinPalette::dark()
{
    KvSkinPalette palette;
    const struct
    {
        const char *token;
        QColor color;
    } colors[] = {
        // Surfaces, from the deepest to the most raised.
        {"windowBg", QColor(0x14, 0x16, 0x1b)},
        {"sideBg", QColor(0x18, 0x1a, 0x20)},
        {"surfaceBg", QColor(0x1b, 0x1e, 0x25)},
        {"cardBg", QColor(0x1d, 0x20, 0x27)},
        {"viewBg", QColor(0x17, 0x19, 0x1e)},
        {"videoBg", QColor(0x00, 0x00, 0x00)},
        // Lines.
        {"line", QColor(0x26, 0x2a, 0x33)},
        {"cardBorder", QColor(0x28, 0x2c, 0x35)},
        {"cardHoverBg", QColor(0x25, 0x29, 0x32)},
        {"cardHoverBorder", QColor(0x3a, 0x40, 0x4c)},
        // Controls.
        {"controlBg", QColor(0x26, 0x2a, 0x33)},
        {"controlBorder", QColor(0x32, 0x37, 0x42)},
        {"controlHoverBg", QColor(0x2f, 0x34, 0x40)},
        {"controlHoverBorder", QColor(0x3f, 0x46, 0x54)},
        {"controlPressedBg", QColor(0x22, 0x26, 0x2e)},
        {"controlDisabledBg", QColor(0x1f, 0x22, 0x29)},
        {"itemHoverBg", QColor(0x22, 0x26, 0x2e)},
        {"itemSelectedBg", QColor(0x2b, 0x30, 0x3b)},
        {"scrollHandle", QColor(0x32, 0x37, 0x42)},
        {"scrollHandleHover", QColor(0x3f, 0x46, 0x54)},
        // Text.
        {"text", QColor(0xd5, 0xd8, 0xdf)},
        {"textBright", QColor(0xe6, 0xe8, 0xee)},
        {"textStrong", QColor(0xff, 0xff, 0xff)},
        {"textMuted", QColor(0x9a, 0xa3, 0xb5)},
        {"textDim", QColor(0x6b, 0x72, 0x80)},
        {"textDisabled", QColor(0x55, 0x5b, 0x68)},
        // Accent and states.
        {"accent", QColor(0xff, 0x5a, 0x5f)},
        {"accentHover", QColor(0xff, 0x72, 0x76)},
        {"accentPressed", QColor(0xe6, 0x4a, 0x4f)},
        {"accentText", QColor(0xff, 0xff, 0xff)},
        {"success", QColor(0x3e, 0xcf, 0x8e)},
        {"failure", QColor(0xff, 0x5a, 0x5f)},
        {"warning", QColor(0xf5, 0xa5, 0x24)},
        {"badge", QColor(0xff, 0x5a, 0x5f)},
        // Floating things: toasts, tips, the guide mask's shade.
        {"toastBg", QColor(0x2b, 0x30, 0x3b, 0xf2)},
        {"tipBg", QColor(0x2f, 0x34, 0x40)},
        {"tipBorder", QColor(0x3f, 0x46, 0x54)},
        {"shade", QColor(0x00, 0x00, 0x00, 0x99)},
        {"guideHighlight", QColor(0xff, 0x5a, 0x5f)},
        // Icons: drawn in one colour, tinted per state.
        {"icon", QColor(0xc4, 0xc9, 0xd4)},
        {"iconHover", QColor(0xff, 0xff, 0xff)},
        {"iconDisabled", QColor(0x55, 0x5b, 0x68)},
        {"iconChecked", QColor(0xff, 0x5a, 0x5f)},
        {"iconContrast", QColor(0xff, 0xff, 0xff)},
    };
    for (const auto &entry : colors)
        palette.setColor(QString::fromLatin1(entry.token), entry.color);
    palette.m_name = QStringLiteral("dark");
    return palette;
}

KvSkinPalette KvSkinPalette::light()
{
    KvSkinPalette palette;
    const struct
    {
        const char *token;
        QColor color;
    } colors[] = {
        {"windowBg", QColor(0xf4, 0xf5, 0xf7)},
        {"sideBg", QColor(0xec, 0xee, 0xf1)},
        {"surfaceBg", QColor(0xff, 0xff, 0xff)},
        {"cardBg", QColor(0xff, 0xff, 0xff)},
        {"viewBg", QColor(0xf0, 0xf1, 0xf4)},
        {"videoBg", QColor(0x00, 0x00, 0x00)},
        {"line", QColor(0xdc, 0xdf, 0xe5)},
        {"cardBorder", QColor(0xd8, 0xdb, 0xe2)},
        {"cardHoverBg", QColor(0xf0, 0xf2, 0xf6)},
        {"cardHoverBorder", QColor(0xb8, 0xbe, 0xca)},
        {"controlBg", QColor(0xff, 0xff, 0xff)},
        {"controlBorder", QColor(0xc9, 0xce, 0xd7)},
        {"controlHoverBg", QColor(0xf0, 0xf2, 0xf6)},
        {"controlHoverBorder", QColor(0xa9, 0xb0, 0xbd)},
        {"controlPressedBg", QColor(0xe3, 0xe6, 0xeb)},
        {"controlDisabledBg", QColor(0xee, 0xef, 0xf2)},
        {"itemHoverBg", QColor(0xe9, 0xec, 0xf1)},
        {"itemSelectedBg", QColor(0xdd, 0xe2, 0xea)},
        {"scrollHandle", QColor(0xc4, 0xc9, 0xd2)},
        {"scrollHandleHover", QColor(0xa7, 0xae, 0xba)},
        {"text", QColor(0x2a, 0x2e, 0x36)},
        {"textBright", QColor(0x1c, 0x1f, 0x25)},
        {"textStrong", QColor(0x0b, 0x0c, 0x0f)},
        {"textMuted", QColor(0x5b, 0x63, 0x72)},
        {"textDim", QColor(0x7d, 0x85, 0x93)},
        {"textDisabled", QColor(0xa4, 0xaa, 0xb5)},
        {"accent", QColor(0xe8, 0x43, 0x48)},
        {"accentHover", QColor(0xf0, 0x5a, 0x5f)},
        {"accentPressed", QColor(0xcc, 0x36, 0x3b)},
        {"accentText", QColor(0xff, 0xff, 0xff)},
        {"success", QColor(0x1f, 0x9d, 0x66)},
        {"failure", QColor(0xd9, 0x36, 0x3b)},
        {"warning", QColor(0xc7, 0x7c, 0x0a)},
        {"badge", QColor(0xe8, 0x43, 0x48)},
        {"toastBg", QColor(0x2b, 0x30, 0x3b, 0xf2)},
        {"tipBg", QColor(0xff, 0xff, 0xff)},
        {"tipBorder", QColor(0xc9, 0xce, 0xd7)},
        {"shade", QColor(0x00, 0x00, 0x00, 0x66)},
        {"guideHighlight", QColor(0xe8, 0x43, 0x48)},
        {"icon", QColor(0x4a, 0x50, 0x5c)},
        {"iconHover", QColor(0x0b, 0x0c, 0x0f)},
        {"iconDisabled", QColor(0xa4, 0xaa, 0xb5)},
        {"iconChecked", QColor(0xe8, 0x43, 0x48)},
        {"iconContrast", QColor(0xff, 0xff, 0xff)},
    };
    for (const auto &entry : colors)
        palette.setColor(QString::fromLatin1(entry.token), entry.color);
    palette.m_name = QStringLiteral("light");
    return palette;
}

QColor KvSkinPalette::color(const QString &token) const
{
    const auto it = m_colors.constFind(token);
    if (it == m_colors.constEnd()) {
        KV_LOG_ERROR("skin palette has no colour \"%s\"", KV_CSTR(token));
        return QColor();
    }
    return *it;
}

QString KvSkinPalette::toStyleSheet(const QColor &color)
{
    if (color.alpha() == 255)
        return color.name(QColor::HexRgb);
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(color.red()).arg(color.green()).arg(color.blue()).arg(color.alpha());
}
