#include "FModuleNameItemWid.h"

#include <QHBoxLayout>
#include <QLabel>

FModuleNameItemWid::FModuleNameItemWid(int module, const QString &name, QWidget *parent)
    : QWidget(parent)
    , m_module(module)
    , m_name(new QLabel(name, this))
{
    setObjectName(QStringLiteral("FComlib_FModuleNameItemWid"));
    setFixedHeight(kHeight);
    m_name->setObjectName(QStringLiteral("FComlib_FModuleNameItemWid_NameLab"));
    m_name->setTextFormat(Qt::PlainText);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(m_name);
}

QString FModuleNameItemWid::name() const
{
    return m_name->text();
}
