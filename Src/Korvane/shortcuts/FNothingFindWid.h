#pragma once

#include <QWidget>

class QLabel;

// What the shortcut list shows when a search matches no command.
class FNothingFindWid : public QWidget
{
    Q_OBJECT

public:
    explicit FNothingFindWid(QWidget *parent = nullptr);

    QString text() const;

private:
    QLabel *m_image;
    QLabel *m_text;
};
