#pragma once

#include <QString>

class IKvProject;

// Told about the current project's life. Every call comes on the GUI thread;
// the default implementations ignore the event.
class IKvProjectManagerEventObserver
{
public:
    virtual ~IKvProjectManagerEventObserver() = default;

    // `project` is the new current project.
    virtual void onProjectOpened(IKvProject *project) { (void)project; }
    // The project is about to be destroyed; `filePath` is empty for an untitled one.
    virtual void onProjectClosed(IKvProject *project, const QString &filePath)
    {
        (void)project;
        (void)filePath;
    }
    virtual void onProjectModifiedChanged(IKvProject *project, bool modified)
    {
        (void)project;
        (void)modified;
    }
    virtual void onProjectSaved(IKvProject *project, const QString &filePath)
    {
        (void)project;
        (void)filePath;
    }
};
