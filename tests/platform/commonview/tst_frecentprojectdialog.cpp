// The recent projects dialog: its rows, their states, removing and opening.
#include "FEmptyProjectWidget.h"
#include "FMessageDialog.h"
#include "FProjectDocProxy.h"
#include "FRecentProjectDialog.h"
#include "FRecentProjectThumbnailLoader.h"
#include "FRecentProjectTxtTableItem.h"
#include "IKvProjectManager.h"
#include "IKvProjectRecentManager.h"
#include "KvLazySingleton.h"
#include "KvPaths.h"
#include "KvProjectSuffixHelper.h"
#include "KvTestLog.h"
#include "KvTestProjects.h"
#include "KvUtility.h"
#include "../kvwidgets/KvAccessibilityAudit.h"

#include <QtTest>
#include <QtWidgets>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A name whose width in `metrics` is exactly `width`, built from a wide and a
// narrow letter; empty when the font cannot make that width.
QString nameOfWidth(const QFontMetrics &metrics, int width)
{
    for (int wide = 0; wide < 40; ++wide) {
        for (int narrow = 0; narrow < 80; ++narrow) {
            const QString name = QString(wide, QLatin1Char('W')) + QString(narrow, QLatin1Char('i'));
            if (metrics.horizontalAdvance(name) == width)
                return name;
        }
    }
    return QString();
}

QListWidgetItem *itemOf(FRecentProjectDialog &dialog, int row)
{
    return dialog.listWidget()->item(row);
}

FRecentProjectTxtTableItem *rowWidget(FRecentProjectDialog &dialog, int row)
{
    return dialog.itemWidget(itemOf(dialog, row));
}

} // namespace

class TestFRecentProjectDialog : public QObject
{
    Q_OBJECT

private:
    QString m_dir;
    QStringList m_messages;
    std::unique_ptr<QTemporaryDir> m_temp;

    // A real project file; with `thumbnail` a PNG of that colour beside it.
    QString makeProject(const QString &name, const QColor &thumbnail = QColor())
    {
        const QString path = QDir(m_dir).filePath(name + KvProjectSuffixHelper::projectFileDottedSuffix());
        writeFile(path, KvTestProjects::kGoodProject);
        if (thumbnail.isValid()) {
            QImage image(64, 64, QImage::Format_RGB32);
            image.fill(thumbnail);
            image.save(KvProjectSuffixHelper::thumbnailPathFor(path), "PNG");
        }
        return path;
    }

    // Newest first, as the list shows them.
    void addRecent(const QStringList &paths)
    {
        for (int i = paths.size() - 1; i >= 0; --i)
            IKvProjectRecentManager::getInstance()->add(paths.at(i), KvProjectType::Normal);
    }

    // Shown, with every row in view filled in.
    void showAndLoad(FRecentProjectDialog &dialog)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_VERIFY(!dialog.isLoadingThumbnails());
    }

private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("Korvane")); }

    void init()
    {
        KvLazySingleton<FProjectDocProxy>::release();
        IKvProjectManager::releaseInstance();
        IKvProjectRecentManager::releaseInstance();
        QDir(KvPaths::userDataDir()).removeRecursively();
        m_temp.reset(new QTemporaryDir);
        m_dir = m_temp->path();
        m_messages.clear();
        FMessageDialog::setAnswerer([this](FMessageDialog &message) {
            m_messages << message.objectName() + ": " + message.text();
            return int(FMessageDialog::Ok);
        });
        IKvProjectManager::getInstance();
        FProjectDocProxy::instance()->init();
        FProjectDocProxy::instance()->setCloseDecisionProvider(
            [](const QString &) { return FProjectDocProxy::CloseDecision::Discard; });
    }

    void cleanup() { FMessageDialog::setAnswerer({}); }

    void cleanupTestCase()
    {
        KvLazySingleton<FProjectDocProxy>::release();
        IKvProjectManager::releaseInstance();
        IKvProjectRecentManager::releaseInstance();
    }

    void fileSizeTexts_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");

        QTest::newRow("empty") << qint64(0) << "0 B";
        QTest::newRow("unknown") << qint64(-1) << "0 B";
        QTest::newRow("last byte count") << qint64(1023) << "1023 B";
        QTest::newRow("one KB") << qint64(1024) << "1.00 KB";
        QTest::newRow("one and a half KB") << qint64(1536) << "1.50 KB";
        QTest::newRow("rounds up into MB") << qint64(1024 * 1024 - 1) << "1.00 MB";
        QTest::newRow("MB") << qint64(24536678) << "23.40 MB";
        QTest::newRow("GB") << qint64(5) * 1024 * 1024 * 1024 << "5.00 GB";
        QTest::newRow("TB is the last unit") << qint64(2048) * 1024 * 1024 * 1024 * 1024 << "2048.00 TB";
    }
    void fileSizeTexts()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(KvUtility::gGetFileSizeAuto(bytes), text);
    }

    void timeTexts_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");

        const QDate day(2024, 3, 5);
        QTest::newRow("afternoon") << QDateTime(day, QTime(14, 7)) << "en_US" << "03/05/2024 02:07 PM";
        QTest::newRow("just after midnight") << QDateTime(day, QTime(0, 5)) << "en_US" << "03/05/2024 12:05 AM";
        QTest::newRow("noon") << QDateTime(day, QTime(12, 0)) << "en_US" << "03/05/2024 12:00 PM";
        QTest::newRow("same pattern in German") << QDateTime(day, QTime(23, 59)) << "de_DE" << "03/05/2024 11:59 PM";
        QTest::newRow("same digits in Arabic") << QDateTime(day, QTime(9, 30)) << "ar_EG" << "03/05/2024 09:30 AM";
        QTest::newRow("stored in UTC, shown local")
            << QDateTime(day, QTime(14, 7)).toUTC() << "en_US" << "03/05/2024 02:07 PM";
        QTest::newRow("unknown time") << QDateTime() << "en_US" << "";
    }
    void timeTexts()
    {
        QFETCH(QDateTime, time);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const QString shown = FRecentProjectListItem::timeText(time);
        QLocale::setDefault(before);
        QCOMPARE(shown, text);
    }

    void nameElision_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("elided");

        QTest::newRow("169 pixels") << 169 << false;
        QTest::newRow("exactly 170 pixels") << 170 << false;
        QTest::newRow("171 pixels") << 171 << true;
        QTest::newRow("far wider") << 400 << true;
    }
    void nameElision()
    {
        QFETCH(int, width);
        QFETCH(bool, elided);
        // The row's own label, so that the font is the one the row elides with.
        FRecentProjectTxtTableItem probe(KvProjectRecentInfo(QStringLiteral("/x.kvproj"), KvProjectType::Normal, {}));
        const QFontMetrics metrics = probe.nameLabel()->fontMetrics();
        const QString name = nameOfWidth(metrics, width);
        if (name.isEmpty())
            QSKIP("this font cannot make that width from two letters");
        const QString path = QDir(m_dir).filePath(name + KvProjectSuffixHelper::projectFileDottedSuffix());
        FRecentProjectTxtTableItem item(KvProjectRecentInfo(path, KvProjectType::Normal, QDateTime()));
        const QString shown = item.nameLabel()->text();
        QCOMPARE(shown != name, elided);
        QVERIFY(metrics.horizontalAdvance(shown) <= qMax(width, FRecentProjectListItem::kNameWidth));
        if (elided)
            QVERIFY(shown.endsWith(QChar(0x2026)));
        QCOMPARE(item.toolTip(), name);
    }

    void rowsShowTheRecentList()
    {
        const QString red = makeProject(QStringLiteral("Red"), Qt::red);
        const QString drawn = makeProject(QStringLiteral("Drawn"));
        const QString gone = makeProject(QStringLiteral("Gone"));
        addRecent({red, drawn, gone});
        QFile::remove(gone);
        FRecentProjectDialog dialog;
        QCOMPARE(dialog.title(), QStringLiteral("Recent Project"));
        QCOMPARE(dialog.listWidget()->objectName(), QStringLiteral("FRecentProjectDialog_ProjectListText"));
        showAndLoad(dialog);
        QCOMPARE(dialog.listWidget()->count(), 3);
        QVERIFY(!dialog.emptyWidget()->isVisible());

        const QStringList names{"Red", "Drawn", "Gone"};
        for (int row = 0; row < 3; ++row) {
            FRecentProjectTxtTableItem *item = rowWidget(dialog, row);
            QVERIFY(item);
            QCOMPARE(item->findChild<QLabel *>("FRecentProjectDialog_ProListTxtItem_ProjectName")->text(),
                     names.at(row));
            const KvProjectRecentInfo info = IKvProjectRecentManager::getInstance()->recentList().at(row);
            QCOMPARE(item->findChild<QLabel *>("FRecentProjectDialog_ProListTxtItem_CreateTime")->text(),
                     FRecentProjectListItem::timeText(info.getModifyTime()));
            QVERIFY(!item->timeLabel()->text().isEmpty());
            QVERIFY(item->findChild<QToolButton *>("FRecentProjectDialog_ProjectTextItem_DeleteBtn"));
        }
        const QString size = KvUtility::gGetFileSizeAuto(KvTestProjects::kGoodProject.size());
        QCOMPARE(rowWidget(dialog, 0)->findChild<QLabel *>("FRecentProjectDialog_ProListTxtItem_FileSize")->text(),
                 size);
        QCOMPARE(rowWidget(dialog, 1)->sizeLabel()->text(), size);
        QCOMPARE(rowWidget(dialog, 2)->sizeLabel()->text(), QString());

        // The stored PNG, stretched to 100 x 56; a drawn one where none is stored.
        const QImage stored = rowWidget(dialog, 0)->thumbnail().toImage();
        QCOMPARE(stored.size(), QSize(100, 56));
        QCOMPARE(QColor(stored.pixel(50, 28)), QColor(Qt::red));
        QCOMPARE(QColor(stored.pixel(99, 0)), QColor(Qt::red));
        QCOMPARE(rowWidget(dialog, 1)->thumbnail().size(), QSize(100, 56));
        QVERIFY(rowWidget(dialog, 2)->thumbnail().isNull());
    }

    void emptyList()
    {
        FRecentProjectDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        FEmptyProjectWidget *empty = dialog.emptyWidget();
        QVERIFY(empty->isVisible());
        QLabel *icon = empty->findChild<QLabel *>("FProductHomePage_EmptyRecentIcon");
        QVERIFY(icon);
        QCOMPARE(icon->size(), QSize(88, 64));
        QVERIFY(!icon->pixmap(Qt::ReturnByValue).isNull());
        QLabel *caption = empty->captionLabel();
        QCOMPARE(caption->text(), QStringLiteral("Recent Project"));
        QCOMPARE(caption->size(), QSize(245, 16));
        QCOMPARE(caption->geometry().top() - icon->geometry().bottom() - 1, 16);
        QVERIFY(qAbs(icon->geometry().center().x() - empty->width() / 2) <= 1);
        QVERIFY(qAbs(caption->geometry().center().x() - empty->width() / 2) <= 1);
    }

    void selectionAndHoverStates_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<QString>("deleteShown");

        QTest::newRow("nothing selected") << QStringList() << QStringList{"Normal", "Normal", "Normal"} << "000";
        QTest::newRow("select") << QStringList{"select 1"} << QStringList{"Normal", "Selected", "Normal"} << "010";
        QTest::newRow("select another") << QStringList{"select 1", "select 2"}
                                        << QStringList{"Normal", "Normal", "Selected"} << "001";
        QTest::newRow("enter") << QStringList{"enter 0"} << QStringList{"Enter", "Normal", "Normal"} << "000";
        QTest::newRow("enter, leave") << QStringList{"enter 0", "leave 0"}
                                      << QStringList{"Normal", "Normal", "Normal"} << "000";
        QTest::newRow("selected keeps its state under the mouse")
            << QStringList{"select 0", "enter 0", "leave 0"} << QStringList{"Selected", "Normal", "Normal"} << "100";
        QTest::newRow("hover beside the selection") << QStringList{"select 0", "enter 1"}
                                                    << QStringList{"Selected", "Enter", "Normal"} << "100";
        QTest::newRow("selection cleared") << QStringList{"select 2", "clear"}
                                           << QStringList{"Normal", "Normal", "Normal"} << "000";
    }
    void selectionAndHoverStates()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, states);
        QFETCH(QString, deleteShown);
        addRecent({makeProject("a"), makeProject("b"), makeProject("c")});
        FRecentProjectDialog dialog;
        // The state must reach the style: a rule per state tells them apart.
        dialog.setStyleSheet(QStringLiteral(
            "QLabel[projectListItemState=\"Normal\"] { color: #010101; }"
            "QLabel[projectListItemState=\"Enter\"] { color: #020202; }"
            "QLabel[projectListItemState=\"Selected\"] { color: #030303; }"));
        showAndLoad(dialog);
        for (const QString &step : steps) {
            const QStringList parts = step.split(' ');
            if (parts.first() == "clear") {
                dialog.listWidget()->clearSelection();
                continue;
            }
            const int row = parts.at(1).toInt();
            if (parts.first() == "select") {
                itemOf(dialog, row)->setSelected(true);
            } else {
                QEvent event(parts.first() == "enter" ? QEvent::Enter : QEvent::Leave);
                QApplication::sendEvent(rowWidget(dialog, row), &event);
            }
        }
        const QMap<QString, QColor> colors{{"Normal", QColor(1, 1, 1)}, {"Enter", QColor(2, 2, 2)},
                                           {"Selected", QColor(3, 3, 3)}};
        for (int row = 0; row < 3; ++row) {
            FRecentProjectTxtTableItem *item = rowWidget(dialog, row);
            QCOMPARE(item->state(), states.at(row));
            for (QLabel *label : {item->nameLabel(), item->timeLabel(), item->sizeLabel()}) {
                QCOMPARE(label->property("projectListItemState").toString(), states.at(row));
                QCOMPARE(label->palette().color(QPalette::WindowText), colors.value(states.at(row)));
            }
            QCOMPARE(item->deleteButton()->isVisible(), deleteShown.at(row) == '1');
        }
    }

    void deleteRemovesFromTheRecentList()
    {
        const QStringList paths{makeProject("a"), makeProject("b")};
        addRecent(paths);
        FRecentProjectDialog dialog;
        showAndLoad(dialog);
        itemOf(dialog, 1)->setSelected(true);
        QToolButton *remove = rowWidget(dialog, 1)->deleteButton();
        QVERIFY(!remove->accessibleName().isEmpty());
        QCOMPARE(remove->accessibleName(), remove->toolTip());
        remove->click();
        QTRY_COMPARE(dialog.listWidget()->count(), 1);
        QCOMPARE(KvTestProjects::recentPaths(), QStringList{paths.first()});
        QVERIFY(QFile::exists(paths.last())); // the list forgets it; the file stays

        // The last one by the keyboard; the empty view takes the list's place.
        dialog.listWidget()->setCurrentRow(0);
        QTest::keyClick(dialog.listWidget(), Qt::Key_Delete);
        QTRY_VERIFY(dialog.emptyWidget()->isVisible());
        QVERIFY(KvTestProjects::recentPaths().isEmpty());
    }

    void listFollowsTheRecentManager()
    {
        addRecent({makeProject("a")});
        FRecentProjectDialog dialog;
        showAndLoad(dialog);
        IKvProjectRecentManager::getInstance()->add(makeProject("fresh"), KvProjectType::Normal);
        QTRY_COMPARE(dialog.listWidget()->count(), 2);
        QTRY_VERIFY(rowWidget(dialog, 0));
        QCOMPARE(rowWidget(dialog, 0)->nameLabel()->text(), QStringLiteral("fresh"));
    }

    void missingProjectStays()
    {
        const QString path = makeProject("lost");
        addRecent({path});
        QFile::remove(path);
        FRecentProjectDialog dialog;
        showAndLoad(dialog);
        KvTestLog log;
        dialog.slotItemDoubleClicked(itemOf(dialog, 0));
        QCOMPARE(m_messages, QStringList{"FRecentProjectDialog_ProjectNotExist: Project does not exist: " + path});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.listWidget()->count(), 1);
        QCOMPARE(KvTestProjects::recentPaths(), QStringList{path});
        QCOMPARE(log.count("openProject "), 0);
        QVERIFY(log.errors().isEmpty());
    }

    void doubleClickOpens_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("toast");
        QTest::addColumn<QString>("how");

        QTest::newRow("opens, nothing open before") << "good" << "none" << 2 << "" << "slot";
        QTest::newRow("opens by mouse") << "good" << "none" << 2 << "" << "mouse";
        QTest::newRow("opens by Enter") << "good" << "none" << 2 << "" << "enter";
        QTest::newRow("saved project left: toast") << "good" << "saved" << 2 << "Before has been saved" << "slot";
        QTest::newRow("unsaved project left: no toast") << "good" << "modified" << 2 << "" << "slot";
        QTest::newRow("untitled project left: no toast") << "good" << "untitled" << 2 << "" << "slot";
        QTest::newRow("not a project") << "broken" << "none" << 1 << "" << "slot";
    }
    void doubleClickOpens()
    {
        QFETCH(QString, target);
        QFETCH(QString, current);
        QFETCH(int, result);
        QFETCH(QString, toast);
        QFETCH(QString, how);
        FProjectDocProxy *proxy = FProjectDocProxy::instance();
        if (current == "untitled") {
            QVERIFY(proxy->newProject(KvProjectAspectRatio_16_9));
        } else if (current != "none") {
            QVERIFY(proxy->openProject(makeProject("Before")));
            if (current == "modified")
                QVERIFY(IKvProjectManager::getInstance()->currentProject()->addMedia(m_dir + "/m.png") >= 0);
        }
        const QString path = makeProject(QStringLiteral("Target"));
        if (target == "broken")
            writeFile(path, "not a project");
        addRecent({path});

        FRecentProjectDialog dialog;
        showAndLoad(dialog);
        KvTestLog log;
        if (how == "enter") {
            dialog.listWidget()->setCurrentRow(0);
            QTest::keyClick(dialog.listWidget(), Qt::Key_Return);
        } else if (how == "mouse") {
            // Through the window, as the user's mouse: at the name on the row.
            QLabel *name = rowWidget(dialog, 0)->nameLabel();
            QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                               name->mapTo(&dialog, name->rect().center()));
        } else {
            dialog.slotItemDoubleClicked(itemOf(dialog, 0));
        }
        QCOMPARE(dialog.result(), result);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(log.count("openProject " + path), 1);
        QCOMPARE(log.count("toast: "), toast.isEmpty() ? 0 : 1);
        if (!toast.isEmpty())
            QCOMPARE(log.count("toast: " + toast), 1);
        if (result == 2) {
            QCOMPARE(log.count("Open Project success"), 1);
            QCOMPARE(proxy->currentProjectPath(), path);
            QVERIFY(log.errors().isEmpty());
        } else {
            QVERIFY(log.hasError("Open Project failed"));
            QCOMPARE(m_messages.size(), 1);
            QVERIFY(m_messages.first().startsWith("FRecentProjectDialog_OpenFailed: "));
        }
    }

    void longListMakesOnlyVisibleRows()
    {
        const QString shared = makeProject("shared", Qt::blue);
        QList<KvProjectRecentInfo> projects;
        for (int i = 0; i < 300; ++i) {
            const QString path = QDir(m_dir).filePath(QStringLiteral("p%1.kvproj").arg(i));
            QVERIFY(QFile::copy(shared, path));
            QVERIFY(QFile::copy(KvProjectSuffixHelper::thumbnailPathFor(shared),
                                KvProjectSuffixHelper::thumbnailPathFor(path)));
            projects << KvProjectRecentInfo(path, KvProjectType::Normal, QDateTime::currentDateTime());
        }
        FRecentProjectDialog dialog;
        dialog.setProjects(projects);
        QSignalSpy visibleReady(&dialog, &FRecentProjectDialog::sigVisibleThumbnailsReady);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_COMPARE(visibleReady.size(), 1);
        int made = 0;
        for (int row = 0; row < 300; ++row)
            made += rowWidget(dialog, row) ? 1 : 0;
        QVERIFY2(made > 0 && made < 20, qPrintable(QString::number(made)));
        QVERIFY(!rowWidget(dialog, 0)->thumbnail().isNull());

        // Scrolled to the end, the last rows are made, with what was read.
        dialog.listWidget()->scrollToBottom();
        QVERIFY(rowWidget(dialog, 299));
        QTRY_VERIFY(!dialog.isLoadingThumbnails());
        QCOMPARE(QColor(rowWidget(dialog, 299)->thumbnail().toImage().pixel(10, 10)), QColor(Qt::blue));
    }

    void readingARow_data()
    {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("thumbnail");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("picture");

        QTest::newRow("stored picture") << "good" << "png" << true << true;
        QTest::newRow("stored file is no PNG: drawn") << "good" << "garbage" << true << true;
        QTest::newRow("none stored: drawn") << "good" << "" << true << true;
        QTest::newRow("not a project, none stored") << "garbage" << "" << true << false;
        QTest::newRow("project gone, picture left") << "" << "png" << false << false;
    }
    void readingARow()
    {
        QFETCH(QString, project);
        QFETCH(QString, thumbnail);
        QFETCH(bool, exists);
        QFETCH(bool, picture);
        const QString path = QDir(m_dir).filePath(QStringLiteral("row.kvproj"));
        if (!project.isEmpty())
            writeFile(path, project == "good" ? KvTestProjects::kGoodProject : QByteArray("{{{"));
        const QString stored = KvProjectSuffixHelper::thumbnailPathFor(path);
        if (thumbnail == "png")
            QVERIFY(QImage(QSize(320, 180), QImage::Format_RGB32).save(stored, "PNG"));
        else if (thumbnail == "garbage")
            writeFile(stored, "not a picture");

        const FRecentProjectThumbnailLoader::Result row = FRecentProjectThumbnailLoader::read(path, QSize(100, 56));
        QCOMPARE(row.exists, exists);
        QCOMPARE(row.size, exists ? QFileInfo(path).size() : qint64(-1));
        QCOMPARE(row.thumbnail.isNull(), !picture);
        if (picture)
            QCOMPARE(row.thumbnail.size(), QSize(100, 56));
    }

    void rowsInViewAreReadFirst()
    {
        QStringList paths;
        for (int i = 0; i < 30; ++i)
            paths << makeProject(QStringLiteral("q%1").arg(i));
        FRecentProjectThumbnailLoader loader;
        QStringList order;
        connect(&loader, &FRecentProjectThumbnailLoader::sigLoaded, this,
                [&order](const FRecentProjectThumbnailLoader::Results &results) {
                    for (const FRecentProjectThumbnailLoader::Result &result : results)
                        order << result.path;
                });
        QSignalSpy idle(&loader, &FRecentProjectThumbnailLoader::sigIdle);
        loader.setQueue(paths);
        // The first batch is on its way; the rows scrolled to come next.
        const QStringList wanted = paths.mid(27);
        loader.prioritise(wanted);
        QVERIFY(idle.wait());
        QCOMPARE(order.size(), 30);
        QCOMPARE(order.mid(0, FRecentProjectThumbnailLoader::kBatchSize), paths.mid(0, FRecentProjectThumbnailLoader::kBatchSize));
        QCOMPARE(order.mid(FRecentProjectThumbnailLoader::kBatchSize, 3), wanted);
        QVERIFY(loader.isIdle());
    }

    void everyControlIsNamed()
    {
        addRecent({makeProject("a"), makeProject("b")});
        FRecentProjectDialog dialog;
        showAndLoad(dialog);
        itemOf(dialog, 0)->setSelected(true);
        const QStringList unnamed = KvAccessibilityAudit::unnamedControls(&dialog);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n')));
    }
};

QTEST_MAIN(TestFRecentProjectDialog)
#include "tst_frecentprojectdialog.moc"
