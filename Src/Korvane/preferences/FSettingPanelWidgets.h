#pragma once

#include <QVariant>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// Pieces the preference pages share, so that their sections look alike and
// their combo boxes follow one rule.
namespace FSettingPanelWidgets {

// A section's title ("Save:") and the line under it.
QLabel *sectionTitle(QWidget *parent, const QString &objectName);
QFrame *separatorLine(QWidget *parent, const QString &objectName);
// A push button with an object name; its text comes with TranslateText.
QPushButton *pushButton(QWidget *parent, const QString &objectName);

// Selects the item whose data is `value`; a value that matches no item
// selects the first one. Signals are the caller's to block.
void selectByData(QComboBox *combo, const QVariant &value);
// The same by item text, compared exactly.
void selectByText(QComboBox *combo, const QString &text);

// The label text without its trailing colon, for accessible names.
QString accessibleText(const QString &labelText);

} // namespace FSettingPanelWidgets
