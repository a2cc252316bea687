#pragma once

#include "IKvProject.h"
#include "KvEffectPackRecord.h"
#include "KvAutoBackupConfig.h"
#include "KvProjectFile.h"

#include <QStringList>
#include <QVector>

#include <functional>

class IKvMediaLibrary;
class IKvProjectManagerEventObserver;
class IKvTimeline;
class KvMediaEditor;
class KvProjectPlayer;
class KvUIScene;
class KvUndoRedoService;
class QObject;

// The process-wide keeper of the current project: at most one project is open.
// getInstance() creates the manager on first use (any thread); every other
// operation belongs to the GUI thread.
class IKvProjectManager
{
public:
    using ReadyCallback = std::function<void(bool ok)>;

    static IKvProjectManager *getInstance();
    // Drops the current project without saving it, then the manager.
    static void releaseInstance();
    static bool hasInstance();

    virtual ~IKvProjectManager() = default;

    // Prepares what the manager needs (the user's data folder, the recent
    // list) and calls `onReady` on the GUI thread at a later event-loop turn,
    // never from inside this call. A second call only answers again.
    virtual void initialize(ReadyCallback onReady) = 0;
    virtual bool isInitialized() const = 0;

    virtual IKvProject *currentProject() const = 0;
    // Makes a project of `data` current, destroying the previous one without
    // asking. With a file path the project counts as opened from that file:
    // its name becomes the file's base name, it enters the recent list, and a
    // thumbnail is written beside it (on a worker) when it has none or an
    // older one.
    virtual IKvProject *createProject(const KvProjectData &data, const QString &filePath = QString(),
                                      bool modified = false) = 0;
    // Reads a project file for an open; a large one on a worker while the
    // GUI thread keeps turning its event loop (KvProjectFileLoader). isBusy()
    // is true meanwhile. `data` is filled only on Ok.
    virtual KvProjectFile::ReadResult readProject(const QString &path, KvProjectData *data,
                                                  QString *error = nullptr) = 0;
    // Reads the file (as readProject) and makes it current; on any failure
    // the current project stays as it was.
    virtual KvProjectFile::ReadResult openProject(const QString &path) = 0;
    // Writes the current project to `path` (its own file when empty), with
    // its thumbnail beside it; on success the project lives in that file,
    // is no longer modified and is first in the recent list.
    virtual bool saveProject(const QString &path = QString()) = 0;
    virtual void closeProject() = 0;

    // Plug-in effects that are installed; opening a project reports those
    // it needs and that are not in this list.
    virtual void setInstalledEffects(const QStringList &effects) = 0;
    virtual QStringList installedEffects() const = 0;
    virtual QStringList missingEffects(const KvProjectData &data) const = 0;

    // Installed effect packs (see KvEffectPackRecord): the folders of
    // KvEffectPackUtility::effectPackFolders() scanned again at each call.
    // Any thread.
    virtual QVector<KvEffectPackRecord> installedEffectPacks() = 0;
    // Of `packFolders`, the packs from which the current project uses an
    // effect. GUI thread.
    virtual QStringList effectPacksInUse(const QStringList &packFolders) const = 0;
    // Forgets an installed pack: its record and its effects in
    // installedEffects(). GUI thread.
    virtual void removeEffectPackRecord(const QString &packFolder) = 0;

    // Start-up: whether the manager may start its work, then loading what it
    // keeps (the recent list) and the settings of the automatic backup.
    virtual void setStartEnabled(bool enabled) = 0;
    virtual bool isStartEnabled() const = 0;
    virtual void load() = 0;
    virtual void setAutoBackupInterval(int seconds, int keepCount) = 0;
    virtual void setAutoBackupEnabled(bool enabled) = 0;
    virtual void setBackupProjectFile(const QString &path) = 0;
    virtual KvAutoBackupConfig autoBackupConfig() const = 0;
    // The effect and template categories, shared by the libraries' panels.
    virtual void initCategoryTree() = 0;
    virtual QStringList categories() const = 0;

    virtual void addObserver(IKvProjectManagerEventObserver *observer) = 0;
    virtual void removeObserver(IKvProjectManagerEventObserver *observer) = 0;

    // --- The scene on screen -------------------------------------------------
    // Which scene edits the project: SceneNone, SceneTimeline or SceneTemplate.
    enum SceneMode { SceneNone = 0, SceneTimeline = 1, SceneTemplate = 2 };
    virtual void setSceneMode(int mode) = 0;
    virtual int sceneMode() const = 0;

    // The media player of the scene on screen (the player module's
    // IKvMediaPlayer; the model does not know its type). Not owned; forgotten
    // when it is destroyed. Setting another one unbinds the project.
    virtual void setEditorPlayer(QObject *player) = 0;
    virtual QObject *editorPlayer() const = 0;
    // Binds the editor player to the current project; a project made current
    // later is bound at once. False (logged) without a project or a player.
    virtual bool refreshPlayerBinding() = 0;
    // The project the editor player plays, null when it is unbound.
    virtual IKvProject *playerProject() const = 0;

    // The scene that the current project's timeline reports to. Unbinding
    // only clears a binding to that same scene. Never dereferenced here.
    virtual void bindTimeline(KvUIScene *scene) = 0;
    virtual void unbindTimeline(KvUIScene *scene) = 0;
    virtual KvUIScene *timelineScene() const = 0;

    // A fresh start for a new scene: the undo history is forgotten and, with
    // `dropProject`, the current project is closed without saving (the caller
    // has settled its unsaved changes).
    virtual void reset(bool dropProject) = 0;
    // True while an open reads its file; the event loop turns meanwhile, and
    // new opens wait for the running one.
    virtual bool isBusy() const = 0;
    // Settles what a coming open replaces (stops playback of the project).
    virtual void prepareOpen() = 0;
    // The id of a media-library item of `group` by name; -1 when absent.
    virtual int mediaLibraryItemId(int group, const QString &name) const = 0;
    // The template-mode project goes on as an untitled timeline project with
    // the same media, clips and settings. False (logged) without a project;
    // a timeline project stays as it is (true).
    virtual bool enterTimeline() = 0;
    // One service for the manager's life, cleared whenever the current
    // project changes.
    virtual KvUndoRedoService *undoRedoService() const = 0;

    // The editing services of the current project, each one object for the
    // manager's life that follows the current project (made on first use;
    // GUI thread). The timeline edits through undoRedoService().
    virtual IKvTimeline *timeline() const = 0;
    virtual IKvMediaLibrary *mediaLibrary() const = 0;
    virtual KvMediaEditor *mediaEditor() const = 0;
    virtual KvProjectPlayer *player() const = 0;

    // Preview render files and media proxies of the current project live in a
    // folder of their own below the render (34) and proxy (48) folders of the
    // application information. Empty without a project or when the base
    // folder is not known.
    virtual QString renderFolder() const = 0;
    virtual QString proxyFolder() const = 0;
    // Deletes that folder. True when it is gone (or never existed).
    virtual bool clearRenderFiles() = 0;
    virtual bool clearProxyFiles() = 0;
};
