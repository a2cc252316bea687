#pragma once

#include "IKvTimeline.h"
#include "KvMediaEditor.h"
#include <QObject>
#include <QPointer>


// Links the timeline's selection with the media editor: one selected clip
// becomes the clip being edited; none or several leave nothing edited.
class KvClipSelectorConnector : public QObject
{
    Q_OBJECT

public:
    explicit KvClipSelectorConnector(QObject *parent = nullptr);

    // Replaces an earlier link; either may be null (no link).
    void init(IKvTimeline *timeline, KvMediaEditor *mediaEditor);

private:
    void selectionChanged();

    QPointer<IKvTimeline> m_timeline;
    QPointer<KvMediaEditor> m_editor;
    QMetaObject::Connection m_connection;
};
