#include "KvSkin.h"

#include "IKvBaseLog.h"
#include "KvCheck.h"
#include "KvSkinIconEngine.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>

// Resources of a static library are registered by hand; outside any namespace.
static void initSkinResources()
{
    Q_INIT_RESOURCE(kvskin);
}

namespace {

const char kStyleSheetPath[] = ":/skin/korvane.qss";

} // namespace

KvSkin::KvSkin()
    : m_palette(KvSkinPalette::dark())
{
    initSkinResources();
}

KvSkin::~KvSkin() = default;

void KvSkin::setPalette(const KvSkinPalette &palette)
{
    m_palette = palette;
    ++m_generation;
    m_tintedFiles.clear();
    if (m_appliedTo) {
        QApplication::setPalette(widgetPalette());
        m_appliedTo->setStyleSheet(styleSheet());
    }
    emit sigPaletteChanged();
}

QString KvSkin::resolve(const QString &styleSheetTemplate) const
{
    // One pass, so that an icon's arguments (a colour token without its
    // at sign) are never read as a colour of their own.
    static const QRegularExpression pattern(
        QStringLiteral(R"(@icon\(\s*([\w-]+)\s*,\s*(\w+)\s*\)|@([A-Za-z_]\w*))"));

    QString result;
    result.reserve(styleSheetTemplate.size());
    int last = 0;
    auto matches = pattern.globalMatch(styleSheetTemplate);
    while (matches.hasNext()) {
        const auto match = matches.next();
        result += styleSheetTemplate.midRef(last, match.capturedStart() - last);
        last = match.capturedEnd();
        if (match.capturedStart(1) >= 0) {
            const QString file = tintedIconFile(match.captured(1), match.captured(2));
            result += file.isEmpty() ? match.captured(0) : file;
            continue;
        }
        const QString token = match.captured(3);
        if (m_palette.contains(token)) {
            result += KvSkinPalette::toStyleSheet(m_palette.color(token));
        } else {
            KV_LOG_ERROR("style sheet names an unknown colour \"@%s\"", KV_CSTR(token));
            result += match.captured(0);
        }
    }
    result += styleSheetTemplate.midRef(last);
    return result;
}

QString KvSkin::styleSheet() const
{
    QFile file(QString::fromLatin1(kStyleSheetPath));
    if (!file.open(QIODevice::ReadOnly)) {
        KV_LOG_ERROR("cannot read the style sheet %s", kStyleSheetPath);
        return QString();
    }
    return resolve(QString::fromUtf8(file.readAll()));
}

void KvSkin::applyTo(QApplication *application)
{
    KV_CHECK(application, return);
    m_appliedTo = application;
    QApplication::setPalette(widgetPalette());
    application->setStyleSheet(styleSheet());
}

QPalette KvSkin::widgetPalette() const
{
    const auto c = [this](const char *token) { return m_palette.color(QString::fromLatin1(token)); };
    QPalette palette;
    const struct
    {
        QPalette::ColorRole role;
        const char *token;
    } roles[] = {
        {QPalette::Window, "surfaceBg"},
        {QPalette::WindowText, "text"},
        {QPalette::Base, "viewBg"},
        {QPalette::AlternateBase, "cardBg"},
        {QPalette::Text, "textBright"},
        {QPalette::PlaceholderText, "textDim"},
        {QPalette::Button, "controlBg"},
        {QPalette::ButtonText, "textBright"},
        {QPalette::BrightText, "textStrong"},
        {QPalette::Highlight, "accent"},
        {QPalette::HighlightedText, "accentText"},
        {QPalette::ToolTipBase, "tipBg"},
        {QPalette::ToolTipText, "textBright"},
        {QPalette::Link, "accent"},
        {QPalette::LinkVisited, "accentHover"},
        {QPalette::Light, "controlHoverBorder"},
        {QPalette::Midlight, "controlBorder"},
        {QPalette::Mid, "line"},
        {QPalette::Dark, "sideBg"},
        {QPalette::Shadow, "windowBg"},
    };
    for (const auto &entry : roles)
        palette.setColor(entry.role, c(entry.token));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, c("textDisabled"));
    palette.setColor(QPalette::Disabled, QPalette::Button, c("controlDisabledBg"));
    return palette;
}

QString KvSkin::iconPath(const QString &name)
{
    return QStringLiteral(":/skin/icons/%1.svg").arg(name);
}

bool KvSkin::hasIcon(const QString &name)
{
    initSkinResources();
    return QFile::exists(iconPath(name));
}

QIcon KvSkin::icon(const QString &name) const
{
    if (!hasIcon(name)) {
        KV_LOG_ERROR("no skin icon \"%s\"", KV_CSTR(name));
        return QIcon();
    }
    return QIcon(new KvSkinIconEngine(name));
}

QByteArray KvSkin::tintedSvg(const QString &name, const QColor &color) const
{
    initSkinResources();
    QFile file(iconPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray svg = file.readAll();
    svg.replace("currentColor", color.name(QColor::HexRgb).toLatin1());
    svg.replace("contrastColor", m_palette.color(QStringLiteral("iconContrast")).name(QColor::HexRgb).toLatin1());
    return svg;
}

QPixmap KvSkin::pixmap(const QString &name, const QSize &size, const QString &colorToken) const
{
    QByteArray svg = tintedSvg(name, m_palette.color(colorToken));
    if (svg.isEmpty()) {
        KV_LOG_ERROR("no skin icon \"%s\"", KV_CSTR(name));
        return QPixmap();
    }
    QBuffer buffer(&svg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    reader.setScaledSize(size);
    QImage image = reader.read();
    if (image.isNull()) {
        KV_LOG_ERROR("cannot draw skin icon \"%s\": %s", KV_CSTR(name), KV_CSTR(reader.errorString()));
        return QPixmap();
    }
    return QPixmap::fromImage(image);
}

QString KvSkin::tintedIconFile(const QString &name, const QString &token) const
{
    const QString key = name + QLatin1Char('/') + token;
    const auto it = m_tintedFiles.constFind(key);
    if (it != m_tintedFiles.constEnd())
        return *it;
    if (!m_palette.contains(token)) {
        KV_LOG_ERROR("style sheet icon \"%s\" names an unknown colour \"%s\"", KV_CSTR(name), KV_CSTR(token));
        return QString();
    }
    const QByteArray svg = tintedSvg(name, m_palette.color(token));
    if (svg.isEmpty()) {
        KV_LOG_ERROR("style sheet names no skin icon \"%s\"", KV_CSTR(name));
        return QString();
    }
    if (!m_tintDir)
        m_tintDir = std::make_unique<QTemporaryDir>();
    const QString path = m_tintDir->filePath(QStringLiteral("%1-%2-%3.svg").arg(name, token).arg(m_generation));
    QFile file(path);
    if (!m_tintDir->isValid() || !file.open(QIODevice::WriteOnly) || file.write(svg) != svg.size()) {
        KV_LOG_ERROR("cannot write the tinted icon %s", KV_CSTR(path));
        return QString();
    }
    m_tintedFiles.insert(key, path);
    return path;
}
