#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// Background preview rendering of the timeline. This editor decodes no
// media: a "render" writes a small preview description of the timeline
// (clips, duration) into the output folder, so that the folder, the
// automatic start after a pause in editing and the clean-up behave as the
// editor expects. GUI thread only; an idle service runs no timer.
class KvRenderService : public QObject
{
    Q_OBJECT

public:
    // What a render writes; set by the timeline.
    using Describe = std::function<QByteArray()>;

    static constexpr int kDefaultDelaySeconds = 5;

    explicit KvRenderService(QObject *parent = nullptr);

    void setDescribe(Describe describe) { m_describe = std::move(describe); }

    // Stops and forgets the folder and the automatic start settings.
    void reset();
    void setOutputFolder(const QString &folder);
    QString outputFolder() const { return m_folder; }
    // Seconds of editing pause before an automatic render; below 0 counts as 0.
    void setAutoRenderDelay(int seconds);
    int autoRenderDelay() const { return m_delaySeconds; }
    void setAutoRender(bool enabled);
    bool isAutoRender() const { return m_autoRender; }
    void start();
    void stop();
    bool isRunning() const { return m_running; }

    // The timeline changed: with automatic rendering on, a render follows
    // after the delay (a later change restarts the wait).
    void timelineChanged();
    // Renders now; false (logged) without a folder or when it cannot write.
    bool renderNow();
    // Deletes the render files this service wrote; `stopFirst` stops it
    // before (a pending render is dropped). True when none is left.
    bool deleteRenderFiles(bool stopFirst);
    QStringList renderFiles() const;
    bool isRenderPending() const { return m_timer->isActive(); }

signals:
    void sigRendered(const QString &path);

private:
    // Parented, so that a move to the GUI thread takes it along.
    QTimer *m_timer;
    Describe m_describe;
    QString m_folder;
    int m_delaySeconds = kDefaultDelaySeconds;
    bool m_autoRender = false;
    bool m_running = false;
    int m_serial = 0;
};
