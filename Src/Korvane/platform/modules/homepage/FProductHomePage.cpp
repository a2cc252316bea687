#include "FProductHomePage.h"

#include "FHomePageArt.h"
#include "FHomeTemplateItem.h"
#include "FMessageDialog.h"
#include "FProductHomePagePresenter.h"
#include "FRecentThumbnailLoader.h"
#include "IKvAppInfo.h"
#include "KvAppInfoId.h"
#include "KvCloseRequest.h"
#include "KvProjectSuffixHelper.h"
#include "KvSkin.h"
#include "KvUtility.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QSize kThumbnailSize(100, 56);
const QSize kPreviewSize(196, 110);
constexpr int kPathRole = Qt::UserRole;
constexpr int kExistsRole = Qt::UserRole + 1;

// Set on the page's content rather than the page, so that dialogs opening
// over the page keep the application's skin instead of these rules.
const char kStyleSheet[] = R"(
#FProductHomePage_Content { background: @windowBg; }
#FProductHomePage QLabel { color: @text; }
#FProductHomePage_Header { background: @surfaceBg; border-bottom: 1px solid @line; }
#FProductHomePage_Logo { color: @textStrong; font-size: 18px; font-weight: 600; }
#FProductHomePage_LogoMark { color: @accent; font-size: 18px; font-weight: 700; }
#FProductHomePage_SidePanel { background: @sideBg; border-right: 1px solid @line; }
QLabel[sectionTitle="true"] { color: @textStrong; font-size: 15px; font-weight: 600; }
QPushButton { color: @textBright; background: @controlBg; border: 1px solid @controlBorder; border-radius: 6px;
              padding: 7px 14px; font-size: 13px; }
QPushButton:hover { background: @controlHoverBg; border-color: @controlHoverBorder; }
QPushButton:pressed { background: @controlPressedBg; }
#FProductHomePage_NewProjectBtn { background: @accent; border: none; color: @accentText; font-weight: 600;
                                  padding: 12px; font-size: 14px; }
#FProductHomePage_NewProjectBtn:hover { background: @accentHover; }
#FProductHomePage_OpenProjectBtn { padding: 10px; }
QPushButton[link="true"] { background: transparent; border: none; color: @textMuted; padding: 4px 8px; }
QPushButton[link="true"]:hover { color: @textStrong; }
#FProductHomePage_LoginLink { color: @textStrong; font-weight: 600; }
QListWidget { background: transparent; border: none; color: @text; outline: none; }
QListWidget::item { padding: 6px; border-radius: 6px; margin: 1px 0; }
QListWidget::item:hover { background: @itemHoverBg; }
QListWidget::item:selected { background: @itemSelectedBg; color: @textStrong; }
#FProductHomePage_EmptyRecent { color: @textDim; }
QToolButton[toolTile="true"] { color: @text; background: @cardBg; border: 1px solid @cardBorder; border-radius: 10px;
                               padding: 10px 4px 8px 4px; font-size: 12px; }
QToolButton[toolTile="true"]:hover { background: @cardHoverBg; border-color: @cardHoverBorder; color: @textStrong; }
QFrame[templateCard="true"] { background: @cardBg; border: 1px solid @cardBorder; border-radius: 10px; }
QFrame[templateCard="true"] QPushButton { padding: 5px 12px; }
QLabel[templateName="true"] { color: @textStrong; font-weight: 600; }
QLineEdit { background: @cardBg; border: 1px solid @controlBorder; border-radius: 6px; padding: 7px 10px; color: @textBright;
            selection-background-color: @accent; }
QLineEdit:focus { border-color: @accent; }
QScrollBar:vertical { background: transparent; width: 8px; }
QScrollBar::handle:vertical { background: @scrollHandle; border-radius: 4px; min-height: 24px; }
QScrollBar::add-line, QScrollBar::sub-line { height: 0; }
)";

// The English text a widget was built with, so that a language change can
// look it up again in the catalogue.
const char *const kSourceText = "kvSourceText";

template <class Widget>
Widget *remembered(Widget *widget, const char *source)
{
    widget->setProperty(kSourceText, QString::fromUtf8(source));
    return widget;
}

QPushButton *linkButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setProperty("link", true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFlat(true);
    return button;
}

QString projectTimeText(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("MM/dd/yyyy hh:mm AP"));
}

} // namespace

FProductHomePage::FProductHomePage(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_presenter(new FProductHomePagePresenter(this))
    , m_thumbnails(new FRecentThumbnailLoader(this))
{
    setObjectName(QStringLiteral("FProductHomePage"));
    setWindowTitle(tr("Tessaracorp Korvane X"));
    setAttribute(Qt::WA_StyledBackground);
    resize(1100, 700);
    setMinimumSize(960, 600);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(buildSidePanel());
    body->addWidget(buildMainPanel(), 1);
    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("FProductHomePage_Content"));
    m_content->setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());
    layout->addLayout(body, 1);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_content);

    connect(m_presenter, &FProductHomePagePresenter::sigRecentListChanged, this,
            &FProductHomePage::slotRecentListChanged);
    connect(m_presenter, &FProductHomePagePresenter::sigTemplatesChanged, this,
            &FProductHomePage::slotTemplatesChanged);
    connect(m_presenter, &FProductHomePagePresenter::sigUserChanged, this, &FProductHomePage::slotUserChanged);
    connect(m_thumbnails, &FRecentThumbnailLoader::sigThumbnailsReady, this, &FProductHomePage::slotThumbnailsReady);

    connect(KvSkin::instance(), &KvSkin::sigPaletteChanged, this, &FProductHomePage::slotPaletteChanged);

    slotRecentListChanged();
    slotTemplatesChanged();
    slotUserChanged();
    applySkin();
}

void FProductHomePage::applySkin()
{
    m_content->setStyleSheet(KvSkin::instance()->resolve(QString::fromUtf8(kStyleSheet)));
}

void FProductHomePage::slotPaletteChanged()
{
    applySkin();
    // Item colours and drawn pictures are not reached by the style sheet.
    const QColor missing = KvSkin::instance()->color(QStringLiteral("textDim"));
    for (int row = 0; row < m_recentList->count(); ++row) {
        QListWidgetItem *item = m_recentList->item(row);
        if (!item->data(kExistsRole).toBool())
            item->setForeground(missing);
    }
    slotThumbnailsReady();
    slotTemplatesChanged();
}

QWidget *FProductHomePage::buildHeader()
{
    auto *header = new QFrame(this);
    header->setObjectName(QStringLiteral("FProductHomePage_Header"));
    header->setFixedHeight(52);
    auto *mark = new QLabel(QStringLiteral("\u25B6"), header);
    mark->setObjectName(QStringLiteral("FProductHomePage_LogoMark"));
    auto *logo = remembered(new QLabel(tr("Korvane X"), header), "Korvane X");
    logo->setObjectName(QStringLiteral("FProductHomePage_Logo"));

    m_loginLink = linkButton(tr("Log in"), QStringLiteral("FProductHomePage_LoginLink"), header);
    m_logoutLink = remembered(linkButton(tr("Log out"), QStringLiteral("FProductHomePage_LogoutLink"), header), "Log out");
    QPushButton *update = remembered(linkButton(tr("Check for Update"), QStringLiteral("FProductHomePage_UpdateLink"), header), "Check for Update");

    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(20, 0, 16, 0);
    layout->setSpacing(8);
    layout->addWidget(mark);
    layout->addWidget(logo);
    layout->addStretch();
    layout->addWidget(update);
    layout->addWidget(m_loginLink);
    layout->addWidget(m_logoutLink);

    connect(m_loginLink, &QPushButton::clicked, m_presenter, &FProductHomePagePresenter::accountClicked);
    connect(m_logoutLink, &QPushButton::clicked, m_presenter, &FProductHomePagePresenter::logoutClicked);
    connect(update, &QPushButton::clicked, m_presenter, &FProductHomePagePresenter::checkForUpdate);
    return header;
}

QWidget *FProductHomePage::buildSidePanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("FProductHomePage_SidePanel"));
    panel->setFixedWidth(330);

    auto *newProject = remembered(new QPushButton(tr("New Project"), panel), "New Project");
    newProject->setObjectName(QStringLiteral("FProductHomePage_NewProjectBtn"));
    newProject->setCursor(Qt::PointingHandCursor);
    auto *openProject = remembered(new QPushButton(tr("Open Project..."), panel), "Open Project...");
    openProject->setObjectName(QStringLiteral("FProductHomePage_OpenProjectBtn"));
    openProject->setCursor(Qt::PointingHandCursor);

    m_recentList = new QListWidget(panel);
    m_recentList->setObjectName(QStringLiteral("FProductHomePage_RecentList"));
    m_recentList->setAccessibleName(tr("Recent Projects"));
    m_recentList->setIconSize(kThumbnailSize);
    m_recentList->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_recentList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_emptyRecent = remembered(new QLabel(tr("No recent projects yet.\nCreate one to get started."), panel), "No recent projects yet.\nCreate one to get started.");
    m_emptyRecent->setObjectName(QStringLiteral("FProductHomePage_EmptyRecent"));
    m_emptyRecent->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(20, 24, 12, 16);
    layout->setSpacing(10);
    layout->addWidget(newProject);
    layout->addWidget(openProject);
    layout->addSpacing(18);
    layout->addWidget(remembered(sectionTitle(tr("Recent Projects")), "Recent Projects"));
    layout->addWidget(m_recentList, 1);
    layout->addWidget(m_emptyRecent, 1);

    connect(newProject, &QPushButton::clicked, m_presenter, &FProductHomePagePresenter::newProject);
    connect(openProject, &QPushButton::clicked, this, &FProductHomePage::slotOpenProjectClicked);
    connect(m_recentList, &QListWidget::itemActivated, this, &FProductHomePage::slotRecentActivated);
    return panel;
}

QWidget *FProductHomePage::buildMainPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("FProductHomePage_MainPanel"));

    auto *templateHeader = new QHBoxLayout;
    templateHeader->addWidget(remembered(sectionTitle(tr("Templates")), "Templates"));
    templateHeader->addStretch();

    m_templateRow = new QHBoxLayout;
    m_templateRow->setSpacing(16);
    m_noTemplates = remembered(new QLabel(tr("No templates available."), panel), "No templates available.");
    m_noTemplates->setObjectName(QStringLiteral("FProductHomePage_NoTemplates"));

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->setSpacing(14);
    layout->addWidget(remembered(sectionTitle(tr("Tools")), "Tools"));
    layout->addWidget(buildToolRow());
    layout->addSpacing(12);
    layout->addLayout(templateHeader);
    layout->addLayout(m_templateRow);
    layout->addWidget(m_noTemplates);
    layout->addSpacing(12);
    layout->addWidget(remembered(sectionTitle(tr("Explore")), "Explore"));
    layout->addWidget(buildExploreRow());
    layout->addStretch();
    return panel;
}

QWidget *FProductHomePage::buildToolRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    for (int index = 0; index < FProductHomePagePresenter::ToolCount; ++index) {
        auto *tile = new QToolButton(row);
        tile->setObjectName(QStringLiteral("FProductHomePage_Tool_%1").arg(index));
        tile->setProperty("toolTile", true);
        tile->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tile->setIcon(FHomePageArt::toolIcon(index, 44));
        tile->setIconSize(QSize(44, 44));
        tile->setText(FProductHomePagePresenter::toolName(index));
        tile->setFixedSize(122, 96);
        tile->setCursor(Qt::PointingHandCursor);
        layout->addWidget(tile);
        connect(tile, &QToolButton::clicked, m_presenter, [this, index] { m_presenter->clickTool(index); });
    }
    layout->addStretch();
    return row;
}

QWidget *FProductHomePage::buildExploreRow()
{
    auto *row = new QWidget(this);
    m_search = new QLineEdit(row);
    m_search->setObjectName(QStringLiteral("FProductHomePage_SearchEdit"));
    m_search->setPlaceholderText(tr("Search effects..."));
    m_search->setAccessibleName(tr("Search effects"));
    KvUtility::enableClearButton(m_search, tr("Clear search"));
    m_search->setFixedWidth(300);
    QPushButton *browse = remembered(linkButton(tr("Browse Effects"), QStringLiteral("FProductHomePage_BrowseEffectsLink"), row), "Browse Effects");
    QPushButton *tutorials = remembered(linkButton(tr("Tutorials"), QStringLiteral("FProductHomePage_TutorialsLink"), row), "Tutorials");

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(m_search);
    layout->addWidget(browse);
    layout->addWidget(tutorials);
    layout->addStretch();

    connect(m_search, &QLineEdit::returnPressed, m_presenter, [this] { m_presenter->searchEffects(m_search->text()); });
    connect(browse, &QPushButton::clicked, m_presenter, &FProductHomePagePresenter::browseEffects);
    connect(tutorials, &QPushButton::clicked, m_presenter, &FProductHomePagePresenter::openTutorials);
    return row;
}

QLabel *FProductHomePage::sectionTitle(const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setProperty("sectionTitle", true);
    return label;
}

void FProductHomePage::accept()
{
    m_accepting = true;
    close();
    m_accepting = false;
}

void FProductHomePage::closeEvent(QCloseEvent *event)
{
    if (m_accepting) {
        event->accept();
        return;
    }
    kvAnswerCloseRequest(event, [this](bool &ignore) { emit sigClose(ignore); });
}

void FProductHomePage::slotOpenProjectClicked()
{
    QString folder = IKvAppInfo::getInstance()->getString(KvAppInfoId::DefaultProjectDir);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString filter = tr("Korvane Projects (*%1 *%2)")
                               .arg(KvProjectSuffixHelper::projectFileDottedSuffix(),
                                    KvProjectSuffixHelper::instantModeFileDottedSuffix());
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Project"), folder, filter);
    if (!path.isEmpty())
        m_presenter->openProjectFile(path);
}

void FProductHomePage::slotRecentActivated(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString path = item->data(kPathRole).toString();
    if (m_presenter->openRecentProject(path))
        return;
    // Not modal to the event loop: the page stays responsive while it shows.
    auto *box = new FMessageDialog(this);
    box->setObjectName(QStringLiteral("FProductHomePage_MissingProjectMessage"));
    box->setKind(FMessageDialog::Alert);
    box->setTitle(windowTitle());
    box->setText(tr("Project does not exist: ") + QDir::toNativeSeparators(path));
    box->addButton(tr("OK"), FMessageDialog::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    slotRecentListChanged();
}

void FProductHomePage::slotRecentListChanged()
{
    m_recentList->clear();
    const QList<KvProjectRecentInfo> projects = m_presenter->recentProjects();
    QStringList existing;
    for (const KvProjectRecentInfo &info : projects) {
        const QFileInfo file(info.getPath());
        const bool exists = info.exists();
        auto *item = new QListWidgetItem(file.completeBaseName() + QLatin1Char('\n')
                                             + (exists ? projectTimeText(info.getModifyTime()) : tr("File not found")),
                                         m_recentList);
        item->setData(kPathRole, info.getPath());
        item->setData(kExistsRole, exists);
        item->setToolTip(QDir::toNativeSeparators(info.getPath()));
        if (!exists)
            item->setForeground(KvSkin::instance()->color(QStringLiteral("textDim")));
        if (exists)
            existing << info.getPath();
    }
    // Known pictures at once, the stand-in for the rest until the loader
    // has found them: no project is read on the GUI thread.
    slotThumbnailsReady();
    m_thumbnails->load(existing);
    m_recentList->setVisible(!projects.isEmpty());
    m_emptyRecent->setVisible(projects.isEmpty());
}

void FProductHomePage::slotThumbnailsReady()
{
    for (int row = 0; row < m_recentList->count(); ++row) {
        QListWidgetItem *item = m_recentList->item(row);
        const QImage image = item->data(kExistsRole).toBool()
            ? m_thumbnails->cached(item->data(kPathRole).toString())
            : QImage();
        item->setIcon(QIcon(image.isNull() ? FHomePageArt::missingThumbnail(kThumbnailSize)
                                           : FHomePageArt::fitted(QPixmap::fromImage(image), kThumbnailSize)));
    }
}

void FProductHomePage::slotTemplatesChanged()
{
    while (QLayoutItem *old = m_templateRow->takeAt(0)) {
        delete old->widget();
        delete old;
    }
    const QList<FHomeTemplateItem *> templates = m_presenter->templates();
    for (int i = 0; i < templates.size(); ++i) {
        FHomeTemplateItem *item = templates.at(i);
        auto *card = new QFrame(this);
        card->setObjectName(QStringLiteral("FProductHomePage_TemplateCard_%1").arg(i));
        card->setProperty("templateCard", true);
        auto *preview = new QLabel(card);
        preview->setPixmap(FHomePageArt::templatePreview(item->frameSize(), kPreviewSize, i + 1));
        auto *name = new QLabel(item->name(), card);
        name->setProperty("templateName", true);
        auto *use = new QPushButton(tr("Use"), card);
        use->setObjectName(QStringLiteral("FProductHomePage_TemplateUse_%1").arg(i));
        use->setCursor(Qt::PointingHandCursor);
        QPushButton *seeAll = linkButton(tr("See all"), QStringLiteral("FProductHomePage_TemplateSeeAll_%1").arg(i), card);
        // Every card has these two buttons; the names say which card they act on.
        use->setAccessibleName(tr("Use %1").arg(item->name()));
        seeAll->setAccessibleName(tr("See all like %1").arg(item->name()));

        auto *buttons = new QHBoxLayout;
        buttons->addWidget(seeAll);
        buttons->addStretch();
        buttons->addWidget(use);
        auto *layout = new QVBoxLayout(card);
        layout->setContentsMargins(10, 10, 10, 10);
        layout->setSpacing(8);
        layout->addWidget(preview);
        layout->addWidget(name);
        layout->addLayout(buttons);
        m_templateRow->addWidget(card);

        // The item, not the card: the card is rebuilt, the presenter checks the item.
        QPointer<FHomeTemplateItem> target(item);
        connect(use, &QPushButton::clicked, m_presenter, [this, target] { m_presenter->useTemplate(target); });
        connect(seeAll, &QPushButton::clicked, m_presenter, [this, target] { m_presenter->seeAllTemplates(target); });
    }
    m_templateRow->addStretch();
    // While the folder is still being read, say nothing rather than "none".
    m_noTemplates->setVisible(templates.isEmpty() && !m_presenter->isLoadingTemplates());
}

void FProductHomePage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FProductHomePage::retranslate()
{
    setWindowTitle(tr("Tessaracorp Korvane X"));
    for (QWidget *widget : findChildren<QWidget *>()) {
        const QByteArray source = widget->property(kSourceText).toString().toUtf8();
        if (source.isEmpty())
            continue;
        const QString text = QCoreApplication::translate("FProductHomePage", source.constData());
        if (auto *label = qobject_cast<QLabel *>(widget))
            label->setText(text);
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(text);
    }
    m_recentList->setAccessibleName(tr("Recent Projects"));
    m_search->setPlaceholderText(tr("Search effects..."));
    m_search->setAccessibleName(tr("Search effects"));
    slotUserChanged();
}

void FProductHomePage::slotUserChanged()
{
    const QString name = m_presenter->userDisplayName();
    m_loginLink->setText(name.isEmpty() ? tr("Log in") : name);
    m_loginLink->setToolTip(name.isEmpty() ? tr("Log in to your account") : tr("Account"));
    m_logoutLink->setVisible(!name.isEmpty());
}
