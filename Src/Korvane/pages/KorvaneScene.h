#pragma once

#include "FForwardCommand.h"
#include "FUpdateProjectEditorPlayer.h"
#include "IKvProjectManagerEventObserver.h"
#include "KvUIScene.h"
#include "KvVelloqHelper.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>

#include <memory>

class KorvaneMainForm;
class KvCommunicatorClient;

// The editing scene: owns the main form (as its view) and follows the
// project manager's events, which it passes to the form and its modules as
// messages:
//   project closed            render files and proxies are cleared when the
//                             performance settings ask for it
//   project opened            KvProjectChangedMessage(Opened)
//   project saved             KvProjectChangedMessage(Updated)
//   modified mark flipped     plain KvMessage ProjectModifiedChanged
class KorvaneScene : public KvUIScene, public IKvProjectManagerEventObserver, public FUpdateProjectEditorPlayer
{
public:
    KorvaneScene();
    ~KorvaneScene() override;

    // Builds the main form with its presenter and starts listening to the
    // project manager. A second call returns the form already built.
    KorvaneMainForm *createMainForm();
    KorvaneMainForm *mainForm() const;

    // Drops the current project, takes the manager's undo history and
    // configures the automatic backup from the save settings.
    void initProject();
    // Stops listening to the project manager and releases the views.
    virtual void stop();
    // The project now comes from template mode: the views show it anew.
    void enterTimelineMode();
    // What a second start of the editor does: sends its command line to the
    // running editor (open a project, download a template, come to the front).
    void callExistAppDoSomething(const QStringList &arguments = QCoreApplication::arguments());
    // The one command that step sends for a command-line map: a share
    // argument is not among them, so a share alone only brings the editor up.
    static FForwardCommand forwardCommandFor(const QMap<QString, QString> &map, const KvVelloqHelper &velloq);
    bool isObservingProjectManager() const { return m_observing; }

    void onProjectOpened(IKvProject *project) override;
    void onProjectClosed(IKvProject *project, const QString &filePath) override;
    void onProjectModifiedChanged(IKvProject *project, bool modified) override;
    void onProjectSaved(IKvProject *project, const QString &filePath) override;

private:
    KvVelloqHelper m_velloqHelper;
    QPointer<KorvaneMainForm> m_mainForm;
    std::unique_ptr<KvCommunicatorClient> m_forwardClient;
    bool m_observing = false;
};
