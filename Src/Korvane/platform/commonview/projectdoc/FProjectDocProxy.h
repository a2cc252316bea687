#pragma once

#include "FProjectOpenProblem.h"
#include "KvProjectAspectRatioType.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <memory>

class QWidget;
class FProjectDocProxyPrivate;

// The single entry through which the editor creates, opens, saves, archives
// and closes projects; the shell never touches a project file itself.
//
// Start-up remembers what to open (a path from the command line or another
// instance, a share description, a template map from a web launch) until
// clearDelayLoadProjectInfos(); those setters may run on a worker thread.
// Everything else runs on the GUI thread.
//
// Dialogs go through two seams so that tests and other front ends can answer
// them: the close-decision provider (save / discard / cancel unsaved changes,
// default a message box on the parent widget) and the path provider (open,
// save-as and archive paths, default a file dialog).
class FProjectDocProxy : public QObject
{
    Q_OBJECT

public:
    // The shell treats SaveType_Saved (4) as saved and every other value as not.
    enum SaveType {
        SaveType_NoProject = 0, // nothing is open
        SaveType_Cancelled = 1, // the user chose no path
        SaveType_Failed = 2,    // the file could not be written; the project is as before
        SaveType_Busy = 3,      // another project operation (a dialog of it) is still running
        SaveType_Saved = 4,
    };
    Q_ENUM(SaveType)

    enum class CloseDecision { Save, Discard, Cancel };
    enum class PathRequest { OpenProject, SaveProjectAs, ArchiveProject };

    // Asked when a project with unsaved changes would be closed; gets its name.
    using CloseDecisionProvider = std::function<CloseDecision(const QString &projectName)>;
    // Answers a path for `request`, or an empty string for "cancelled".
    using PathProvider =
        std::function<QString(PathRequest request, const QString &suggestedPath, const QString &filter)>;

    FProjectDocProxy();
    ~FProjectDocProxy() override;

    // Same object as KvLazySingleton<FProjectDocProxy>::instance().
    static FProjectDocProxy *instance();

    // Connects to the project manager (created if needed). Called once at
    // start-up; a second call does nothing.
    void init();
    bool isInitialized() const;

    void setParentWidget(QWidget *widget);
    QWidget *parentWidget() const;
    // The suffix of the scene being entered ("kvproj" or "kvtpl", with or
    // without the dot): new projects get the matching type.
    void setProjectSuffix(const QString &suffix);
    QString projectSuffix() const;

    // Accepts a plain path, a "file:" URL or the whole "-open:<path>" argument.
    void SetDelayLoadProjectPath(const QString &path);
    // The local path such an argument names ("-open:<path>", a quoted path,
    // a "file:" URL).
    static QString projectPathFromArgument(const QString &argument);
    // Kept as given (the "-share:" argument); the cloud storage view reads it.
    void SetDelayLoadShareInfoPath(const QString &path);
    // "url" names the template project (local path or "file:" URL), "name"
    // the new project's name.
    void SetDelayLoadPrjTemplateMap(const QVariantMap &map);
    QString delayLoadProjectPath() const;
    QString delayLoadShareInfoPath() const;
    QVariantMap delayLoadPrjTemplateMap() const;

    // True when start-up will make a project active: the remembered project
    // exists or a template map is remembered; also when `acceptOpenProject`
    // and a project is open, or when `allowNewProject`.
    bool ensureActivateProjectExist(bool allowNewProject, bool acceptOpenProject);
    bool isDelayLoadTemplateProject() const;
    // Opens what was remembered, else a new untitled project (keeping an open
    // one). True when the remembered project, or with nothing remembered a
    // project, is now open. When a remembered timeline project fails to open
    // and nothing is open, an untitled project is made so that the editor is
    // never empty, and the answer is still false.
    bool korvaneStartUp();
    void clearDelayLoadProjectInfos();

    // An empty path asks the path provider. Unless `discardUnsaved`, unsaved
    // changes of the current project are settled first (save / discard /
    // cancel). On failure the current project stays as it was. A project
    // archive is unpacked into a folder beside it and the project in it opened.
    bool openProject(const QString &path = QString(), bool discardUnsaved = false);
    // A new untitled project made from the template project at `templatePath`
    // (a project file or an archive), named `name` when that is not empty.
    bool openProjectTemplate(const QString &templatePath, const QString &name);
    bool newProject(KvProjectAspectRatioType aspect);
    // The menu hands over its action's number; an unknown one answers false.
    bool newProject(int aspect);
    // An untitled project is saved as.
    SaveType saveProject();
    SaveType saveAsProject();
    // Zips the current project with its media; an empty `path` asks the path
    // provider. `path` receives the archive's path (with its suffix).
    bool archiveProject(QString &path);
    // Closes the current project after settling unsaved changes. True when
    // nothing is open any more and the caller may go on.
    bool exit();

    QString currentProjectPath() const;
    // True while an open, save, archive or close runs (a large open's read
    // or a question of it turns the event loop); another one is refused
    // meanwhile. sigOperationEnded() follows its end.
    bool isBusy() const;
    // Why the last openProject / openProjectTemplate / korvaneStartUp open
    // failed; no problem after a success.
    FProjectOpenProblem lastOpenProblem() const;

    // Empty restores the default dialog.
    void setCloseDecisionProvider(CloseDecisionProvider provider);
    void setPathProvider(PathProvider provider);

signals:
    // The opened project uses plug-in effects that are not installed.
    void sigShowOpenfxDownloadDlg(QStringList effects);
    // The project file was written by a newer version of the editor.
    void sigShowUnsupportDlg();
    // An operation has ended and the service takes new ones again.
    void sigOperationEnded();
        // Mirrors of the project manager's events, for views (after init()).
    void sigCurrentProjectChanged();
    void sigProjectModifiedChanged(bool modified);

private:
    friend class FProjectDocProxyPrivate;
    std::unique_ptr<FProjectDocProxyPrivate> d;
};
