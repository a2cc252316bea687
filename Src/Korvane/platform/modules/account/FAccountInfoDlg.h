#pragma once

#include <QDialog>

class QLabel;

// Who is signed in, with the way to the effect store and a Log Out button.
// Log Out signs out through the account service and closes the dialog with
// the result LoggedOut.
class FAccountInfoDlg : public QDialog
{
    Q_OBJECT

public:
    enum Result { LoggedOut = 2 };

    explicit FAccountInfoDlg(QWidget *parent = nullptr);

signals:
    void sigVendaraEffect();

private:
    void slotLogout();
};
