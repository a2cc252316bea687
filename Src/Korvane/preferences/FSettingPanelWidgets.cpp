#include "FSettingPanelWidgets.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace FSettingPanelWidgets {

QLabel *sectionTitle(QWidget *parent, const QString &objectName)
{
    auto *title = new QLabel(parent);
    title->setObjectName(objectName);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    return title;
}

QFrame *separatorLine(QWidget *parent, const QString &objectName)
{
    auto *line = new QFrame(parent);
    line->setObjectName(objectName);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

QPushButton *pushButton(QWidget *parent, const QString &objectName)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(objectName);
    return button;
}

void selectByData(QComboBox *combo, const QVariant &value)
{
    const int index = combo->findData(value);
    combo->setCurrentIndex(index < 0 ? 0 : index);
}

void selectByText(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(index < 0 ? 0 : index);
}

QString accessibleText(const QString &labelText)
{
    QString text = labelText.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

} // namespace FSettingPanelWidgets
