#pragma once

#include "KvDataMessage.h"
#include "KvUIScene.h"
#include "KvUIView.h"

#include <QList>
#include <QPair>
#include <QVariant>
#include <QWidget>

// A scene that keeps every message that reaches it, with its payload (an
// invalid QVariant for a plain message), in the order sent.
class RecordingScene : public KvUIScene
{
public:
    using Record = QPair<int, QVariant>;

    // The scene owns its recorder view.
    RecordingScene() { addView(new Recorder(this)); }

    QList<Record> records() const { return m_records; }
    QList<int> codes() const
    {
        QList<int> codes;
        for (const Record &record : m_records)
            codes << record.first;
        return codes;
    }
    // The payload of the one message with `code`; invalid when there is none.
    QVariant payload(int code) const
    {
        for (const Record &record : m_records) {
            if (record.first == code)
                return record.second;
        }
        return QVariant();
    }
    void clear() { m_records.clear(); }

private:
    class Recorder : public QWidget, public KvUIView
    {
    public:
        explicit Recorder(RecordingScene *scene)
            : KvUIView(this)
            , m_scene(scene)
        {
        }
        bool dispatchMessage(KvMessage *message) override
        {
            const auto *data = dynamic_cast<KvDataMessage *>(message);
            m_scene->m_records << Record(message->code(), data ? data->data() : QVariant());
            message->setHandled(true);
            return true;
        }

    private:
        RecordingScene *m_scene;
    };

    QList<Record> m_records;
};
