#include "KvUIView.h"

#include "IKvBaseLog.h"
#include "KvMessage.h"
#include "KvPresenter.h"
#include "KvUIScene.h"

#include <QWidget>

KvUIView::KvUIView(QWidget *widget, KvUIView *parentView)
    : m_widget(widget)
{
    setParentView(parentView);
}

KvUIView::~KvUIView()
{
    if (m_presenter)
        m_presenter->setView(nullptr);
    // Child widgets are destroyed after this base, by QWidget.
    const QSet<KvUIView *> attached = m_attached;
    for (KvUIView *child : attached)
        child->setParentView(nullptr);
    if (m_parentView)
        m_parentView->unregisterView(this);
    setParentView(nullptr);
    if (m_scene)
        m_scene->removeView(this);
}

void KvUIView::setPresenter(KvPresenter *presenter)
{
    if (m_presenter == presenter)
        return;
    if (m_presenter)
        m_presenter->setView(nullptr);
    m_presenter = presenter;
    if (presenter)
        presenter->setView(this);
}

KvPresenter *KvUIView::presenter() const
{
    return m_presenter.data();
}

KvUIScene *KvUIView::scene() const
{
    if (m_scene)
        return m_scene;
    return m_parentView ? m_parentView->scene() : nullptr;
}

void KvUIView::registerView(int type, KvUIView *view)
{
    if (!view || view == this) {
        KV_LOG_ERROR("no view to register under type %d", type);
        return;
    }
    if (KvUIView *old = m_children.value(type, nullptr)) {
        if (old == view)
            return;
        KV_LOG_INFO("view type %d registered again; the earlier view is forgotten", type);
        old->setParentView(nullptr);
    }
    if (view->m_parentView && view->m_parentView != this)
        view->m_parentView->unregisterView(view);
    // A view lives under one type only.
    for (auto it = m_children.begin(); it != m_children.end();) {
        it = it.value() == view ? m_children.erase(it) : std::next(it);
    }
    m_children.insert(type, view);
    view->setParentView(this);
}

void KvUIView::unregisterView(KvUIView *view)
{
    for (auto it = m_children.begin(); it != m_children.end();) {
        it = it.value() == view ? m_children.erase(it) : std::next(it);
    }
    if (view && view->m_parentView == this)
        view->setParentView(nullptr);
}

void KvUIView::setParentView(KvUIView *parentView)
{
    if (m_parentView == parentView)
        return;
    if (m_parentView)
        m_parentView->m_attached.remove(this);
    m_parentView = parentView;
    if (parentView)
        parentView->m_attached.insert(this);
}

bool KvUIView::sendMessageToScene(KvMessage *message)
{
    if (!message)
        return false;
    KvUIScene *target = scene();
    if (!target) {
        KV_LOG_ERROR("message %d dropped: the view is in no scene", message->code());
        return false;
    }
    return target->sendMessage(message);
}

bool KvUIView::dispatchMessage(KvMessage *message)
{
    if (!message)
        return false;
    if (message->isHandled())
        return true;
    if (m_presenter && m_presenter->dispatchMessage(message))
        message->setHandled(true);
    if (message->isHandled())
        return true;
    // A handler may unregister views while the message travels.
    const QList<int> types = m_children.keys();
    for (int type : types) {
        KvUIView *child = m_children.value(type, nullptr);
        if (child && child->dispatchMessage(message))
            return true;
    }
    return message->isHandled();
}
