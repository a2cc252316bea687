#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class CreativeHelper;
class KvProgressDialog;
class QWidget;

// Downloads a project template the creative-content helper asks for and
// opens it as a new project, with a progress dialog over the main window.
//
// Only one download runs; it does not start under a modal mask or while the
// main window is disabled, and waits (looking again every 100 ms) until they
// are gone. Each request replaces the context object its timers are bound
// to, so a request superseded by a newer one never fires.
class FProjectTemplateDownload : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        // Shows the editing scene when another page is shown.
        std::function<void()> enterEditing;
        std::function<QWidget *()> mainWindow;
        std::function<void(const QString &file, const QString &name)> openTemplate;
    };

    static constexpr int kRetryMs = 100;

    explicit FProjectTemplateDownload(Hooks hooks);
    ~FProjectTemplateDownload() override;

    void request(const QString &url, const QString &name);

    bool isRunning() const { return m_running; }
    bool isPromptShown() const { return m_promptShown; }
    KvProgressDialog *progressDialog() const;

    // Received of total in whole percent, rounded half up; 0 without a total.
    static int percent(qint64 received, qint64 total);

private:
    bool mustWait() const;
    void attempt(const QString &url, const QString &name);
    void done(int result, const QString &name);

    Hooks m_hooks;
    std::unique_ptr<QObject> m_context;
    std::unique_ptr<CreativeHelper> m_helper;
    QPointer<KvProgressDialog> m_dialog;
    bool m_running = false;
    bool m_promptShown = false;
    quint64 m_serial = 0;
};
