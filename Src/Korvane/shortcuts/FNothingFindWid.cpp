#include "FNothingFindWid.h"

#include "KvSkin.h"

#include <QLabel>
#include <QVBoxLayout>

FNothingFindWid::FNothingFindWid(QWidget *parent)
    : QWidget(parent)
    , m_image(new QLabel(this))
    , m_text(new QLabel(tr("No results matched the searching keywords."), this))
{
    setObjectName(QStringLiteral("FComLib_FNothingFindWid"));
    m_image->setObjectName(QStringLiteral("FComLib_FNothingFindWid_imgLab"));
    m_image->setPixmap(KvSkin::instance()->pixmap(QStringLiteral("info"), QSize(48, 48)));
    m_image->setAlignment(Qt::AlignCenter);
    m_text->setObjectName(QStringLiteral("FComLib_FNothingFindWid_textLab"));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setTextFormat(Qt::PlainText);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_image);
    layout->addWidget(m_text);
    layout->addStretch();
}

QString FNothingFindWid::text() const
{
    return m_text->text();
}
