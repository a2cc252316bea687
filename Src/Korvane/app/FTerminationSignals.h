#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a call on the GUI thread, so that a
// session logout, a `kill` or Ctrl+C closes the editor the way its close
// button does. The handler itself only writes one byte to a pipe and notes
// the signal in a flag; the call happens when an event loop reads the pipe.
// Code that runs without an event loop (the start-up graph, waited for on
// the GUI thread) asks pendingSignal() instead. Further signals while the
// first is being handled are ignored.
class FTerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit FTerminationSignals(std::function<void(int signalNumber)> onSignal, QObject *parent = nullptr);
    ~FTerminationSignals() override;

    bool isInstalled() const { return m_notifier != nullptr; }
    // True once a signal arrived; later ones change nothing.
    bool received() const { return m_received; }
    // After a close that was refused, the next signal tries again.
    void rearm() { m_received = false; }
    void ignoreFurtherSignals() { m_received = true; }

    // The first signal that arrived since installation, 0 when none did.
    // Safe from any thread, with or without an event loop.
    static int pendingSignal();

private:
    void readSignal();

    std::function<void(int)> m_onSignal;
    // Not a child: it must go before the pipe it watches is closed.
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_received = false;
};
