#include "FMessageDialog.h"

#include "IKvBaseLog.h"
#include "KvSkin.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

namespace {

const char *const kResultProperty = "messageDialogResult";

FMessageDialog::Answerer &answerer()
{
    static FMessageDialog::Answerer s_answerer;
    return s_answerer;
}

// The editor's dark skin. Set on the dialog itself, so that it wins over
// whatever style sheet the page it opens over passes down.
const char kStyleSheet[] = R"(
FMessageDialog { background: @surfaceBg; border: 1px solid @controlBorder; }
QLabel { color: @textBright; font-size: 13px; }
QCheckBox { color: @text; }
QPushButton { color: @textBright; background: @controlBg; border: 1px solid @controlBorder; border-radius: 6px;
              padding: 7px 18px; font-size: 13px; min-width: 64px; }
QPushButton:hover { background: @controlHoverBg; border-color: @controlHoverBorder; }
QPushButton:default { background: @accent; border: none; color: @accentText; font-weight: 600; }
QPushButton:default:hover { background: @accentHover; }
)";

constexpr int kIconSize = 28;

} // namespace

FMessageDialog::FMessageDialog(QWidget *parent)
    : QDialog(parent)
    , m_icon(new QLabel(this))
    , m_text(new QLabel(this))
    , m_checkBox(new QCheckBox(this))
    , m_buttons(new QHBoxLayout)
{
    setObjectName(QStringLiteral("FMessageDialog"));
    setModal(true);
    setStyleSheet(KvSkin::instance()->resolve(QString::fromUtf8(kStyleSheet)));
    setMinimumWidth(380);
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
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 18);
    layout->setSpacing(16);
    layout->addLayout(message);
    layout->addWidget(m_checkBox);
    m_buttons->addStretch();
    layout->addLayout(m_buttons);
}

FMessageDialog::~FMessageDialog() = default;

void FMessageDialog::setTitle(const QString &title)
{
    setWindowTitle(title);
}

QString FMessageDialog::title() const
{
    return windowTitle();
}

void FMessageDialog::setText(const QString &text)
{
    m_text->setText(text);
    m_text->setAccessibleName(text);
}

QString FMessageDialog::text() const
{
    return m_text->text();
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
    auto *pushButton = new QPushButton(text, this);
    pushButton->setObjectName(QStringLiteral("FMessageDialog_Button%1").arg(result));
    pushButton->setAccessibleName(text);
    pushButton->setProperty(kResultProperty, result);
    pushButton->setDefault(buttonTexts().isEmpty());
    m_buttons->addWidget(pushButton);
    connect(pushButton, &QPushButton::clicked, this, [this, result] { done(result); });
    return pushButton;
}

QStringList FMessageDialog::buttonTexts() const
{
    QStringList texts;
    for (int i = 0; i < m_buttons->count(); ++i) {
        if (auto *pushButton = qobject_cast<QPushButton *>(m_buttons->itemAt(i)->widget()))
            texts << pushButton->text();
    }
    return texts;
}

QPushButton *FMessageDialog::button(int result) const
{
    for (int i = 0; i < m_buttons->count(); ++i) {
        auto *pushButton = qobject_cast<QPushButton *>(m_buttons->itemAt(i)->widget());
        if (pushButton && pushButton->property(kResultProperty).toInt() == result)
            return pushButton;
    }
    return nullptr;
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
    KV_LOG_INFO("message %s: %s", KV_CSTR(objectName()), KV_CSTR(text()));
    int result = Closed;
    if (answerer()) {
        result = answerer()(*this);
        setResult(result);
    } else {
        result = exec();
    }
    KV_LOG_INFO("message %s answered %d", KV_CSTR(objectName()), result);
    return result;
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
