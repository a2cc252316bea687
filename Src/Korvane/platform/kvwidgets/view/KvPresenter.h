#pragma once

#include <QObject>

class KvMessage;
class KvUIScene;
class KvUIView;

// The logic half of a view/presenter pair. It knows its view (set by
// KvUIView::setPresenter, cleared when the view goes) and reaches the scene
// through it.
class KvPresenter : public QObject
{
    Q_OBJECT

public:
    explicit KvPresenter(QObject *parent = nullptr);
    ~KvPresenter() override;

    KvUIView *view() const { return m_view; }
    KvUIScene *scene() const;

    // True when someone handled the message; false (logged) without a view
    // in a scene.
    bool sendMessageToScene(KvMessage *message);

    virtual void init() {}
    virtual void reset() {}
    virtual void clearView() {}
    // True for a message this presenter consumed.
    virtual bool dispatchMessage(KvMessage *message);

private:
    friend class KvUIView;
    void setView(KvUIView *view) { m_view = view; }

    KvUIView *m_view = nullptr;
};
