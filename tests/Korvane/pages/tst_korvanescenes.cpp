#include "FForwardCommand.h"
#include "FMediaLibraryView.h"
#include "FProjectDocProxy.h"
#include "FTemplateModeMenu.h"
#include "FTemplateUseMessage.h"
#include "FTemplateView.h"
#include "FVideoTemplate.h"
#include "IKvAccountService.h"
#include "IKvAppInfo.h"
#include "IKvMediaPlayer.h"
#include "IKvProjectManager.h"
#include "KorvaneMainForm.h"
#include "KorvaneScene.h"
#include "KvAppInfoId.h"
#include "KvAppSettings.h"
#include "KvEditingViewType.h"
#include "KvMediaLibraryGoToMsg.h"
#include "KvCommunicatorServer.h"
#include "KvMessageId.h"
#include "KvProjectChangedMessage.h"
#include "KvProjectFile.h"
#include "KvProjectSuffixHelper.h"
#include "KvTestLog.h"
#include "KvUndoRedoService.h"
#include "TemplateModeScene.h"

#include <QtTest>
#include <QtWidgets>

namespace {

IKvProjectManager *manager()
{
    return IKvProjectManager::getInstance();
}

// A view that only records what reaches it.
class Probe : public QWidget, public KvUIView
{
public:
    Probe()
        : KvUIView(this)
    {
    }
    bool dispatchMessage(KvMessage *message) override
    {
        const auto *changed = dynamic_cast<KvProjectChangedMessage *>(message);
        received << QStringLiteral("%1/%2").arg(message->code()).arg(changed ? changed->kind() : -1);
        return false;
    }
    QStringList received;
};

KvProjectData sampleData(const QString &name, KvProjectType type = KvProjectType::Normal)
{
    KvProjectData data;
    data.name = name;
    data.type = type;
    return data;
}

QPoint centreOf(const QWidget *widget)
{
    return widget->frameGeometry().center();
}

} // namespace

class TestKorvaneScenes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void construction_data();
    void construction();
    void projectEvents_data();
    void projectEvents();
    void stopUnregisters();
    void forwardsToRunningInstance();
    void mainFormClose_data();
    void mainFormClose();
    void mediaLibraryGoTo_data();
    void mediaLibraryGoTo();

    void templateWindowsTakeTurns();
    void templateMenuEntries_data();
    void templateMenuEntries();
    void templateMenuActions_data();
    void templateMenuActions();
    void templateUseMessage_data();
    void templateUseMessage();
    void templateEditorUndo();

private:
    QTemporaryDir m_dir;
    FProjectDocProxy::CloseDecision m_decision = FProjectDocProxy::CloseDecision::Discard;
};

void TestKorvaneScenes::initTestCase()
{
    QVERIFY(m_dir.isValid());
    IKvAppInfo *info = IKvAppInfo::getInstance();
    info->setValue(KvAppInfoId::RenderDir, m_dir.filePath("render"));
    info->setValue(KvAppInfoId::MediaProxyDir, m_dir.filePath("proxy"));
    FPerformanceSettings &performance = KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
    performance.SetPreviewRenderFilesFolder(m_dir.filePath("render"));
    performance.SetProxyFileFolder(m_dir.filePath("proxy"));
    info->setValue(KvAppInfoId::ProjectTemplateDir, m_dir.filePath("templates"));
    FProjectDocProxy::instance()->init();
    FProjectDocProxy::instance()->setCloseDecisionProvider([this](const QString &) { return m_decision; });
}

void TestKorvaneScenes::cleanup()
{
    m_decision = FProjectDocProxy::CloseDecision::Discard;
    manager()->closeProject();
    // Released players go on the next turn.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestKorvaneScenes::construction_data()
{
    QTest::addColumn<bool>("templateMode");
    QTest::addColumn<bool>("withProject");
    QTest::addColumn<int>("sceneMode");
    QTest::addColumn<QString>("suffix");

    const QString normal = KvProjectSuffixHelper::projectFileSuffix();
    const QString instant = KvProjectSuffixHelper::instantModeFileSuffix();
    QTest::newRow("editing, no project") << false << false << 1 << normal;
    QTest::newRow("editing, project") << false << true << 1 << normal;
    QTest::newRow("template, no project") << true << false << 2 << instant;
    QTest::newRow("template, project") << true << true << 2 << instant;
}

void TestKorvaneScenes::construction()
{
    QFETCH(bool, templateMode);
    QFETCH(bool, withProject);
    QFETCH(int, sceneMode);
    QFETCH(QString, suffix);

    IKvProject *project = withProject ? manager()->createProject(sampleData("Holiday")) : nullptr;
    KvTestLog log;
    std::unique_ptr<KorvaneScene> editing;
    std::unique_ptr<TemplateModeScene> templates;
    FUpdateProjectEditorPlayer *mixin = nullptr;
    KvUIScene *scene = nullptr;
    if (templateMode) {
        templates = std::make_unique<TemplateModeScene>();
        templates->init();
        QVERIFY(templates->templateView() && templates->videoTemplate());
        mixin = templates.get();
        scene = templates.get();
    } else {
        editing = std::make_unique<KorvaneScene>();
        QVERIFY(editing->createMainForm());
        mixin = editing.get();
        scene = editing.get();
    }

    // Without a project the scene is built all the same; the player waits
    // for the project opened after it, which is no error.
    QVERIFY(log.errors().isEmpty());
    QPointer<IKvMediaPlayer> player = mixin->editorPlayer();
    QVERIFY(player);
    QCOMPARE(manager()->editorPlayer(), player.data());
    QCOMPARE(manager()->playerProject(), project);
    QCOMPARE(manager()->sceneMode(), sceneMode);
    QCOMPARE(manager()->timelineScene(), scene);
    QCOMPARE(FProjectDocProxy::instance()->projectSuffix(), suffix);

    // A project made current later is bound at once; confirming the binding
    // without any project is what the log reports.
    if (!withProject) {
        mixin->updateProjectEditorPlayer();
        QVERIFY(log.hasError("KV_ACTIVE_PROJECT is null"));
        project = manager()->createProject(sampleData("Later"));
        QCOMPARE(manager()->playerProject(), project);
    }

    editing.reset();
    templates.reset();
    QCOMPARE(manager()->editorPlayer(), nullptr);
    QCOMPARE(manager()->timelineScene(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!player);
}

void TestKorvaneScenes::projectEvents_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("deleteRenderFiles");
    QTest::addColumn<QStringList>("received");
    QTest::addColumn<bool>("renderFilesLeft");

    const QString opened = QStringLiteral("%1/%2").arg(KvMessageId::ProjectChanged).arg(1);
    const QString saved = QStringLiteral("%1/%2").arg(KvMessageId::ProjectChanged).arg(0);
    const QString modified = QStringLiteral("%1/-1").arg(KvMessageId::ProjectModifiedChanged);
    QTest::newRow("opened") << "open" << false << QStringList{opened} << true;
    QTest::newRow("modified") << "modify" << false << QStringList{modified} << true;
    QTest::newRow("saved") << "save" << false << QStringList{modified, saved} << true;
    QTest::newRow("closed, keep render files") << "close" << false << QStringList{} << true;
    QTest::newRow("closed, delete render files") << "close" << true << QStringList{} << false;
}

void TestKorvaneScenes::projectEvents()
{
    QFETCH(QString, event);
    QFETCH(bool, deleteRenderFiles);
    QFETCH(QStringList, received);
    QFETCH(bool, renderFilesLeft);

    FPerformanceSettings &performance = KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
    performance.SetAutomaticallyDeleteRenderFile(deleteRenderFiles);
    IKvProject *project = event == "open" ? nullptr : manager()->createProject(sampleData("Trip"));
    const QString renderFolder = manager()->renderFolder();
    if (project) {
        QVERIFY(QDir().mkpath(renderFolder));
        QFile(QDir(renderFolder).filePath("frame.bin")).open(QIODevice::WriteOnly);
    }

    KorvaneScene scene;
    KorvaneMainForm *form = scene.createMainForm();
    auto *probe = new Probe;
    scene.addView(probe);

    if (event == "open") {
        manager()->createProject(sampleData("Trip"));
        QCOMPARE(form->projectTitle(), QStringLiteral("Trip"));
    } else if (event == "modify") {
        QVERIFY(project->addMedia(m_dir.filePath("a.mp4")) == 0);
        QCOMPARE(form->projectTitle(), QStringLiteral("Trip*"));
    } else if (event == "save") {
        project->addMedia(m_dir.filePath("a.mp4"));
        probe->received.clear();
        QVERIFY(manager()->saveProject(m_dir.filePath("saved.kvproj")));
        QCOMPARE(form->projectTitle(), QStringLiteral("saved"));
    } else {
        manager()->closeProject();
    }
    QCOMPARE(probe->received, received);
    if (project)
        QCOMPARE(QFileInfo::exists(renderFolder), renderFilesLeft);
    performance.SetAutomaticallyDeleteRenderFile(false);
}

void TestKorvaneScenes::stopUnregisters()
{
    KorvaneScene scene;
    QPointer<KorvaneMainForm> form = scene.createMainForm();
    QVERIFY(scene.isObservingProjectManager());

    KvTestLog log;
    scene.stop();
    QVERIFY(!form);
    QVERIFY(!scene.isObservingProjectManager());
    // The scene's stop brackets the form's own destruction, which logs its
    // begin and end too: one stop, the form gone inside it.
    QStringList brackets;
    const QRegularExpression bracket(QStringLiteral("(\\S+): (begin|end)$"));
    for (const QString &line : log.lines()) {
        const QRegularExpressionMatch match = bracket.match(line);
        if (match.hasMatch())
            brackets << match.captured(1) + ' ' + match.captured(2);
    }
    QCOMPARE(brackets, QStringList({"KorvaneScene::stop begin", "KorvaneMainForm::~KorvaneMainForm begin",
                                     "KorvaneMainForm::~KorvaneMainForm end", "KorvaneScene::stop end"}));

    auto *probe = new Probe;
    scene.addView(probe);
    manager()->createProject(sampleData("After stop"));
    QVERIFY(probe->received.isEmpty());
}

void TestKorvaneScenes::forwardsToRunningInstance()
{
    KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
    QVERIFY(server->Listen(FForwardCommand::ServerName));
    QSignalSpy received(server, &KvCommunicatorServer::sigReceveMsgFrom);

    KorvaneScene scene;
    scene.callExistAppDoSomething();
    // This test runs without arguments: nothing to open, so just "come to the front".
    QTRY_COMPARE(received.count(), 1);
    QVERIFY(received.first().first().toString().contains("CMD_REOPEN_APP"));
    KvCommunicatorServer::Release();
}

void TestKorvaneScenes::mainFormClose_data()
{
    QTest::addColumn<bool>("unsavedKept");
    QTest::addColumn<bool>("showProjectLibrary");
    QTest::addColumn<bool>("ignore");
    QTest::addColumn<QStringList>("signals_");
    QTest::addColumn<bool>("staysOpen");

    QTest::newRow("project kept") << true << false << false << QStringList{} << true;
    QTest::newRow("to the start page") << false << true << false << QStringList{"home"} << false;
    QTest::newRow("quit") << false << false << false << QStringList{"close"} << false;
    QTest::newRow("quit refused") << false << false << true << QStringList{"close"} << true;
}

void TestKorvaneScenes::mainFormClose()
{
    QFETCH(bool, unsavedKept);
    QFETCH(bool, showProjectLibrary);
    QFETCH(bool, ignore);
    QFETCH(QStringList, signals_);
    QFETCH(bool, staysOpen);

    FGeneralSettings &general = KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting();
    general.SetShowProjectLibrary(showProjectLibrary);
    IKvProject *project = manager()->createProject(sampleData("Edit"));
    project->addMedia(m_dir.filePath("d.mp4"));
    m_decision = unsavedKept ? FProjectDocProxy::CloseDecision::Cancel : FProjectDocProxy::CloseDecision::Discard;

    KorvaneScene scene;
    KorvaneMainForm *form = scene.createMainForm();
    form->showWithStoredGeometry();
    QStringList emitted;
    connect(form, &KorvaneMainForm::sigBackHomepage, this, [&]() { emitted << "home"; });
    connect(form, &KorvaneMainForm::sigMainFormClose, this, [&](bool &ignoreClose) {
        emitted << "close";
        ignoreClose = ignore;
    });

    form->close();
    QCOMPARE(emitted, signals_);
    QCOMPARE(form->isVisible(), staysOpen);
    QCOMPARE(manager()->currentProject() != nullptr, unsavedKept);
    general.SetShowProjectLibrary(true);
}

void TestKorvaneScenes::mediaLibraryGoTo_data()
{
    QTest::addColumn<int>("itemId");
    QTest::addColumn<QString>("searchWord");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QList<int>>("visible");

    QTest::newRow("category only") << -1 << "" << true << -1 << QList<int>{0, 1, 2};
    QTest::newRow("item") << 1 << "" << true << 1 << QList<int>{0, 1, 2};
    QTest::newRow("item matching the search") << 2 << "BEACH" << true << 2 << QList<int>{1, 2};
    QTest::newRow("item filtered out") << 0 << "beach" << false << -1 << QList<int>{1, 2};
    QTest::newRow("no such item") << 7 << "" << false << -1 << QList<int>{0, 1, 2};
}

void TestKorvaneScenes::mediaLibraryGoTo()
{
    QFETCH(int, itemId);
    QFETCH(QString, searchWord);
    QFETCH(bool, found);
    QFETCH(int, selected);
    QFETCH(QList<int>, visible);

    KorvaneScene scene;
    KorvaneMainForm *form = scene.createMainForm();
    IKvProject *project = manager()->createProject(sampleData("Library"));
    for (const char *name : {"city.mp4", "beach.mp4", "beach-night.mp4"})
        project->addMedia(m_dir.filePath(name));
    auto *library = static_cast<FMediaLibraryView *>(form->view(KvEditingViewType::MediaLibrary)->widget());

    KvMediaLibraryGoToMsg message(6, itemId, searchWord);
    QVERIFY(scene.sendMessage(&message));
    QCOMPARE(message.answer().toBool(), found);
    QCOMPARE(library->category(), 6);
    QCOMPARE(library->selectedItemId(), selected);
    QCOMPARE(library->visibleItemIds(), visible);
}

void TestKorvaneScenes::templateWindowsTakeTurns()
{
    manager()->createProject(sampleData("Clip", KvProjectType::InstantMode));
    TemplateModeScene scene;
    scene.init();
    FTemplateView *list = scene.templateView();
    FVideoTemplate *editor = scene.videoTemplate();
    QVERIFY(scene.prepareExitForUpgrade());
    QCOMPARE(scene.visibleView(), nullptr);

    scene.showTemplateList();
    QVERIFY(list->isVisible() && !editor->isVisible());
    QCOMPARE(scene.visibleView(), list);
    list->move(list->pos() + QPoint(-30, 20));
    const QPoint listCentre = centreOf(list);

    scene.showTemplateEditor();
    QVERIFY(editor->isVisible() && !list->isVisible());
    QVERIFY(!editor->isMaximized());
    QCOMPARE(centreOf(editor), listCentre);

    editor->move(editor->pos() + QPoint(15, -10));
    const QPoint editorCentre = centreOf(editor);
    scene.showTemplateList();
    QCOMPARE(centreOf(list), editorCentre);

    // The maximised request is used once.
    scene.setShowMaximizedNextTime(true);
    scene.showTemplateEditor();
    QVERIFY(editor->isMaximized());
    QVERIFY(!scene.showMaximizedNextTime());

    // The editor holds unsaved work: leaving for an upgrade needs the user's word.
    manager()->currentProject()->addMedia(m_dir.filePath("b.mp4"));
    m_decision = FProjectDocProxy::CloseDecision::Cancel;
    QVERIFY(!scene.prepareExitForUpgrade());
    QVERIFY(manager()->currentProject());
}

void TestKorvaneScenes::templateMenuEntries_data()
{
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<QStringList>("topTexts");
    QTest::addColumn<QList<int>>("topIds");

    QTest::newRow("logged out") << false
                                << QStringList{"Support center", "Help", "Take the Survey", "Login",
                                               "Return to Startup window", "Exit"}
                                << QList<int>{0, -1, 1, 6, 7, 8};
    QTest::newRow("logged in") << true
                               << QStringList{"Support center", "Help", "Take the Survey", "Account Information",
                                              "Return to Startup window", "Exit"}
                               << QList<int>{0, -1, 1, 5, 7, 8};
}

void TestKorvaneScenes::templateMenuEntries()
{
    QFETCH(bool, loggedIn);
    QFETCH(QStringList, topTexts);
    QFETCH(QList<int>, topIds);

    FTemplateModeMenu menu(loggedIn);
    QStringList texts;
    QList<int> ids;
    QMenu *help = nullptr;
    for (QAction *action : menu.actions()) {
        texts << action->text();
        ids << FTemplateModeMenu::idOf(action);
        if (action->menu())
            help = action->menu();
        // Every top-level entry but the survey comes with its drawn icon.
        QCOMPARE(action->icon().isNull(), FTemplateModeMenu::idOf(action) == FTemplateModeMenu::Survey);
    }
    QCOMPARE(texts, topTexts);
    QCOMPARE(ids, topIds);
    QVERIFY(help);
    QStringList helpTexts;
    QList<int> helpIds;
    for (QAction *action : help->actions()) {
        helpTexts << action->text();
        helpIds << FTemplateModeMenu::idOf(action);
    }
    QCOMPARE(helpIds, (QList<int>{2, 3, 4}));
    QCOMPARE(helpTexts, (QStringList{"Feedback", "Check for Update", "About..."}));
    QCOMPARE(menu.action(loggedIn ? 6 : 5), nullptr);
}

void TestKorvaneScenes::templateMenuActions_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("editorShown");
    QTest::addColumn<bool>("unsavedKept");
    QTest::addColumn<bool>("ignoreClose");
    QTest::addColumn<QStringList>("signals_");
    QTest::addColumn<bool>("viewStaysVisible");

    QTest::newRow("check for update") << 3 << false << false << false << QStringList{"upgrade:2"} << true;
    QTest::newRow("login") << 6 << false << false << false << QStringList{"login"} << true;
    QTest::newRow("account information") << 5 << false << false << false << QStringList{"login"} << true;
    QTest::newRow("home from the list") << 7 << false << false << false << QStringList{"home"} << true;
    QTest::newRow("home from the editor") << 7 << true << false << false << QStringList{"home"} << true;
    QTest::newRow("home refused by the editor") << 7 << true << true << false << QStringList{} << true;
    QTest::newRow("exit") << 8 << false << false << false << QStringList{"close"} << false;
    QTest::newRow("exit refused") << 8 << false << false << true << QStringList{"close"} << true;
    QTest::newRow("exit with unsaved work kept") << 8 << true << true << false << QStringList{} << true;
    QTest::newRow("unknown entry") << 99 << false << false << false << QStringList{} << true;
}

void TestKorvaneScenes::templateMenuActions()
{
    QFETCH(int, id);
    QFETCH(bool, editorShown);
    QFETCH(bool, unsavedKept);
    QFETCH(bool, ignoreClose);
    QFETCH(QStringList, signals_);
    QFETCH(bool, viewStaysVisible);

    IKvProject *project = manager()->createProject(sampleData("Clip", KvProjectType::InstantMode));
    if (unsavedKept) {
        project->addMedia(m_dir.filePath("c.mp4"));
        m_decision = FProjectDocProxy::CloseDecision::Cancel;
    }
    TemplateModeScene scene;
    scene.init();
    editorShown ? scene.showTemplateEditor() : scene.showTemplateList();
    QWidget *view = scene.visibleView();

    QStringList emitted;
    connect(&scene, &TemplateModeScene::sigCheckUpgrade, this,
            [&](int why) { emitted << QStringLiteral("upgrade:%1").arg(why); });
    connect(&scene, &TemplateModeScene::sigLogin, this, [&]() { emitted << "login"; });
    connect(&scene, &TemplateModeScene::sigBackHomepage, this, [&]() { emitted << "home"; });
    connect(&scene, &TemplateModeScene::sigClose, this, [&](bool &ignore) {
        emitted << "close";
        ignore = ignoreClose;
    });

    scene.triggerMenuAction(id);
    QCOMPARE(emitted, signals_);
    QCOMPARE(view->isVisible(), viewStaysVisible);
    if (unsavedKept)
        QCOMPARE(manager()->currentProject(), project);
}

void TestKorvaneScenes::templateUseMessage_data()
{
    QTest::addColumn<bool>("templateExists");
    QTest::addColumn<bool>("opened");

    QTest::newRow("template file") << true << true;
    QTest::newRow("missing file") << false << false;
}

void TestKorvaneScenes::templateUseMessage()
{
    QFETCH(bool, templateExists);
    QFETCH(bool, opened);

    const QString path = m_dir.filePath("templates/Travel.kvtpl");
    QFile::remove(path);
    if (templateExists) {
        QVERIFY(QDir().mkpath(m_dir.filePath("templates")));
        QVERIFY(KvProjectFile::write(path, sampleData("Travel", KvProjectType::InstantMode)));
    }
    TemplateModeScene scene;
    scene.init();
    scene.showTemplateEditor();

    QObject media;
    FTemplateUseMessage message(&media, path, QStringLiteral("My trip"));
    QVERIFY(scene.sendMessage(&message));
    QCOMPARE(message.answer().toBool(), opened);
    IKvProject *current = manager()->currentProject();
    QCOMPARE(current != nullptr, opened);
    if (current) {
        QCOMPARE(current->name(), QStringLiteral("My trip"));
        QVERIFY(scene.videoTemplate()->findChild<QLabel *>("FVideoTemplate_Name")->text().startsWith("My trip"));
    }
}

void TestKorvaneScenes::templateEditorUndo()
{
    IKvProject *project = manager()->createProject(sampleData("Shape", KvProjectType::InstantMode));
    TemplateModeScene scene;
    scene.init();
    scene.showTemplateEditor();
    auto *history = qobject_cast<KvUndoRedoService *>(scene.undoRdoService());
    QVERIFY(history);
    auto *aspect = scene.videoTemplate()->findChild<QComboBox *>("FVideoTemplate_Aspect");
    auto *undo = scene.videoTemplate()->findChild<QPushButton *>("FVideoTemplate_UndoBtn");
    auto *redo = scene.videoTemplate()->findChild<QPushButton *>("FVideoTemplate_RedoBtn");
    const KvProjectSettings before = project->settings();

    // The user picks "9:16": one undoable step.
    const int portrait = aspect->findText("9:16");
    QVERIFY(portrait >= 0);
    aspect->setCurrentIndex(portrait);
    emit aspect->activated(portrait);
    QCOMPARE(project->settings().height, 1920);
    QVERIFY(undo->isEnabled() && !redo->isEnabled());

    undo->click();
    QCOMPARE(project->settings(), before);
    QCOMPARE(aspect->currentText(), QStringLiteral("16:9"));
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    redo->click();
    QCOMPARE(project->settings().height, 1920);

    // Another project starts with no history.
    manager()->createProject(sampleData("Next", KvProjectType::InstantMode));
    QVERIFY(!history->canUndo() && !history->canRedo());
    QVERIFY(!undo->isEnabled());
}

QTEST_MAIN(TestKorvaneScenes)
#include "tst_korvanescenes.moc"
