#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

// The account login page: user name and password. Signing in makes a
// one-time code from the credentials for the editor's account service, which
// decides; the page then waits to be told how it went. "Create an account"
// opens a second step, from which the editor's back button returns.
class FTavrinLoginPage : public QWidget
{
    Q_OBJECT

public:
    explicit FTavrinLoginPage(QWidget *parent = nullptr);

    // The code the account service takes for these credentials.
    static QString authCodeFor(const QString &user, const QString &password);

    // Fills the form and signs in, as a user would.
    void signIn(const QString &user, const QString &password);
    void goBack();
    // The editor's answer: failed attempts are shown under the form.
    void showResult(bool signedIn);

signals:
    void sigAuthCode(const QString &code);
    void sigBackButtonWanted(bool visible);

private:
    void submit();

    QStackedWidget *m_steps;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QPushButton *m_login;
    QLabel *m_message;
};
