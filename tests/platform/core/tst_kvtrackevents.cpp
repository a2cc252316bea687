#include "KvTrackEvents.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// The order and completeness of the table are checked when it compiles; what
// is left is what the tracker's reports depend on: one distinct, stable name
// per event, and each event class sending the name of its row.
class TestKvTrackEvents : public QObject
{
    Q_OBJECT

private slots:
    void namesAreDistinctWireNames()
    {
        QSet<QString> seen;
        // Words joined by underscores; a few names keep capitals (an acronym).
        const QRegularExpression wireName(QStringLiteral("^[A-Za-z]+(_[A-Za-z]+)*$"));
        for (int i = 0; i < int(KvTrackEventKind::Count); ++i) {
            const QString name = KvTrackEvents::nameOf(KvTrackEventKind(i));
            QVERIFY2(wireName.match(name).hasMatch(), qPrintable(name));
            QVERIFY2(!seen.contains(name), qPrintable(name));
            seen.insert(name);
        }
        QVERIFY(KvTrackEvents::nameOf(KvTrackEventKind::Count).isEmpty());
        QVERIFY(KvTrackEvents::nameOf(KvTrackEventKind(-1)).isEmpty());
    }

    // The names are the tracker's keys: they must not change with the code.
    void eventsCarryTheirRow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("launch") << FAppLaunchEvent().name() << "app_launch";
        QTest::newRow("quit") << FAppQuitEvent().name() << "app_quit";
        QTest::newRow("crash") << FAppCrashEvent().name() << "app_crash";
        QTest::newRow("bug report") << FBugSplatEvent().name() << "bugsplat_report";
        QTest::newRow("public info") << FPublicInfoEvent().name() << "public_info";
        QTest::newRow("user info") << FUserInfoEvent("u1").name() << "user_info";
        QTest::newRow("popup") << FEmbedWindowPopupEvent("Helper").name() << "embed_window_popup";
        QTest::newRow("template page button") << FTemplateTimeLinePageButtonClickEvent().name()
                                              << "template_timeline_page_button_click";
    }

    void eventsCarryTheirRow()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(name, expected);
    }

    // A section that never ran is -1, whatever negative time it reports.
    void launchTimings()
    {
        FAppLaunchEvent launch;
        launch.setTiming(QStringLiteral("StartUp_Total"), 1234);
        launch.setTiming(QStringLiteral("StartUp_Never"), -7);
        QCOMPARE(launch.fields().value(QStringLiteral("StartUp_Total")).toLongLong(), 1234);
        QCOMPARE(launch.fields().value(QStringLiteral("StartUp_Never")).toLongLong(), -1);
    }
};

QTEST_GUILESS_MAIN(TestKvTrackEvents)
#include "tst_kvtrackevents.moc"
