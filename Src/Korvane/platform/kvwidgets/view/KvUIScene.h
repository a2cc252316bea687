#pragma once

#include <QList>
#include <QPointer>

class KvMessage;
class KvUIView;
class QObject;

// The owner of one working page: the top-level views of the page are added
// to it, and it forwards every message sent to it to those views (and so to
// their presenters and child views) in the order they were added, until one
// marks the message handled.
//
// Not a QObject, so that a scene class may also derive from one. The undo/
// redo service belongs to the project model; the scene only hands it on.
class KvUIScene
{
public:
    KvUIScene();
    // Releases the views that are left.
    virtual ~KvUIScene();

    KvUIScene(const KvUIScene &) = delete;
    KvUIScene &operator=(const KvUIScene &) = delete;

    // The scene owns the view's widget from now on when it has no parent
    // widget; a parented one stays its parent's.
    void addView(KvUIView *view);
    // Forgets the view without destroying it (a view being destroyed calls it).
    void removeView(KvUIView *view);
    // Detaches every view and destroys the widgets the scene owns.
    void releaseAllView();
    QList<KvUIView *> views() const { return m_views; }

    // Returns whether a view or presenter handled the message.
    bool sendMessage(KvMessage *message);

    void setUndoRedoService(QObject *service);
    QObject *undoRdoService() const;

private:
    QList<KvUIView *> m_views;
    QPointer<QObject> m_undoRedoService;
    int m_dispatchDepth = 0;
};
