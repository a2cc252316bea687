#pragma once

#include <QDialog>

// The product's name and version.
class FAboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FAboutDialog(QWidget *parent = nullptr);
};
