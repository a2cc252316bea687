#pragma once

#include "KvFramelessDialog.h"

class FIPCLoginWidget;
class IKvIPCTask;
class QToolButton;

// The account login in a web helper page: a frameless dialog around
// FIPCLoginWidget, with a back button the page shows when it wants one.
class FIPCLoginDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    static constexpr int kPageWidth = 435;
    static constexpr int kPageHeight = 600;

    explicit FIPCLoginDialog(QWidget *parent = nullptr);

    // Opens the login page over `parent` and returns once the dialog is
    // closed. False, with "pTask is NULL!", when the web helper cannot give
    // a page.
    static bool popup(QWidget *parent);

    FIPCLoginWidget *loginWidget() const { return m_widget; }
    QToolButton *backButton() const { return m_back; }

public slots:
    void slotTaskCreated();

private:
    FIPCLoginWidget *m_widget;
    QToolButton *m_back;
};
