#include "FShortCutBaseInfoWid.h"

#include "KvSkin.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

FShortCutBaseInfoWid::FShortCutBaseInfoWid(QWidget *parent)
    : QDialog(parent, Qt::Widget)
    , m_icon(new QLabel(this))
    , m_title(new QLabel(this))
    , m_message(new QLabel(this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
    , m_confirm(new QPushButton(tr("Confirm"), this))
{
    // QDialog makes itself a window; the notice belongs inside its dialog.
    setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("FComLib_ShortcutInfoWid"));
    setAttribute(Qt::WA_StyledBackground);
    m_icon->setObjectName(QStringLiteral("FComLib_FShortCutWarmingLabel"));
    m_icon->setPixmap(KvSkin::instance()->pixmap(QStringLiteral("info"), QSize(24, 24), QStringLiteral("warning")));
    m_icon->setFixedSize(24, 24);
    m_title->setObjectName(QStringLiteral("FComLib_FShortCut_firstLab"));
    m_title->setTextFormat(Qt::PlainText);
    m_message->setObjectName(QStringLiteral("FComLib_FShortCut_secondLab"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    m_cancel->setAccessibleName(m_cancel->text());
    m_cancel->setAutoDefault(false);
    m_confirm->setAccessibleName(m_confirm->text());
    m_confirm->setProperty("primary", true);
    m_confirm->setDefault(true);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(m_title);
    texts->addWidget(m_message);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 8, 16, 8);
    layout->setSpacing(12);
    layout->addWidget(m_icon, 0, Qt::AlignTop);
    layout->addLayout(texts, 1);
    layout->addWidget(m_cancel);
    layout->addWidget(m_confirm);

    connect(m_cancel, &QPushButton::clicked, this, [this] {
        emit sigShortcutCancelBtnClicked();
        reject();
    });
    connect(m_confirm, &QPushButton::clicked, this, [this] {
        emit sigShortcutComfirmBtnClicked();
        accept();
    });
}

void FShortCutBaseInfoWid::setInfo(const QString &title, const QString &message)
{
    m_title->setText(title);
    m_message->setText(message);
    setAccessibleName(title);
    setAccessibleDescription(message);
}

QString FShortCutBaseInfoWid::titleText() const
{
    return m_title->text();
}

QString FShortCutBaseInfoWid::messageText() const
{
    return m_message->text();
}
