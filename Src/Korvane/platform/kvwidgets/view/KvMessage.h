#pragma once

#include <QVariant>

// A numbered request or notice that travels from a view or presenter to its
// scene and down to the scene's views. Whoever acts on it marks it handled,
// which ends the forwarding, and may leave an answer for the sender.
// Messages are made by the sender, usually on its stack.
class KvMessage
{
public:
    explicit KvMessage(int code)
        : m_code(code)
    {
    }
    virtual ~KvMessage() = default;

    int code() const { return m_code; }

    void setHandled(bool handled) { m_handled = handled; }
    bool isHandled() const { return m_handled; }

    void setAnswer(const QVariant &answer) { m_answer = answer; }
    QVariant answer() const { return m_answer; }

private:
    int m_code;
    bool m_handled = false;
    QVariant m_answer;
};
