#pragma once

#include <QString>

class FProjectOpenProblem;

#include <functional>

// Opens the projects that another start of the editor, or a helper,
// forwards over the communicator ("CMD_OPEN_PROJECT" with the path, key
// included). Re-entrance is refused: opening may run a nested event loop
// (a save question), during which a further forward must not start a
// second open.
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
    };

    explicit FForwardedOpenHandler(Hooks hooks);

    // Returns how many projects were handed to openProject. A path that
    // cannot be opened is reported and ends the message.
    int handle(const QString &message);
    bool isOpening() const { return m_inProgress; }

private:
    Hooks m_hooks;
    bool m_inProgress = false;
};
