#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The notice the shortcut dialog lays over itself (conflicting shortcut,
// key that cannot be used): a warning icon, a title, a message and the
// answers "Cancel" and "Confirm". It lives inside the dialog rather than in
// a window of its own, so it moves with it and stays above its mask.
class FShortCutBaseInfoWid : public QDialog
{
    Q_OBJECT

public:
    explicit FShortCutBaseInfoWid(QWidget *parent);

    void setInfo(const QString &title, const QString &message);
    QString titleText() const;
    QString messageText() const;
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *confirmButton() const { return m_confirm; }

signals:
    void sigShortcutCancelBtnClicked();
    void sigShortcutComfirmBtnClicked();

private:
    QLabel *m_icon;
    QLabel *m_title;
    QLabel *m_message;
    QPushButton *m_cancel;
    QPushButton *m_confirm;
};
