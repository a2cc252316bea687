#pragma once

#include <QList>
#include <QMap>
#include <QSet>
#include <QPointer>

class KvMessage;
class KvPresenter;
class KvUIScene;
class QWidget;

// The view half of a view/presenter pair. It is a mix-in, not a QObject, so
// that a widget class can carry it beside its Qt base:
//
//     class FMyView : public QWidget, public KvUIView
//     FMyView::FMyView(QWidget *parent) : QWidget(parent), KvUIView(this) {}
//
// A view knows its presenter, its scene (set by KvUIScene::addView; a child
// view uses its parent view's) and child views registered under numeric view
// types. Messages go up with sendMessageToScene(); the scene hands them down
// through dispatchMessage(), which asks the presenter and then the child views
// in type order until one marks the message handled.
//
// The presenter is usually a QObject child of the widget; it outlives this
// base during the widget's destruction and is told that its view is gone.
class KvUIView
{
public:
    explicit KvUIView(QWidget *widget, KvUIView *parentView = nullptr);
    virtual ~KvUIView();

    KvUIView(const KvUIView &) = delete;
    KvUIView &operator=(const KvUIView &) = delete;

    QWidget *widget() const { return m_widget; }

    // Ownership stays with the caller (normally the presenter is made a child
    // of widget()).
    void setPresenter(KvPresenter *presenter);
    KvPresenter *presenter() const;

    void setScene(KvUIScene *scene) { m_scene = scene; }
    // Its own scene, else its parent view's; null when neither is set.
    KvUIScene *scene() const;

    KvUIView *parentView() const { return m_parentView; }
    // Does not take ownership: the child's widget is normally a child widget
    // of this one. A view already registered under `type` is replaced.
    void registerView(int type, KvUIView *view);
    void unregisterView(KvUIView *view);
    KvUIView *view(int type) const { return m_children.value(type, nullptr); }
    QList<int> viewTypes() const { return m_children.keys(); }

    // True when someone handled the message; false (logged) without a scene.
    bool sendMessageToScene(KvMessage *message);

    // Presenter first, then the child views. A presenter answering true marks
    // the message handled. Overrides handle their own codes and pass the rest
    // here. Returns whether the message is handled.
    virtual bool dispatchMessage(KvMessage *message);

private:
    // Every change of m_parentView goes through here, so that a parent view
    // going first leaves none of the views naming it with a dangling pointer,
    // registered under a type or not.
    void setParentView(KvUIView *parentView);

    QWidget *m_widget;
    KvUIView *m_parentView = nullptr;
    QSet<KvUIView *> m_attached;
    KvUIScene *m_scene = nullptr;
    QPointer<KvPresenter> m_presenter;
    QMap<int, KvUIView *> m_children;
};
