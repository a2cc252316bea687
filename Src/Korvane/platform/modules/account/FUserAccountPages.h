#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// The login window: user name and password, signed in through the account
// service. A failed or incomplete attempt keeps the window open with the
// reason shown under the fields. The window deletes itself when closed, so
// each showing starts with fresh fields and fresh connections.
class FUserAccountPages : public QWidget
{
    Q_OBJECT

public:
    explicit FUserAccountPages(QWidget *parent = nullptr);

    // The window on screen, or a new one.
    static FUserAccountPages *instance();

    // Shows the window application-modal over `parent` and returns when it
    // is closed: true when a user is signed in by then.
    bool showLoginFrom(QWidget *parent);

signals:
    void sigProxySetting();
    void sigClosed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void slotLogin();

    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QLabel *m_message = nullptr;
    bool m_showing = false;
};
