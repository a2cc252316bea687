#pragma once

// Helpers of the widget benchmarks: knowing when a paint has ended, and
// letting the event loop run for a while.

#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

// Calls `done` once the watched widget has finished its next paint: a zero
// timer posted from the paint event runs once that paint and its flush are done.
class BenchPaintProbe : public QObject
{
public:
    explicit BenchPaintProbe(QWidget *watched) { watched->installEventFilter(this); }
    void expect(std::function<void()> done) { m_done = std::move(done); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_done) {
            QTimer::singleShot(0, this, m_done);
            m_done = nullptr;
        }
        return false;
    }

private:
    std::function<void()> m_done;
};

inline void benchWait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
