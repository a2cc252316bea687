#include "KvPresenter.h"

#include "IKvBaseLog.h"
#include "KvMessage.h"
#include "KvUIView.h"

KvPresenter::KvPresenter(QObject *parent)
    : QObject(parent)
{
}

KvPresenter::~KvPresenter()
{
    if (m_view && m_view->presenter() == this)
        m_view->setPresenter(nullptr);
}

KvUIScene *KvPresenter::scene() const
{
    return m_view ? m_view->scene() : nullptr;
}

bool KvPresenter::sendMessageToScene(KvMessage *message)
{
    if (!message)
        return false;
    if (!m_view) {
        KV_LOG_ERROR("message %d dropped: the presenter has no view", message->code());
        return false;
    }
    return m_view->sendMessageToScene(message);
}

bool KvPresenter::dispatchMessage(KvMessage *message)
{
    Q_UNUSED(message)
    return false;
}
