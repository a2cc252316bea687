#include "FHomePageArt.h"
#include "FHomeTemplateItem.h"
#include "FProductHomePage.h"
#include "FProductHomePagePresenter.h"
#include "FRecentThumbnailLoader.h"
#include "IKvAccountService.h"
#include "IKvAppInfo.h"
#include "IKvProjectRecentManager.h"
#include "KvAppInfoId.h"
#include "KvProjectFile.h"
#include "KvProjectSuffixHelper.h"

#include "KvTestLog.h"
#include "../kvwidgets/KvAccessibilityAudit.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QDialog>
#include <QVBoxLayout>
#include <QPushButton>
#include <QLineEdit>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <mutex>
#include <QtTest>

Q_DECLARE_METATYPE(QMetaMethod)

namespace {

using Presenter = FProductHomePagePresenter;

QString writeProject(const QString &path, KvProjectType type)
{
    KvProjectData data;
    data.name = QFileInfo(path).completeBaseName();
    data.type = type;
    return KvProjectFile::write(path, data) ? path : QString();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

IKvProjectRecentManager *recent()
{
    return IKvProjectRecentManager::getInstance();
}

QListWidget *recentListOf(FProductHomePage &page)
{
    return page.findChild<QListWidget *>("FProductHomePage_RecentList");
}

} // namespace

class TestFProductHomePage : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(QDir().mkpath(templateDir()));
        IKvAppInfo::getInstance()->setValue(KvAppInfoId::ProjectTemplateDir, templateDir());
        recent()->clear();
        IKvAccountService::getInstance()->logout();
    }

    // Most recent first; a vanished file stays listed, greyed, and opening it
    // asks nobody to open anything.
    void recentList_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("expectedSignal");
        QTest::newRow("project") << "Holiday.kvproj" << true << "sigOpenNormalProject";
        QTest::newRow("template-mode project") << "Promo.kvtpl" << true << "sigOpenTemplateProject";
        QTest::newRow("vanished") << "Gone.kvproj" << false << "";
    }

    void recentList()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, exists);
        QFETCH(QString, expectedSignal);
        const QString older = writeProject(m_dir->filePath("Older.kvproj"), KvProjectType::Normal);
        recent()->add(older, KvProjectType::Normal);
        const QString path = m_dir->filePath(fileName);
        const KvProjectType type = fileName.endsWith("kvtpl") ? KvProjectType::InstantMode : KvProjectType::Normal;
        QVERIFY(!writeProject(path, type).isEmpty());
        recent()->add(path, type);
        if (!exists)
            QVERIFY(QFile::remove(path));

        FProductHomePage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QListWidget *list = recentListOf(page);
        QCOMPARE(list->count(), 2);
        QVERIFY(list->isVisible());
        QListWidgetItem *item = list->item(0);
        QVERIFY(item->text().startsWith(QFileInfo(fileName).completeBaseName() + "\n"));
        QCOMPARE(item->data(Qt::UserRole + 1).toBool(), exists);
        QCOMPARE(item->foreground().color() != list->item(1)->foreground().color(), !exists);

        QSignalSpy normal(page.presenter(), &Presenter::sigOpenNormalProject);
        QSignalSpy templ(page.presenter(), &Presenter::sigOpenTemplateProject);
        KvTestLog log;
        // A double click is a press, a release and a second press to the view.
        const QPoint centre = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(normal.count(), expectedSignal == "sigOpenNormalProject" ? 1 : 0);
        QCOMPARE(templ.count(), expectedSignal == "sigOpenTemplateProject" ? 1 : 0);
        if (!expectedSignal.isEmpty()) {
            const QString emitted = (normal.isEmpty() ? templ : normal).at(0).at(0).toString();
            QCOMPARE(QFileInfo(emitted).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
        } else {
            QVERIFY(log.hasError("does not exist"));
            auto *box = page.findChild<QDialog *>("FProductHomePage_MissingProjectMessage");
            QVERIFY(box);
            QVERIFY(box->isVisible());
            QVERIFY(box->windowFlags() & Qt::FramelessWindowHint);
            QVERIFY(box->findChild<QLabel *>("FMessageDialog_Text")->accessibleName().contains(fileName));
            box->close();
        }
    }

    // A recent project without a thumbnail is read on a worker, never on the
    // GUI thread: the page shows the stand-in picture first and the drawn one
    // when it is ready, and keeps it beside the project for the next start.
    void thumbnailsFoundOffGuiThread()
    {
        const QString never = writeProject(m_dir->filePath("Never.kvproj"), KvProjectType::Normal);
        const QString broken = m_dir->filePath("Broken.kvproj");
        writeFile(broken, "{ not a project");
        recent()->add(never, KvProjectType::Normal);
        recent()->add(broken, KvProjectType::Normal);
        QVERIFY(!QFileInfo::exists(KvProjectSuffixHelper::thumbnailPathFor(never)));

        std::mutex mutex;
        QList<QThread *> readers;
        GetGlobalLogInstance()->setObserver([&](IKvBaseLog::Level, const std::string &message) {
            if (message.find("Broken.kvproj") != std::string::npos) {
                std::lock_guard<std::mutex> lock(mutex);
                readers << QThread::currentThread();
            }
        });
        {
            FProductHomePage page;
            QSignalSpy ready(page.thumbnailLoader(), &FRecentThumbnailLoader::sigThumbnailsReady);
            QListWidget *list = recentListOf(page);
            QCOMPARE(list->count(), 2);
            const QImage standIn = FHomePageArt::missingThumbnail(list->iconSize()).toImage();
            const auto iconOf = [&](int row) { return list->item(row)->icon().pixmap(list->iconSize()).toImage(); };
            QCOMPARE(iconOf(1), standIn);
            QTRY_COMPARE(ready.count(), 1);
            QVERIFY(iconOf(1) != standIn);
            QCOMPARE(iconOf(0), standIn);
        }
        GetGlobalLogInstance()->setObserver({});
        QVERIFY(!readers.isEmpty());
        for (QThread *thread : qAsConst(readers))
            QVERIFY(thread != QThread::currentThread());
        QVERIFY(QFileInfo(KvProjectSuffixHelper::thumbnailPathFor(never)).isFile());
        QVERIFY(!QFileInfo::exists(KvProjectSuffixHelper::thumbnailPathFor(broken)));
    }

    void emptyRecentList()
    {
        FProductHomePage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(!recentListOf(page)->isVisible());
        QVERIFY(page.findChild<QLabel *>("FProductHomePage_EmptyRecent")->isVisible());
        recent()->add(writeProject(m_dir->filePath("New.kvproj"), KvProjectType::Normal), KvProjectType::Normal);
        QCOMPARE(recentListOf(page)->count(), 1);
        QVERIFY(recentListOf(page)->isVisible());
    }

    void controlsEmit_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QMetaMethod>("signal");
        QTest::addColumn<QVariantList>("arguments");

        const QMetaMethod tool = QMetaMethod::fromSignal(&Presenter::sigToolClicked);
        for (int i = 0; i < Presenter::ToolCount; ++i)
            QTest::addRow("tool %d", i) << QStringLiteral("FProductHomePage_Tool_%1").arg(i) << tool << QVariantList{i};
        QTest::newRow("new project") << "FProductHomePage_NewProjectBtn"
                                     << QMetaMethod::fromSignal(&Presenter::sigOpenNormalProject)
                                     << QVariantList{QString()};
        QTest::newRow("update") << "FProductHomePage_UpdateLink" << QMetaMethod::fromSignal(&Presenter::sigCheckUpgrade)
                                << QVariantList{2};
        QTest::newRow("log in") << "FProductHomePage_LoginLink" << QMetaMethod::fromSignal(&Presenter::sigLogin)
                                << QVariantList{};
        QTest::newRow("browse effects") << "FProductHomePage_BrowseEffectsLink"
                                        << QMetaMethod::fromSignal(&Presenter::sigOpenMediaFolder)
                                        << QVariantList{Presenter::kEffectCategory, 0};
        QTest::newRow("tutorials") << "FProductHomePage_TutorialsLink"
                                   << QMetaMethod::fromSignal(&Presenter::sigOpenOrvala)
                                   << QVariantList{QStringLiteral("about:blank")};
    }

    void controlsEmit()
    {
        QFETCH(QString, control);
        QFETCH(QMetaMethod, signal);
        QFETCH(QVariantList, arguments);
        FProductHomePage page;
        auto *button = page.findChild<QAbstractButton *>(control);
        QVERIFY2(button, qPrintable(control));
        QSignalSpy spy(page.presenter(), signal);
        button->click();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), arguments);
    }

    // A new installation gets starter templates; a folder with the user's own
    // templates is left alone.
    void templates_data()
    {
        QTest::addColumn<bool>("userTemplate");
        QTest::addColumn<int>("cards");
        QTest::newRow("empty folder") << false << 3;
        QTest::newRow("user's template") << true << 1;
    }

    void templates()
    {
        QFETCH(bool, userTemplate);
        QFETCH(int, cards);
        if (userTemplate)
            writeProject(QDir(templateDir()).filePath("Mine.kvtpl"), KvProjectType::InstantMode);
        FProductHomePage page;
        // Read on a worker: nothing is offered until the folder has been read.
        QVERIFY(page.presenter()->templates().isEmpty());
        QVERIFY(!page.findChild<QWidget *>("FProductHomePage_NoTemplates")->isVisibleTo(&page));
        QTRY_COMPARE(page.presenter()->templates().size(), cards);
        QCOMPARE(QDir(templateDir()).entryList(QDir::Files).size(), cards);
        QVERIFY(page.findChild<QWidget *>(QStringLiteral("FProductHomePage_TemplateCard_%1").arg(cards - 1)));
        QVERIFY(!page.findChild<QWidget *>(QStringLiteral("FProductHomePage_TemplateCard_%1").arg(cards)));

        FHomeTemplateItem *item = page.presenter()->templates().last();
        QSignalSpy use(page.presenter(), &Presenter::sigUseTemplate);
        QSignalSpy seeAll(page.presenter(), &Presenter::sigTemplateSeeAll);
        page.findChild<QAbstractButton *>(QStringLiteral("FProductHomePage_TemplateUse_%1").arg(cards - 1))->click();
        page.findChild<QAbstractButton *>(QStringLiteral("FProductHomePage_TemplateSeeAll_%1").arg(cards - 1))->click();
        QCOMPARE(use.count(), 1);
        QCOMPARE(use.at(0).at(0).value<QObject *>(), item);
        QCOMPARE(use.at(0).at(1).toString(), item->templatePath());
        QVERIFY(QFileInfo(item->templatePath()).isFile());
        QCOMPARE(use.at(0).at(2).toString(), item->objectName());
        QCOMPARE(seeAll.count(), 1);
        QCOMPARE(seeAll.at(0).at(0).value<QObject *>(), item);
    }

    void userLinks()
    {
        QVERIFY(IKvAccountService::getInstance()->loginByUserPwd("dave", "pw"));
        FProductHomePage page;
        page.show();
        auto *login = page.findChild<QAbstractButton *>("FProductHomePage_LoginLink");
        auto *logout = page.findChild<QAbstractButton *>("FProductHomePage_LogoutLink");
        QCOMPARE(login->text(), QStringLiteral("dave"));
        QVERIFY(logout->isVisible());
        QSignalSpy spy(page.presenter(), &Presenter::sigLogout);
        logout->click();
        QCOMPARE(spy.count(), 1);

        page.presenter()->setUserId(QString());
        QCOMPARE(login->text(), QStringLiteral("Log in"));
        QVERIFY(!logout->isVisible());
    }

    void closeAsksFirst_data()
    {
        QTest::addColumn<bool>("ignore");
        QTest::newRow("refused") << true;
        QTest::newRow("agreed") << false;
    }

    void closeAsksFirst()
    {
        QFETCH(bool, ignore);
        FProductHomePage page;
        int asked = 0;
        connect(&page, &FProductHomePage::sigClose, this, [&](bool &ignoreClose) {
            ++asked;
            ignoreClose = ignore;
        });
        page.show();
        QCOMPARE(page.close(), !ignore);
        QCOMPARE(page.isVisible(), ignore);
        QCOMPARE(asked, 1);
        page.accept();
        QVERIFY(!page.isVisible());
        QCOMPARE(asked, 1);
    }

    // Every control of the page can be found by name through the
    // accessibility tree, whatever the page shows.
    void controlsHaveAccessibleNames_data()
    {
        QTest::addColumn<bool>("recentProjects");
        QTest::addColumn<bool>("loggedIn");
        QTest::newRow("new installation") << false << false;
        QTest::newRow("recent projects, templates, logged in") << true << true;
    }

    void controlsHaveAccessibleNames()
    {
        QFETCH(bool, recentProjects);
        QFETCH(bool, loggedIn);
        if (recentProjects) {
            recent()->add(writeProject(m_dir->filePath("Kept.kvproj"), KvProjectType::Normal), KvProjectType::Normal);
            recent()->add(m_dir->filePath("Gone.kvproj"), KvProjectType::Normal);
        }
        if (loggedIn)
            QVERIFY(IKvAccountService::getInstance()->loginByUserPwd("dave", "pw"));
        FProductHomePage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTRY_VERIFY(!page.presenter()->templates().isEmpty());
        // The search field's clear button shows once there is text to clear.
        auto *search = page.findChild<QLineEdit *>("FProductHomePage_SearchEdit");
        QTest::keyClicks(search, "fade");
        const QStringList problems = KvAccessibilityAudit::problems(&page);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        // Buttons repeated on every card tell the cards apart.
        QStringList useNames;
        for (QAbstractButton *button : page.findChildren<QAbstractButton *>(QRegularExpression("_TemplateUse_")))
            useNames << KvAccessibilityAudit::accessibleName(button);
        QCOMPARE(useNames.size(), page.presenter()->templates().size());
        QCOMPARE(useNames.removeDuplicates(), 0);
    }

    // The page's own rules stay on the page: a dialog opening over it looks
    // as it does anywhere else.
    void dialogOverPageKeepsItsLook()
    {
        FProductHomePage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const auto grabDialog = [](QWidget *parent) {
            QDialog dialog(parent);
            auto *layout = new QVBoxLayout(&dialog);
            layout->addWidget(new QPushButton("OK", &dialog));
            layout->addWidget(new QLabel("Text", &dialog));
            layout->addWidget(new QLineEdit("Edit", &dialog));
            dialog.resize(200, 120);
            dialog.show();
            return dialog.grab().toImage();
        };
        QCOMPARE(grabDialog(&page), grabDialog(nullptr));
    }

private:
    QString templateDir() const { return m_dir->filePath("Templates"); }

    QScopedPointer<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestFProductHomePage)
#include "tst_fproducthomepage.moc"
