#pragma once

#include <QObject>

// The launch test: graphics, OpenCL, decoding and algorithm checks run by
// helper programs before the first edit. Until those checks are part of the
// editor, a start runs no test, which the start-up graph reads as "add the
// Prepare Run task".
class FAppLaunchTest : public QObject
{
    Q_OBJECT

public:
    explicit FAppLaunchTest(QObject *parent = nullptr);

    // Runs the test when one is due; returns whether a test ran.
    bool run();
    bool testRan() const { return m_testRan; }
    bool previousRunCrashed() const { return m_previousRunCrashed; }
    // The cached GPU result of an earlier run, read by a start-up task.
    void loadCache();

    void setSafeMode(bool safeMode);
    bool isSafeMode() const { return m_safeMode; }

private:
    bool m_testRan = false;
    bool m_previousRunCrashed = false;
    bool m_safeMode = false;
};
