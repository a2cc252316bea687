#include "KvOpenFileLineEdit.h"

#include "IKvBaseLog.h"
#include "KvCustomProductInfo.h"
#include "KvToolButtonFactory.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr int kFieldWidth = 230;
constexpr int kFieldHeight = 24;

KvOpenFileLineEdit::Chooser &testChooser()
{
    static KvOpenFileLineEdit::Chooser chooser;
    return chooser;
}

} // namespace

KvOpenFileLineEdit::KvOpenFileLineEdit(QWidget *parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_browse(KvToolButtonFactory::create(this, QStringLiteral("KvOpenFileLineEdit_Browse"), tr("Browse"),
                                           QSize(kFieldHeight, kFieldHeight)))
{
    setObjectName(QStringLiteral("KvOpenFileLineEdit"));
    m_edit->setObjectName(QStringLiteral("KvOpenFileLineEdit_Edit"));
    m_edit->setReadOnly(true);
    m_edit->setFixedSize(kFieldWidth, kFieldHeight);
    m_browse->setText(QStringLiteral("..."));
    m_browse->setToolButtonStyle(Qt::ToolButtonTextOnly);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(m_edit);
    layout->addWidget(m_browse);
    layout->addStretch();

    connect(m_browse, &QToolButton::clicked, this, &KvOpenFileLineEdit::browse);
}

KvOpenFileLineEdit::~KvOpenFileLineEdit() = default;

void KvOpenFileLineEdit::setPath(const QString &path)
{
    const QString shown = QDir::fromNativeSeparators(path);
    m_edit->setText(shown);
    m_edit->setToolTip(shown);
    m_edit->setCursorPosition(0);
}

QString KvOpenFileLineEdit::path() const
{
    return m_edit->text();
}

void KvOpenFileLineEdit::setDialogTitle(const QString &title)
{
    m_dialogTitle = title;
}

void KvOpenFileLineEdit::setBrowseButtonVisible(bool visible)
{
    m_browse->setVisible(visible);
}

void KvOpenFileLineEdit::setAccessibleName(const QString &name)
{
    m_edit->setAccessibleName(name);
    // Tells the browse buttons of a page apart, to the eye and to a screen reader.
    KvToolButtonFactory::setToolTip(m_browse, tr("Browse: %1").arg(name));
}

void KvOpenFileLineEdit::browse()
{
    const QString start = path();
    QString chosen;
    if (const Chooser &chooser = testChooser()) {
        chosen = chooser(start);
    } else {
        const QString title = m_dialogTitle.isEmpty() ? KvCustomProductInfo::FGetProductName() : m_dialogTitle;
        chosen = QFileDialog::getExistingDirectory(this, title, start);
    }
    if (chosen.isEmpty())
        return;
    chosen = QDir::fromNativeSeparators(chosen);
    KV_LOG_INFO("folder chosen for %s: %s", KV_CSTR(m_edit->accessibleName()), KV_CSTR(chosen));
    emit sigPathChosen(chosen);
}

void KvOpenFileLineEdit::setChooserForTest(Chooser chooser)
{
    testChooser() = std::move(chooser);
}
