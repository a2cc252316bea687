#pragma once

#include <QObject>
#include <QString>

template <class T>
class KvLazySingleton;

// The link to the native engine process ("Ordwick.exe"). The editor only
// records where the engine lives; the engine process itself is not started
// on this platform, so the helper reports no engine (engineExists() false)
// and relays launcher requests that arrive through it as signals.
class FNativeEngineInfoHelper : public QObject
{
    Q_OBJECT

public:
    static FNativeEngineInfoHelper *instance();

    static void SetProcessPath(const QString &path);
    static QString processPath();
    static bool engineExists();
    static bool IsNativeEngineExists() { return engineExists(); }
    // Brings the engine's own window along with the editor's; counted so
    // tests can see it was asked.
    static void ActiveNativeEngine();
    static int activationCount();
    // For tests: pretend an engine process runs.
    static void setEngineExistsForTest(bool exists);

    // The engine decodes the share requests among the communicator's
    // messages (a second start's "-share:" argument) and hands them on as
    // sigCloudDiskShare; a text without one is left alone.
    void relayCommunicatorText(const QString &text);
    // The "-share:" argument this instance was started with, handed on once
    // the event loop runs.
    void relayLaunchShare(const QString &shareEntry);

signals:
    void sigOrvalaDownloadProject(const QString &url, const QString &name);
    void sigCloudDiskShare(const QString &shareInfo);
    void sigCaddyDataReport(const QString &report);
    void sigActiveMainWindow();

private:
    friend class KvLazySingleton<FNativeEngineInfoHelper>;
    FNativeEngineInfoHelper() = default;
};
