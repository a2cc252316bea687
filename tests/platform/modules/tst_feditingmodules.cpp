#include "FMediaLibraryView.h"
#include "FTimelineModuleWidget.h"
#include "IKvProjectManager.h"
#include "KvMediaLibraryGoToMsg.h"
#include "KvTestLog.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

IKvProjectManager *manager()
{
    return IKvProjectManager::getInstance();
}

// Media named as given, below a folder whose name would match searches
// for "clip" if the folder counted.
KvProjectData projectOf(const QStringList &names, const QVector<KvTimelineClip> &clips = {})
{
    KvProjectData data;
    for (const QString &name : names)
        data.mediaPaths << QStringLiteral("/media/clips/") + name;
    data.clips = clips;
    return data;
}

KvProjectData largeProject(int count)
{
    KvProjectData data;
    data.mediaPaths.reserve(count);
    data.clips.reserve(count);
    for (int i = 0; i < count; ++i) {
        data.mediaPaths << QStringLiteral("/media/take%1.mp4").arg(i, 5, 10, QLatin1Char('0'));
        // Backwards in time, so the timeline has to sort them.
        data.clips << KvTimelineClip{i, i % 3, qint64(count - i) * 1000, 0, 1000};
    }
    return data;
}

QListView *listOf(QWidget &module, const char *name)
{
    return module.findChild<QListView *>(QLatin1String(name));
}

} // namespace

class TestFEditingModules : public QObject
{
    Q_OBJECT

private slots:
    void init() { manager()->closeProject(); }
    void cleanupTestCase() { IKvProjectManager::releaseInstance(); }

    // A project of any size fills each module in one model reset: no row is
    // inserted one at a time, and rows share one size so the view never
    // measures them all.
    void largeProjectFillsInOneReset()
    {
        constexpr int kCount = 20000;
        FMediaLibraryView library;
        FTimelineModuleWidget timeline;
        QListView *media = listOf(library, "FMediaLibraryView_List");
        QListView *clips = listOf(timeline, "FTimelineModuleWidget_Clips");
        QVERIFY(media && clips);
        QVERIFY(media->uniformItemSizes());
        QVERIFY(clips->uniformItemSizes());
        QSignalSpy mediaResets(media->model(), &QAbstractItemModel::modelReset);
        QSignalSpy mediaInserts(media->model(), &QAbstractItemModel::rowsInserted);
        QSignalSpy clipResets(clips->model(), &QAbstractItemModel::modelReset);
        QSignalSpy clipInserts(clips->model(), &QAbstractItemModel::rowsInserted);

        manager()->createProject(largeProject(kCount));
        library.refresh();
        timeline.refresh();
        QCOMPARE(mediaResets.count(), 1);
        QCOMPARE(clipResets.count(), 1);
        QCOMPARE(mediaInserts.count(), 0);
        QCOMPARE(clipInserts.count(), 0);
        QCOMPARE(media->model()->rowCount(), kCount);
        QCOMPARE(clips->model()->rowCount(), kCount);

        // Rows hold the right data at both ends.
        QCOMPARE(library.visibleItemIds().size(), kCount);
        QCOMPARE(library.visibleItemIds().last(), kCount - 1);
        const QStringList texts = timeline.clipTexts();
        QCOMPARE(texts.size(), kCount);
        QCOMPARE(texts.first(), QStringLiteral("Track 1: take19998.mp4  0:02 - 0:03"));
        QCOMPARE(texts.last(), QStringLiteral("Track 3: take00002.mp4  5:33:18 - 5:33:19"));
    }

    // The search filters by file name only, ignoring case and surrounding
    // blanks; the ids stay the media's project indices.
    void searchFilter_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QList<int>>("visible");
        const QList<int> all{0, 1, 2, 3};
        QTest::newRow("empty") << "" << all;
        QTest::newRow("blanks only") << "   " << all;
        QTest::newRow("case ignored") << "BEACH" << QList<int>{1, 3};
        QTest::newRow("trimmed") << "  night " << QList<int>{3};
        QTest::newRow("folder does not count") << "clips" << QList<int>{};
        QTest::newRow("suffix") << ".wav" << QList<int>{2};
        QTest::newRow("no match") << "zebra" << QList<int>{};
    }

    void searchFilter()
    {
        QFETCH(QString, word);
        QFETCH(QList<int>, visible);
        manager()->createProject(projectOf({"City.mp4", "beach.mp4", "voice.wav", "Beach-Night.mov"}));
        FMediaLibraryView library;
        library.findChild<QLineEdit *>("FMediaLibraryView_Search")->setText(word);
        QCOMPARE(library.visibleItemIds(), visible);
    }

    // Going to an item selects it and brings it into view, however far down
    // it is; a selection outlives a refresh and a search that keeps it.
    void goToAndSelection_data()
    {
        QTest::addColumn<int>("itemId");
        QTest::addColumn<QString>("searchWord");
        QTest::addColumn<bool>("found");
        QTest::newRow("last of many") << 9999 << "" << true;
        QTest::newRow("first") << 0 << "" << true;
        QTest::newRow("found by its search") << 4321 << "take04321" << true;
        QTest::newRow("prefix search keeps it") << 4321 << "take0432 " << true;
        QTest::newRow("filtered out") << 4321 << "take05" << false;
        QTest::newRow("beyond the media") << 10000 << "" << false;
    }

    void goToAndSelection()
    {
        QFETCH(int, itemId);
        QFETCH(QString, searchWord);
        QFETCH(bool, found);
        manager()->createProject(largeProject(10000));
        FMediaLibraryView library;
        library.resize(300, 400);
        library.show();
        QVERIFY(QTest::qWaitForWindowExposed(&library));

        KvTestLog log;
        KvMediaLibraryGoToMsg message(6, itemId, searchWord);
        QVERIFY(library.dispatchMessage(&message));
        QCOMPARE(message.answer().toBool(), found);
        QCOMPARE(library.selectedItemId(), found ? itemId : -1);
        // A missing item is the user's situation, not a fault of the editor.
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
        if (!found)
            return;
        QListView *list = listOf(library, "FMediaLibraryView_List");
        const QRect shown = list->visualRect(list->currentIndex());
        QVERIFY(list->viewport()->rect().intersects(shown));

        library.refresh();
        QCOMPARE(library.selectedItemId(), itemId);
        library.findChild<QLineEdit *>("FMediaLibraryView_Search")->clear();
        QCOMPARE(library.selectedItemId(), itemId);
    }

    // Ordered by track, then by start; equal starts keep the project's order.
    void timelineOrder()
    {
        manager()->createProject(projectOf({"a.mp4", "b.mp4", "c.mp4"},
                                           {{0, 1, 5000, 0, 1000},
                                            {1, 0, 3000, 0, 1000},
                                            {2, 0, 3000, 500, 3700},
                                            {0, 0, 0, 0, 61000}}));
        FTimelineModuleWidget timeline;
        QCOMPARE(timeline.clipTexts(),
                 QStringList({"Track 1: a.mp4  0:00 - 1:01", "Track 1: b.mp4  0:03 - 0:04",
                              "Track 1: c.mp4  0:03 - 0:06", "Track 2: a.mp4  0:05 - 0:06"}));
        manager()->closeProject();
        timeline.refresh();
        QVERIFY(timeline.clipTexts().isEmpty());
    }
};

QTEST_MAIN(TestFEditingModules)
#include "tst_feditingmodules.moc"
