#pragma once

#include <QWidget>

class FLoginAccountBtn;
class QToolButton;

// The row of tool buttons at the right of the title bar, in this order:
// cloud, creative, support, account, save, message, message-info, more
// effects, skin. The two message buttons are one button in two looks: the
// second shows that unread messages wait.
class KorvaneTitleToolButtonWdg : public QWidget
{
    Q_OBJECT

public:
    explicit KorvaneTitleToolButtonWdg(QWidget *parent = nullptr);

    QToolButton *creativeButton() const { return m_creative; }
    QToolButton *saveButton() const { return m_save; }
    QToolButton *supportButton() const { return m_support; }
    QToolButton *cloudButton() const { return m_cloud; }
    QToolButton *moreEffectsButton() const { return m_moreEffects; }
    QToolButton *messageButton() const { return m_message; }
    QToolButton *messageInfoButton() const { return m_messageInfo; }
    QToolButton *skinButton() const { return m_skin; }
    FLoginAccountBtn *accountButton() const { return m_account; }

    // Shows the message button that matches whether unread messages wait.
    void setHasNewMessage(bool hasNew);
    // One blink step of the creative button (flips "shinning" between 0 and
    // 1), or back to still.
    void updateCreativeBtn(bool shinning);

protected:
    // A new catalogue: the tool tips follow.
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void updateSaveToolTip();

    QToolButton *m_cloud = nullptr;
    QToolButton *m_creative = nullptr;
    QToolButton *m_support = nullptr;
    FLoginAccountBtn *m_account = nullptr;
    QToolButton *m_save = nullptr;
    QToolButton *m_message = nullptr;
    QToolButton *m_messageInfo = nullptr;
    QToolButton *m_moreEffects = nullptr;
    QToolButton *m_skin = nullptr;
};
