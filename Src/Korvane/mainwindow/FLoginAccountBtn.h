#pragma once

#include <QToolButton>

// The account button of the title bar: "Log In" when signed out, the user's
// name when signed in.
class FLoginAccountBtn : public QToolButton
{
    Q_OBJECT

public:
    explicit FLoginAccountBtn(QWidget *parent = nullptr);

    void setSignedIn(bool signedIn, const QString &userName = QString());
    bool isSignedIn() const { return m_signedIn; }

protected:
    void changeEvent(QEvent *event) override;

private:
    bool m_signedIn = false;
    QString m_userName;
};
