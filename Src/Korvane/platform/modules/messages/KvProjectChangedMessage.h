#pragma once

#include "KvMessage.h"
#include "KvMessageId.h"

class IKvProject;

// Tells the views of a scene that they show another project, or that the
// project was saved (its name and file may have changed). Broadcast: views
// refresh and leave it unhandled so that every view sees it.
class KvProjectChangedMessage : public KvMessage
{
public:
    enum Kind { Updated = 0, Opened = 1 };

    KvProjectChangedMessage(int kind, IKvProject *project)
        : KvMessage(KvMessageId::ProjectChanged)
        , m_kind(kind)
        , m_project(project)
    {
    }

    int kind() const { return m_kind; }
    // Valid only while the message is delivered.
    IKvProject *project() const { return m_project; }

private:
    int m_kind;
    IKvProject *m_project;
};
