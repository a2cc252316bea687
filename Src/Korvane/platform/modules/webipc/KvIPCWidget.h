#pragma once

#include "IKvIPCTask.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QStackedLayout;

// Shows a web helper task's page inside the editor: the helper's window is
// embedded (QWindow::fromWinId in a window container) once the helper names
// it. Where embedding is impossible (no X11 window system, or the helper has
// no native window), the widget says the page is unavailable instead of
// staying blank. Closes the task when it goes away.
class KvIPCWidget : public QWidget
{
    Q_OBJECT

public:
    explicit KvIPCWidget(QWidget *parent = nullptr);
    ~KvIPCWidget() override;

    // Takes the task over; null leaves the widget without a page.
    void setTask(IKvIPCTask *task);
    IKvIPCTask *task() const { return m_task; }
    bool isEmbedded() const { return m_container != nullptr; }
    QString statusText() const;

    // The library's events (below KvIPC::kFirstUserEvent); subclasses take
    // the application's and hand the others here.
    virtual void processEvent(KvIPCEvent *event);

signals:
    // The helper has opened the page.
    void sigTaskCreated();
    void sigPageLoaded(bool ok);
    // The page is done or gone.
    void sigClose();

private:
    void embed(quintptr windowId);
    void showStatus(const QString &text);

    QPointer<IKvIPCTask> m_task;
    QStackedLayout *m_stack;
    QLabel *m_status;
    QWidget *m_container = nullptr;
};
