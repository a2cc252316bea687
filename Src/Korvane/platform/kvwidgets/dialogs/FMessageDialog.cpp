#include "FMessageDialog.h"

#include "IKvBaseLog.h"
#include "KvSkin.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

FMessageDialog::Answerer &answerer()
{
    static FMessageDialog::Answerer s_answerer;
    return s_answerer;
}

// Set on the dialog itself, so that these win over whatever style sheet the
// page it opens over passes down (a page's own label and button rules);
// frame and bars come from the application's skin.
const char kStyleSheet[] = R"(
#KvFramelessDialog_Title { color: @textStrong; font-size: 14px; font-weight: 600; }
#FMessageDialog_Text { color: @textBright; font-size: 13px; }
QCheckBox { color: @text; }
QPushButton { color: @textBright; background: @controlBg; border: 1px solid @controlBorder; border-radius: 6px;
              padding: 7px 18px; font-size: 13px; min-width: 64px; }
QPushButton:hover { background: @controlHoverBg; border-color: @controlHoverBorder; }
QPushButton:default, QPushButton[primary="true"] { background: @accent; border: none; color: @accentText;
                                                   font-weight: 600; }
QPushButton:default:hover, QPushButton[primary="true"]:hover { background: @accentHover; }
)";

constexpr int kIconSize = 28;
// Past these, a message gets the standard width instead of the narrow one.
constexpr int kNarrowTextLength = 240;
constexpr int kNarrowRunLength = 40;
// Runs of this many characters without a break point get one.
constexpr int kLongRun = 24;

const QChar kBreak(0x200B); // zero width space

int longestRun(const QString &text)
{
    int longest = 0;
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        longest = qMax(longest, run);
    }
    return longest;
}

} // namespace

FMessageDialog::FMessageDialog(QWidget *parent)
    : KvFramelessDialog(parent, NarrowWidth)
    , m_icon(new QLabel(contentWidget()))
    , m_text(new QLabel(contentWidget()))
    , m_checkBox(new QCheckBox(contentWidget()))
{
    setObjectName(QStringLiteral("FMessageDialog"));
    // Until the caller names it, the title bar names the application.
    setTitle(QGuiApplication::applicationDisplayName());
    setStyleSheet(KvSkin::instance()->resolve(QString::fromUtf8(kStyleSheet)));
    m_text->setObjectName(QStringLiteral("FMessageDialog_Text"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_checkBox->setObjectName(QStringLiteral("FMessageDialog_CheckBox"));
    m_checkBox->hide();
    m_icon->setObjectName(QStringLiteral("FMessageDialog_Icon"));
    m_icon->setFixedSize(kIconSize, kIconSize);
    setKind(Information);

    auto *message = new QHBoxLayout;
    message->setSpacing(14);
    message->addWidget(m_icon, 0, Qt::AlignTop);
    message->addWidget(m_text, 1);
    auto *layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 20, 24, 18);
    layout->setSpacing(16);
    layout->addLayout(message);
    layout->addWidget(m_checkBox);
}

FMessageDialog::~FMessageDialog() = default;

void FMessageDialog::setText(const QString &text)
{
    m_plainText = text;
    m_text->setText(wrappableText(text));
    m_text->setAccessibleName(text);
    const bool narrow = text.size() <= kNarrowTextLength && longestRun(text) <= kNarrowRunLength;
    setWidthClass(narrow ? NarrowWidth : StandardWidth);
}

QString FMessageDialog::text() const
{
    return m_plainText;
}

QString FMessageDialog::wrappableText(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    int run = 0;
    for (const QChar c : text) {
        out += c;
        if (c.isSpace()) {
            run = 0;
            continue;
        }
        ++run;
        // After a separator where there is one, anywhere in a run that has none.
        const bool separator = c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('_')
            || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('?') || c == QLatin1Char('&');
        if ((separator && run >= 2) || run >= kLongRun) {
            out += kBreak;
            run = 0;
        }
    }
    return out;
}

void FMessageDialog::setKind(Kind kind)
{
    m_kind = kind;
    QString icon = QStringLiteral("info");
    QString token = QStringLiteral("textMuted");
    if (kind == Question) {
        icon = QStringLiteral("support");
    } else if (kind == Alert) {
        icon = QStringLiteral("failed");
        token = QStringLiteral("warning");
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap = KvSkin::instance()->pixmap(icon, QSize(kIconSize, kIconSize) * ratio, token);
    pixmap.setDevicePixelRatio(ratio);
    m_icon->setPixmap(pixmap);
}

QPushButton *FMessageDialog::addButton(const QString &text, int result)
{
    const bool first = buttonTexts().isEmpty();
    QPushButton *pushButton = KvFramelessDialog::addButton(text, result, first);
    pushButton->setObjectName(QStringLiteral("FMessageDialog_Button%1").arg(result));
    pushButton->setDefault(first);
    return pushButton;
}

void FMessageDialog::setCheckBoxText(const QString &text)
{
    m_checkBox->setText(text);
    m_checkBox->setAccessibleName(text);
    m_checkBox->setVisible(!text.isEmpty());
}

QString FMessageDialog::checkBoxText() const
{
    return m_checkBox->text();
}

bool FMessageDialog::isChecked() const
{
    return m_checkBox->isChecked();
}

void FMessageDialog::setChecked(bool checked)
{
    m_checkBox->setChecked(checked);
}

int FMessageDialog::DoModal()
{
    // A message the user could not dismiss would block the editor.
    if (buttonTexts().isEmpty())
        addButton(tr("OK"), Ok);
    Answerer &answer = answerer();
    return runModal("message", text(), answer ? std::function<int()>([&] { return answer(*this); }) : nullptr);
}

FMessageDialog *FMessageDialog::notify(QWidget *parent, const QString &title, const QString &text,
                                       const QString &objectName)
{
    if (answerer()) {
        information(parent, title, text, objectName);
        return nullptr;
    }
    auto *dialog = new FMessageDialog(parent);
    if (!objectName.isEmpty())
        dialog->setObjectName(objectName);
    dialog->setTitle(title);
    dialog->setText(text);
    dialog->addButton(tr("OK"), Ok);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    KV_LOG_INFO("message %s: %s", KV_CSTR(dialog->objectName()), KV_CSTR(text));
    connect(dialog, &QDialog::finished, dialog, [dialog](int result) {
        KV_LOG_INFO("message %s answered %d", KV_CSTR(dialog->objectName()), result);
    });
    dialog->open();
    return dialog;
}

int FMessageDialog::information(QWidget *parent, const QString &title, const QString &text, const QString &objectName)
{
    FMessageDialog dialog(parent);
    if (!objectName.isEmpty())
        dialog.setObjectName(objectName);
    dialog.setTitle(title);
    dialog.setText(text);
    dialog.addButton(tr("OK"), Ok);
    return dialog.DoModal();
}

int FMessageDialog::question(QWidget *parent, const QString &title, const QString &text, const QString &objectName,
                             const QString &yesText, const QString &noText)
{
    FMessageDialog dialog(parent);
    if (!objectName.isEmpty())
        dialog.setObjectName(objectName);
    dialog.setKind(Question);
    dialog.setTitle(title);
    dialog.setText(text);
    dialog.addButton(yesText.isEmpty() ? tr("Yes") : yesText, Yes);
    dialog.addButton(noText.isEmpty() ? tr("No") : noText, No);
    return dialog.DoModal();
}

int FMessageDialog::alert(QWidget *parent, const QString &title, const QString &text, const QString &objectName)
{
    FMessageDialog dialog(parent);
    if (!objectName.isEmpty())
        dialog.setObjectName(objectName);
    dialog.setKind(Alert);
    dialog.setTitle(title);
    dialog.setText(text);
    dialog.addButton(tr("OK"), Ok);
    return dialog.DoModal();
}

void FMessageDialog::setAnswerer(Answerer answerer)
{
    ::answerer() = std::move(answerer);
}

bool FMessageDialog::hasAnswerer()
{
    return bool(answerer());
}
