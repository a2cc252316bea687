#include "FCommandLineMap.h"
#include "FProjectDocProxy.h"
#include "KorvaneApp.h"
#include "KvOpenProjectEvent.h"
#include "KvVelloqHelper.h"

#include <QtTest>

using ArgMap = QMap<QString, QString>;
Q_DECLARE_METATYPE(ArgMap)

namespace {
const QString kOpen = QStringLiteral("-open:");
const QString kShare = QStringLiteral("-share:");
const QString kVelloq = QStringLiteral("-velloqparam:");
const QString kLaunch = QStringLiteral("kvapplaunch://");

// A launcher argument naming a template, in the launcher's own format.
QString templateArgument()
{
    return kVelloq + QStringLiteral("tplurl=https%3A%2F%2Fexample.invalid%2Ft.zip&tplname=Summer%20Trip");
}
} // namespace

class TestKorvaneCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void map_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<ArgMap>("expected");
        QTest::newRow("no arguments") << QStringList{} << ArgMap{};
        QTest::newRow("open key with path") << QStringList{"-open:C:/p/a.kvproj"}
                                            << ArgMap{{kOpen, "-open:C:/p/a.kvproj"}};
        QTest::newRow("bare path kept unchanged") << QStringList{"/home/u/My Film.kvproj"}
                                                  << ArgMap{{kOpen, "/home/u/My Film.kvproj"}};
        QTest::newRow("trimmed, blanks ignored") << QStringList{"  ", "", " -share:abc  "}
                                                 << ArgMap{{kShare, "-share:abc"}};
        QTest::newRow("share and open in one argument")
            << QStringList{"-share:x-open:y"} << ArgMap{{kShare, "-share:x-open:y"}, {kOpen, "-share:x-open:y"}};
        QTest::newRow("open and share in two arguments")
            << QStringList{"-open:a", "-share:b"} << ArgMap{{kOpen, "-open:a"}, {kShare, "-share:b"}};
        QTest::newRow("later replaces earlier") << QStringList{"-open:a", "b"} << ArgMap{{kOpen, "b"}};
        QTest::newRow("keys are case-sensitive") << QStringList{"-OPEN:a"} << ArgMap{{kOpen, "-OPEN:a"}};
        QTest::newRow("launch address") << QStringList{"kvapplaunch://start?x=1"}
                                        << ArgMap{{kLaunch, "kvapplaunch://start?x=1"}};
    }
    void map()
    {
        QFETCH(QStringList, arguments);
        QFETCH(ArgMap, expected);
        arguments.prepend(QStringLiteral("/opt/korvane/korvane"));
        QCOMPARE(FCommandLineMap::build(arguments), expected);
    }

    void forwardCommand_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("contents");
        QTest::newRow("open key with path") << QStringList{"-open:/p/a.kvproj"} << "CMD_OPEN_PROJECT"
                                            << QStringList{"-open:/p/a.kvproj"};
        QTest::newRow("bare path") << QStringList{"/p/a.kvproj"} << "CMD_OPEN_PROJECT" << QStringList{"/p/a.kvproj"};
        QTest::newRow("share+open in one argument")
            << QStringList{"-share:s-open:/p"} << "CMD_OPEN_PROJECT" << QStringList{"-share:s-open:/p"};
        QTest::newRow("open and share in two arguments")
            << QStringList{"-share:s", "-open:/p"} << "CMD_OPEN_PROJECT" << QStringList{"-open:/p"};
        QTest::newRow("share only") << QStringList{"-share:s"} << "CMD_CLOUDDISK_SHAREINFO" << QStringList{"-share:s"};
        QTest::newRow("template map beats share")
            << QStringList{templateArgument(), "-share:s"} << "CMD_ORVALA_DOWNLOAD"
            << QStringList{"https://example.invalid/t.zip", "Summer Trip"};
        QTest::newRow("no arguments: exactly one blank") << QStringList{} << "CMD_REOPEN_APP" << QStringList{" "};
        QTest::newRow("launch address only") << QStringList{"kvapplaunch://x"} << "CMD_REOPEN_APP"
                                             << QStringList{" "};
    }
    void forwardCommand()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, command);
        QFETCH(QStringList, contents);
        arguments.prepend(QStringLiteral("korvane"));
        const ArgMap map = FCommandLineMap::build(arguments);
        KvVelloqHelper velloq;
        velloq.parseStartParams(map.value(kVelloq));
        const KorvaneApp::ForwardCommand forward = KorvaneApp::forwardCommandFor(map, velloq);
        QCOMPARE(forward.command, command);
        QCOMPARE(forward.contents, contents);
    }

    void firstInstance_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("checkUnsaved");
        QTest::addColumn<QString>("delayPath");
        QTest::addColumn<QString>("sharePath");
        QTest::addColumn<bool>("hasTemplate");
        QTest::addColumn<bool>("afterLaunch");
        QTest::newRow("nothing") << QStringList{} << true << "" << "" << false << true;
        QTest::newRow("open entry") << QStringList{"-open:/p/a.kvproj"} << false << "/p/a.kvproj" << ""
                                    << false << false;
        QTest::newRow("share keeps the check") << QStringList{"-share:s"} << true << "" << "-share:s" << false
                                               << true;
        QTest::newRow("template clears the check")
            << QStringList{templateArgument()} << false << "" << "" << true << true;
        QTest::newRow("template ignores share") << QStringList{templateArgument(), "-share:s"} << false << ""
                                                << "" << true << true;
    }
    void firstInstance()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, checkUnsaved);
        QFETCH(QString, delayPath);
        QFETCH(QString, sharePath);
        QFETCH(bool, hasTemplate);
        QFETCH(bool, afterLaunch);
        arguments.prepend(QStringLiteral("korvane"));
        FProjectDocProxy *proxy = FProjectDocProxy::instance();
        proxy->clearDelayLoadProjectInfos();
        KvOpenProjectEvent::isAfterLaunch = true;

        const ArgMap map = FCommandLineMap::build(arguments);
        KvVelloqHelper velloq;
        velloq.parseStartParams(map.value(kVelloq));
        QCOMPARE(KorvaneApp::applyStartArgs(map, velloq, proxy, true), checkUnsaved);
        QCOMPARE(proxy->delayLoadProjectPath(), delayPath);
        QCOMPARE(proxy->delayLoadShareInfoPath(), sharePath);
        QCOMPARE(!proxy->delayLoadPrjTemplateMap().isEmpty(), hasTemplate);
        QCOMPARE(KvOpenProjectEvent::isAfterLaunch, afterLaunch);
        // A flag already cleared stays cleared.
        QCOMPARE(KorvaneApp::applyStartArgs(map, velloq, proxy, false), false);
    }
};

QTEST_MAIN(TestKorvaneCommandLine)
#include "tst_korvanecommandline.moc"
