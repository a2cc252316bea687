#pragma once

// What the current project is busy with. Other operations (opening,
// saving, closing) look at it before they touch the project.
enum KvProjectState : int {
    psFree = 0,
    psExporting = 1,
};

// Holds the project in a state for the length of a scope and frees it on
// the way out, however the scope is left. Holders nest: the outer state
// comes back when an inner holder ends. GUI thread only.
class KvProjectStateWraper
{
public:
    explicit KvProjectStateWraper(KvProjectState state);
    ~KvProjectStateWraper();

    KvProjectStateWraper(const KvProjectStateWraper &) = delete;
    KvProjectStateWraper &operator=(const KvProjectStateWraper &) = delete;

    static KvProjectState currentState();

private:
    KvProjectState m_previous;
};
