#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class FProjectOpenProblem;

// Opens the projects that another start of the editor, or a helper,
// forwards over the communicator ("CMD_OPEN_PROJECT" with the path, key
// included). Opening turns the event loop (a large project is read on a
// worker, a save question is a dialog), so a forward can arrive while one
// runs: it is never opened inside the running one and never dropped, but
// waits and is opened when the project services are free again, in the
// order the forwards arrived.
class FForwardedOpenHandler
{
public:
    struct Hooks
    {
        std::function<bool()> mayOpen;                      // false: ignore the message
        std::function<void()> raiseEditor;                  // bring the editing window forward
        std::function<void(const QString &path)> openProject;
        // A path that cannot be opened (missing, a folder, unreadable).
        std::function<void(const FProjectOpenProblem &problem)> reportProblem;
        // Whether a project operation runs; by default asks the project
        // manager and the project document service.
        std::function<bool()> isBusy;
    };

    explicit FForwardedOpenHandler(Hooks hooks);

    // Returns how many projects were handed to openProject now; those that
    // must wait are not counted. A path that cannot be opened is reported
    // and ends the message.
    int handle(const QString &message);
    // Opens `path` once the running open, save or close has ended.
    void queue(const QString &path);
    bool isOpening() const { return m_inProgress; }
    QStringList waiting() const { return m_waiting; }

    // True while the project manager reads or the document service runs an
    // operation.
    static bool projectServicesBusy();

private:
    // How soon a waiting open looks again while the project services are busy.
    static constexpr int kRetryMs = 100;
    bool busy() const;
    int openNow(const QStringList &arguments);
    void scheduleNext();
    void openNext();

    Hooks m_hooks;
    bool m_inProgress = false;
    bool m_nextScheduled = false;
    QStringList m_waiting;
    // Receives the wake-ups; destroyed with the handler, so none arrives late.
    QObject m_context;
};
