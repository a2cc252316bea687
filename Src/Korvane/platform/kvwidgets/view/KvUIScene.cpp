#include "KvUIScene.h"

#include "IKvBaseLog.h"
#include "KvMessage.h"
#include "KvUIView.h"

#include <QObject>
#include <QWidget>

KvUIScene::KvUIScene() = default;

KvUIScene::~KvUIScene()
{
    releaseAllView();
}

void KvUIScene::addView(KvUIView *view)
{
    if (!view) {
        KV_LOG_ERROR("no view to add");
        return;
    }
    if (m_views.contains(view))
        return;
    if (KvUIScene *other = view->scene(); other && other != this)
        other->removeView(view);
    view->setScene(this);
    m_views.append(view);
}

void KvUIScene::removeView(KvUIView *view)
{
    if (m_views.removeAll(view) > 0 && view->scene() == this)
        view->setScene(nullptr);
}

void KvUIScene::releaseAllView()
{
    const QList<KvUIView *> views = m_views;
    m_views.clear();
    for (KvUIView *view : views) {
        view->setScene(nullptr);
        QWidget *widget = view->widget();
        if (!widget || widget->parentWidget())
            continue;
        if (m_dispatchDepth > 0) {
            // Released from inside one of its own messages: the caller's stack
            // still runs through the view.
            KV_LOG_ERROR("views released while a message is being delivered; destroying them later");
            widget->hide();
            widget->deleteLater();
        } else {
            delete widget;
        }
    }
}

bool KvUIScene::sendMessage(KvMessage *message)
{
    if (!message)
        return false;
    ++m_dispatchDepth;
    // A handler may add or remove views while the message travels.
    const QList<KvUIView *> views = m_views;
    for (KvUIView *view : views) {
        if (message->isHandled())
            break;
        if (m_views.contains(view))
            view->dispatchMessage(message);
    }
    --m_dispatchDepth;
    return message->isHandled();
}

void KvUIScene::setUndoRedoService(QObject *service)
{
    m_undoRedoService = service;
}

QObject *KvUIScene::undoRdoService() const
{
    return m_undoRedoService.data();
}
