#pragma once

#include "KvProjectRecentInfo.h"

#include <QFuture>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

class FHomeTemplateItem;

// The start page's logic: which recent projects, tools and templates it
// offers, and what each click asks of the editor (its signals). The page
// only renders and forwards. GUI thread only.
class FProductHomePagePresenter : public QObject
{
    Q_OBJECT

public:
    // The tool tiles, in their order on the page.
    enum ToolIndex {
        ScreenRecorderTool = 0,
        AutoCaptionsTool = 1,
        SilenceDetectionTool = 2,
        AIPortraitTool = 3,
        SpeedRampTool = 4,
        ToolCount
    };
    // Media-library categories the page leads to.
    static constexpr int kEffectCategory = 4;
    static constexpr int kTemplateCategory = 6;
    // How many templates the page shows at most.
    static constexpr int kMaxTemplates = 3;

    explicit FProductHomePagePresenter(QObject *parent = nullptr);
    // Waits for the template folder reads still running.
    ~FProductHomePagePresenter() override;

    static QString toolName(int index);

    QList<KvProjectRecentInfo> recentProjects() const;
    // The first templates of the project template folder; the starter
    // templates are written there when missing. The folder is read on a
    // worker (templates are project files): empty until sigTemplatesChanged.
    QList<FHomeTemplateItem *> templates() const { return m_templates; }
    // True from a read's start until its templates are offered.
    bool isLoadingTemplates() const { return m_templatesPending; }
    QString userId() const { return m_userId; }
    // The account's user name when it is the user shown, else the id.
    QString userDisplayName() const;

    // --- What the page's controls do ----------------------------------------
    void newProject();
    // Opens a project or template-mode project by its suffix; false (logged)
    // for an empty path or another kind of file.
    bool openProjectFile(const QString &path);
    // False when the file is gone (the page tells the user).
    bool openRecentProject(const QString &path);
    // False (logged) for an index that is not a tool.
    bool clickTool(int index);
    void useTemplate(FHomeTemplateItem *item);
    void seeAllTemplates(FHomeTemplateItem *item);
    // "Log in" when nobody is shown, the account otherwise.
    void accountClicked();
    void logoutClicked();
    void checkForUpdate();
    void openTutorials();
    void searchEffects(const QString &keyword);
    void browseEffects();

public slots:
    void refreshInstantModeEntry();
    void setUserId(const QString &userId);
    void reloadRecentList();

signals:
    void sigOpenNormalProject(QString path);
    void sigToolClicked(int toolIndex);
    // The template, its project file and the name of the project to make.
    void sigUseTemplate(QObject *templateMedia, QString templatePath, QString projectName);
    void sigTemplateSeeAll(QObject *media);
    void sigOpenTemplateProject(QString path);
    void sigUpdate();
    void sigOpenOrvala(QString url);
    void sigOpenMediaFolderAndSearch(int categoryType, int categoryId, QString keyword);
    void sigOpenMediaFolder(int categoryType, int folderType);
    void sigLogin();
    void sigLogout();
    void sigCheckUpgrade(int reason);

    // For the page.
    void sigRecentListChanged();
    void sigTemplatesChanged();
    void sigUserChanged();

private:
    struct TemplateFile
    {
        QString name;
        QString path;
        QSize frameSize;
    };
    static QList<TemplateFile> readTemplateFolder(const QString &folder);
    void loadTemplates();
    void setTemplates(const QList<TemplateFile> &files);

    QString m_userId;
    QList<FHomeTemplateItem *> m_templates;
    // Every read still running; the destructor joins them.
    QList<QFuture<QList<TemplateFile>>> m_templateJobs;
    int m_templateRequest = 0;
    bool m_templatesPending = false;
};
