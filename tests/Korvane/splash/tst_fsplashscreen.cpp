#include "FSplashScreen.h"
#include "FStartTipLoader.h"
#include "KvConfig.h"
#include "KvLocale.h"
#include "KvPaths.h"

#include "KvTestLog.h"
#include "TestZip.h"

#include <QLabel>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Serves `body` to every request; "stall" sends the headers and half of it,
// then keeps the connection open without a word.
class TinyHttpServer : public QTcpServer
{
public:
    QByteArray body;
    bool stall = false;
    int requests = 0;

    TinyHttpServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    ++requests;
                    socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size())
                                  + "\r\nConnection: close\r\n\r\n");
                    socket->write(stall ? body.left(body.size() / 2) : body);
                    if (!stall)
                        socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString dataDir()
{
    return KvConfig::Instance()->GetKorvaneDirectory();
}

} // namespace

class TestFSplashScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FSplashScreen::setDownloadTimeout(1500);
        // Pictures told apart by colour, beside this executable; the 1x and
        // 2x runs may write them at the same time.
        const QString dir = QCoreApplication::applicationDirPath() + "/SplashResource/";
        QVERIFY(QDir().mkpath(dir));
        for (const bool large : {false, true}) {
            QImage image(QSize(600, 360) * (large ? 2 : 1), QImage::Format_ARGB32);
            image.fill(large ? Qt::blue : Qt::red);
            QSaveFile file(dir + (large ? "splash-en_2x.png" : "splash-en.png"));
            QVERIFY(file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit());
        }
    }

    // Run at device pixel ratio 1 and, through QT_SCALE_FACTOR, 2.
    void pictureMatchesThePixelRatio()
    {
        const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        FSplashScreen splash;
        QCOMPARE(splash.devicePixelRatioF(), ratio);
        splash.setProgress(50);
        const QImage shot = splash.grab().toImage();
        QCOMPARE(shot.size(), QSize(600, 360) * ratio);
        auto at = [&shot, ratio](int x, int y) { return shot.pixelColor(QPoint(x, y) * ratio); };
        QCOMPARE(at(500, 40), QColor(ratio == 1 ? Qt::red : Qt::blue));
        // The bar runs along the bottom edge, to half the width.
        QCOMPARE(at(100, 355), QColor(85, 229, 197));
        QCOMPARE(at(290, 355), QColor(85, 229, 197));
        QCOMPARE(at(310, 355), at(500, 40));
        QCOMPARE(at(100, 348), at(500, 40));
    }

    void cleanup()
    {
        KvLocale::instance()->setLanguageType(1);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QDir(dataDir()).removeRecursively();
        QFile::remove(KvPaths::userConfigDir() + "/CBSUrls.ini");
    }

    void rotation_data()
    {
        QTest::addColumn<QStringList>("tips");
        QTest::newRow("none") << QStringList();
        QTest::newRow("one tip repeats") << QStringList{"tip-A"};
        QTest::newRow("three tips, each once per cycle") << QStringList{"tip-A", "tip-B", "tip-C"};
    }

    void rotation()
    {
        QFETCH(QStringList, tips);
        writeFile(FStartTipLoader::tipFile(dataDir()), tipXml("en", tips));
        FSplashScreen splash;
        QSignalSpy ready(&splash, &FSplashScreen::sigSloganReady);
        QVERIFY(ready.wait(10000));
        auto *label = splash.findChild<QLabel *>("tipLabel");
        QVERIFY(label);

        // The first tip is shown as soon as the tips are ready.
        QStringList shown;
        for (int update = 0; update < 4 * tips.size(); ++update) {
            if (update > 0)
                splash.slotSloganUpdate();
            shown << QRegularExpression("tip-.").match(label->text()).captured();
        }
        for (int cycle = 0; cycle < 4 && !tips.isEmpty(); ++cycle) {
            QStringList oneCycle = shown.mid(cycle * tips.size(), tips.size());
            oneCycle.sort();
            QCOMPARE(oneCycle, tips);
        }
        QCOMPARE(label->text().isEmpty(), tips.isEmpty());
    }

    // The tips and their direction follow the editor's interface language,
    // whatever the system's locale says.
    void interfaceLanguage_data()
    {
        QTest::addColumn<int>("languageType");
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("alignment");

        QTest::newRow("English interface, Arabic system") << 1 << "ar_EG" << "tip-en" << "text-align:left";
        QTest::newRow("Arabic interface, English system") << 12 << "en_US" << "tip-ar" << "text-align:right";
        QTest::newRow("simplified Chinese interface, Taiwanese system") << 8 << "zh_TW" << "tip-zhcn"
                                                                          << "text-align:left";
        QTest::newRow("traditional Chinese interface") << 9 << "en_US" << "tip-zhtw" << "text-align:left";
        QTest::newRow("Brazilian interface, Portuguese system") << 23 << "pt_PT" << "tip-ptbr" << "text-align:left";
        QTest::newRow("Portuguese interface, Brazilian system") << 7 << "pt_BR" << "tip-pt" << "text-align:left";
    }

    void interfaceLanguage()
    {
        QFETCH(int, languageType);
        QFETCH(QString, systemLocale);
        QFETCH(QString, tip);
        QFETCH(QString, alignment);

        writeFile(FStartTipLoader::tipFile(dataDir()),
                  "<startTips>"
                  "<lan lan=\"en\"><Tips value=\"tip-en\"/></lan>"
                  "<lan lan=\"ar\"><Tips value=\"tip-ar\"/></lan>"
                  "<lan lan=\"zh_CN\"><Tips value=\"tip-zhcn\"/></lan>"
                  "<lan lan=\"zh_TW\"><Tips value=\"tip-zhtw\"/></lan>"
                  "<lan lan=\"pt\"><Tips value=\"tip-pt\"/></lan>"
                  "<lan lan=\"pt_BR\"><Tips value=\"tip-ptbr\"/></lan>"
                  "</startTips>");
        QLocale::setDefault(QLocale(systemLocale));
        KvLocale::instance()->setLanguageType(languageType);
        FSplashScreen splash;
        QSignalSpy ready(&splash, &FSplashScreen::sigSloganReady);
        QVERIFY(ready.wait(10000));
        const QString text = splash.findChild<QLabel *>("tipLabel")->text();
        QCOMPARE(QRegularExpression("tip-[a-z]+").match(text).captured(), tip);
        QVERIFY2(text.contains(alignment), qPrintable(text));
    }

    // A missing or unusable address is a normal state of the installation,
    // not an error of the editor.
    void unusableAddressIsNoError_data()
    {
        QTest::addColumn<QByteArray>("address");
        QTest::newRow("none configured") << QByteArray();
        QTest::newRow("not a web address") << QByteArray("ftp://example.org/tips.zip");
        QTest::newRow("not an address") << QByteArray("http://exa mple.org/%zz");
    }

    void unusableAddressIsNoError()
    {
        QFETCH(QByteArray, address);
        if (!address.isEmpty())
            writeFile(KvPaths::userConfigDir() + "/CBSUrls.ini", "[CBSUrl]\nLaunchStartupC71=" + address + "\n");

        QList<QPair<IKvBaseLog::Level, QString>> lines;
        QMutex mutex;
        GetGlobalLogInstance()->setObserver([&](IKvBaseLog::Level level, const std::string &message) {
            QMutexLocker lock(&mutex);
            lines.append({level, QString::fromStdString(message)});
        });
        {
            FSplashScreen splash;
            QSignalSpy ready(&splash, &FSplashScreen::sigSloganReady);
            QVERIFY(ready.wait(10000));
        }
        GetGlobalLogInstance()->setObserver({});

        int reported = 0;
        for (const auto &line : lines) {
            QVERIFY2(line.first != IKvBaseLog::Level::Error, qPrintable(line.second));
            if (line.second.contains("DownLoad StartTips URL err")) {
                QCOMPARE(line.first, IKvBaseLog::Level::Info);
                ++reported;
            }
        }
        QCOMPARE(reported, 1);
        QVERIFY(!QFile::exists(FStartTipLoader::packageFile(dataDir()) + ".part"));
    }

    void download_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("kept");
        QTest::newRow("complete package, used at the next start") << "serve" << true;
        QTest::newRow("not a package, dropped at the next start") << "garbage" << true;
        QTest::newRow("server stalls half-way") << "stall" << false;
        QTest::newRow("splash closed half-way") << "abandon" << false;
        QTest::newRow("no address configured") << "none" << false;
    }

    void download()
    {
        QFETCH(QString, mode);
        QFETCH(bool, kept);

        QTemporaryDir tmp;
        QVERIFY(writeTestZip(tmp.filePath("tips.zip"), {{"StartTips/startTips.xml", tipXml("en", {"downloaded"})},
                                                        {"StartTips/filler", QByteArray(200000, 'f')}},
                             true));
        QFile zip(tmp.filePath("tips.zip"));
        QVERIFY(zip.open(QIODevice::ReadOnly));
        TinyHttpServer server;
        server.body = mode == "garbage" ? QByteArray("<html>a captive portal</html>") : zip.readAll();
        server.stall = !kept;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        if (mode != "none") {
            writeFile(KvPaths::userConfigDir() + "/CBSUrls.ini",
                      "[CBSUrl]\nLaunchStartupC71=http://127.0.0.1:" + QByteArray::number(server.serverPort())
                          + "/tips.zip\n");
        }

        const QString package = FStartTipLoader::packageFile(dataDir());
        KvTestLog log;
        {
            FSplashScreen splash;
            if (kept)
                QTRY_VERIFY_WITH_TIMEOUT(log.count("downloaded for the next start") == 1, 10000);
            else if (mode == "stall")
                QTRY_VERIFY_WITH_TIMEOUT(log.count("start tip download failed") == 1, 10000);
            else if (mode == "abandon")
                QTRY_VERIFY_WITH_TIMEOUT(server.requests == 1 && QFile::exists(package + ".part"), 10000);
            else
                QTest::qWait(200);
        }
        QCOMPARE(server.requests, mode == "none" ? 0 : 1);
        QVERIFY(!QFile::exists(package + ".part"));
        QCOMPARE(QFile::exists(package), kept);
        if (!kept)
            return;

        QFile downloaded(package);
        QVERIFY(downloaded.open(QIODevice::ReadOnly));
        QCOMPARE(downloaded.readAll(), server.body);
        downloaded.close();
        QFile::remove(KvPaths::userConfigDir() + "/CBSUrls.ini");
        FSplashScreen next;
        QSignalSpy ready(&next, &FSplashScreen::sigSloganReady);
        QVERIFY(ready.wait(10000));
        QCOMPARE(next.findChild<QLabel *>("tipLabel")->text().contains("downloaded"), mode == "serve");
        QCOMPARE(log.count("not used: not a zip"), mode == "serve" ? 0 : 1);
        QVERIFY(!QFile::exists(package));
    }
};

QTEST_MAIN(TestFSplashScreen)
#include "tst_fsplashscreen.moc"
