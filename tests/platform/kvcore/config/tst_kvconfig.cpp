#include "KvConfig.h"
#include "KvConfigFile.h"
#include "KvFileLock.h"
#include "KvLazySingletonManager.h"

#include "KvTestFiles.h"
#include "KvTestLog.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

#include <csignal>
#include <functional>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using Setter = std::function<void(KvConfig &)>;
using Getter = std::function<QVariant(KvConfig &)>;
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(Getter)

namespace {

// Literal bytes, embedded NULs included.
template <int N>
QByteArray rawBytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

ino_t inodeOf(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

QStringList corruptCopies(const QString &store)
{
    const QFileInfo info(store);
    return info.dir().entryList({info.fileName() + ".corrupt-*"}, QDir::Files);
}

// Run as a child: rewrites a large value as fast as it can until killed.
int runWriter(const QString &store)
{
    KvConfig config(store);
    QRandomGenerator random(quint32(::getpid()));
    for (int round = 0;; ++round) {
        const int size = 50000 + int(random.bounded(200000));
        config.SetAppValue("Stress", "blob", QString(size, QChar('a' + round % 26)));
        config.SetAppValue("Stress", "size", size);
        // No event loop here: write at the end of each round.
        config.flush();
        if (round == 0) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
}

} // namespace

class TestKvConfig : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_case = 0;
    QString freshStore() { return m_dir.filePath(QString("case%1/KvConfig.json").arg(++m_case)); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void defaultStoreLivesInUserConfigDir()
    {
        // The tests run with their own XDG_CONFIG_HOME.
        const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
        KvConfig *config = KvConfig::Instance();
        if (!configHome.isEmpty())
            QVERIFY(config->storeFile().startsWith(configHome));
        QCOMPARE(QFileInfo(config->storeFile()).fileName(), QString("KvConfig.json"));
        QCOMPARE(QFileInfo(config->GetKorvaneConfigFile()).dir(), QFileInfo(config->storeFile()).dir());
        QCOMPARE(QFileInfo(config->GetKorvaneConfigFile()).fileName(), QString("Korvane.ini"));
        QVERIFY(!config->GetKorvaneDirectory().isEmpty());
    }

    void valuesPersistAcrossRuns_data()
    {
        QTest::addColumn<Setter>("set");
        QTest::addColumn<Getter>("get");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("first start") << Setter([](KvConfig &c) { c.SetFirstStart(false); })
                                     << Getter([](KvConfig &c) { return QVariant(c.IsFirstStart()); })
                                     << QVariant(true) << QVariant(false);
        QTest::newRow("crash flag") << Setter([](KvConfig &c) { c.SetAppCrashed(true); })
                                    << Getter([](KvConfig &c) { return QVariant(c.IsAppCrashed()); })
                                    << QVariant(false) << QVariant(true);
        QTest::newRow("main form size")
            << Setter([](KvConfig &c) { c.setMainFormSizeConfig(1280, 720); })
            << Getter([](KvConfig &c) {
                   int w = -7, h = -7;
                   const bool stored = c.getMainFormSizeConfig(w, h);
                   return QVariant(QString("%1 %2x%3").arg(stored).arg(w).arg(h));
               })
            << QVariant("0 -7x-7") << QVariant("1 1280x720");
        QTest::newRow("zero size is a size")
            << Setter([](KvConfig &c) { c.setMainFormSizeConfig(0, 0); })
            << Getter([](KvConfig &c) {
                   int w = -7, h = -7;
                   return QVariant(c.getMainFormSizeConfig(w, h) && w == 0 && h == 0);
               })
            << QVariant(false) << QVariant(true);
        QTest::newRow("default true, set false")
            << Setter([](KvConfig &c) { c.setMediaDeleteConfirm(false); })
            << Getter([](KvConfig &c) { return QVariant(c.isMediaDeleteConfirm()); }) << QVariant(true) << QVariant(false);
        QTest::newRow("creative update time beyond 32 bits")
            << Setter([](KvConfig &c) { c.SetCreativeUpdateTime(qint64(1) << 40); })
            << Getter([](KvConfig &c) { return QVariant(c.GetCreativeUpdateTime()); })
            << QVariant(qint64(0)) << QVariant(qint64(1) << 40);
        QTest::newRow("survey date") << Setter([](KvConfig &c) { c.SetNPSShowDate(QDate(2024, 2, 29)); })
                                     << Getter([](KvConfig &c) { return QVariant(c.GetNPSShowDate()); })
                                     << QVariant(QDate()) << QVariant(QDate(2024, 2, 29));
        QTest::newRow("survey timing") << Setter([](KvConfig &c) { c.SetNpsTimingTime(1500); })
                                       << Getter([](KvConfig &c) { return QVariant(c.GetNpsTimingTime()); })
                                       << QVariant(qint64(600000)) << QVariant(qint64(1500));
        const QDateTime local(QDate(2023, 7, 1), QTime(23, 30, 15, 250), Qt::OffsetFromUTC, 2 * 3600);
        QTest::newRow("first used time keeps the instant")
            << Setter([local](KvConfig &c) { c.SetKorvaneFirstUsedDateTime(local); })
            << Getter([](KvConfig &c) { return QVariant(c.GetKorvaneFirstUsedDateTime().toMSecsSinceEpoch()); })
            << QVariant() << QVariant(local.toMSecsSinceEpoch());
        QTest::newRow("algorithm types are separate")
            << Setter([](KvConfig &c) { c.setAlgorithmEnabled(1, true); c.setAlgorithmEnabled(2, true); c.setAlgorithmEnabled(1, false); })
            << Getter([](KvConfig &c) {
                   return QVariant(QString("%1%2%3").arg(c.isAlgorithmEnabled(1)).arg(c.isAlgorithmEnabled(2)).arg(c.isAlgorithmEnabled(4)));
               })
            << QVariant("000") << QVariant("010");
        QTest::newRow("generic text in a registry-like group")
            << Setter([](KvConfig &c) { c.SetAppValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessaracorp", "APP_VERSION", "11.8.1.1523", false); })
            << Getter([](KvConfig &c) { return c.GetAppValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessaracorp", "APP_VERSION", false, "none"); })
            << QVariant("none") << QVariant("11.8.1.1523");
        QTest::newRow("generic value takes the default's type")
            << Setter([](KvConfig &c) { c.SetAppValue("Orvala", "NewPageUrl", true); })
            << Getter([](KvConfig &c) { return c.GetAppValue("Orvala", "NewPageUrl", false, QString("no")); })
            << QVariant("no") << QVariant("true");
        QTest::newRow("generic list and map")
            << Setter([](KvConfig &c) { c.SetAppValue("G", "k", QVariantMap{{"a", QVariantList{1, "x"}}}); })
            << Getter([](KvConfig &c) { return QVariant(QJsonDocument::fromVariant(c.GetAppValue("G", "k")).toJson(QJsonDocument::Compact)); })
            << QVariant(QByteArray()) << QVariant(QByteArray(R"({"a":[1,"x"]})"));
        QTest::newRow("bytes survive as bytes")
            << Setter([](KvConfig &c) { c.SetAppValue("AutoLoginToken", "Token", QByteArray("\x00\xff\x80 t", 5)); })
            << Getter([](KvConfig &c) { return c.GetAppValue("AutoLoginToken", "Token", false, QByteArray()); })
            << QVariant(QByteArray()) << QVariant(QByteArray("\x00\xff\x80 t", 5));
        QTest::newRow("machine scope is apart from the user's")
            << Setter([](KvConfig &c) { c.SetAppValue("G", "k", 1, true); c.SetAppValue("G", "k", 2, false); })
            << Getter([](KvConfig &c) { return QVariant(c.GetAppValue("G", "k", true, 0).toInt() * 10 + c.GetAppValue("G", "k", false, 0).toInt()); })
            << QVariant(0) << QVariant(12);
        QTest::newRow("invalid value removes the key")
            << Setter([](KvConfig &c) { c.SetAppValue("G", "k", 5); c.SetAppValue("G", "k", QVariant()); })
            << Getter([](KvConfig &c) { return c.GetAppValue("G", "k", false, -1); })
            << QVariant(-1) << QVariant(-1);
        QTest::newRow("named setting through the generic interface")
            << Setter([](KvConfig &c) { c.SetFirstStart(false); })
            << Getter([](KvConfig &c) { return c.GetAppValue(KvConfigSettings::Group, "FirstStart", false, true); })
            << QVariant(true) << QVariant(false);
    }
    void valuesPersistAcrossRuns()
    {
        QFETCH(Setter, set);
        QFETCH(Getter, get);
        QFETCH(QVariant, defaultValue);
        QFETCH(QVariant, expected);
        KvTestLog log;
        const QString store = freshStore();
        {
            KvConfig config(store);
            if (defaultValue.isValid())
                QCOMPARE(get(config), defaultValue);
            set(config);
            QCOMPARE(get(config), expected);
        }
        KvConfig nextRun(store);
        QCOMPARE(get(nextRun), expected);
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    void firstUsedTimeIsStampedOnFirstRead()
    {
        const QString store = freshStore();
        const QDateTime before = QDateTime::currentDateTimeUtc();
        QDateTime first;
        {
            KvConfig config(store);
            first = config.GetKorvaneFirstUsedDateTime();
        }
        QVERIFY(first >= before.addMSecs(-1) && first <= QDateTime::currentDateTimeUtc());
        KvConfig nextRun(store);
        QCOMPARE(nextRun.GetKorvaneFirstUsedDateTime(), first);
    }

    void corruptFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray valid = QJsonDocument(QJsonObject{{"format", 1}, {"user", QJsonObject{{"Korvane", QJsonObject{{"FirstStart", false}, {"AppCrashed", true}}}}}}).toJson();
        QTest::newRow("garbage") << rawBytes("\x00\xff\xfe garbage \x01\x02");
        QTest::newRow("truncated") << valid.left(valid.size() / 2);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("array at the top") << QByteArray("[1, 2, 3]");
        QTest::newRow("no format") << QByteArray(R"({"user": {}})");
        QTest::newRow("scope not an object") << QByteArray(R"({"format": 1, "user": [true]})");
        QTest::newRow("group not an object") << QByteArray(R"({"format": 1, "machine": {"Korvane": 5}})");
    }
    void corruptFile()
    {
        QFETCH(QByteArray, bytes);
        const QString store = freshStore();
        writeAll(store, bytes);

        KvTestLog log;
        KvConfig config(store);
        QCOMPARE(log.errors().size(), 1);
        QVERIFY(log.errors().first().contains(store));
        QCOMPARE(config.IsFirstStart(), true);
        QCOMPARE(config.IsAppCrashed(), false);
        // Reading alone touches nothing.
        QCOMPARE(readAll(store), bytes);
        QVERIFY(corruptCopies(store).isEmpty());

        config.SetAppCrashed(true);
        const QStringList copies = corruptCopies(store);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(readAll(QFileInfo(store).dir().filePath(copies.first())), bytes);
        QCOMPARE(log.errors().size(), 1);

        KvConfig nextRun(store);
        QCOMPARE(nextRun.IsAppCrashed(), true);
        QCOMPARE(log.errors().size(), 1);
    }

    void leftoverLockFile_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("expectedErrors");
        QTest::newRow("zero length") << "empty" << 0;
        QTest::newRow("garbage") << "garbage" << 0;
        QTest::newRow("holder died") << "died" << 0;
        // A live holder that never lets go delays the write, never loses it.
        QTest::newRow("held by a live holder") << "held" << 1;
    }
    void leftoverLockFile()
    {
        QFETCH(QString, state);
        QFETCH(int, expectedErrors);
        const QString store = freshStore();
        const QString lockPath = store + ".lock";
        QDir().mkpath(QFileInfo(store).absolutePath());
        KvFileLock liveHolder(lockPath);
        if (state == "empty") {
            writeAll(lockPath, QByteArray());
        } else if (state == "garbage") {
            writeAll(lockPath, rawBytes("\xde\xad 12345 not a pid\n"));
        } else if (state == "died") {
            const QByteArray native = QFile::encodeName(lockPath);
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                const int fd = ::open(native.constData(), O_RDWR | O_CREAT, 0600);
                if (fd < 0 || ::flock(fd, LOCK_EX) != 0 || ::write(fd, "999999\n", 7) != 7)
                    ::_exit(1);
                ::_exit(0); // dies holding the lock
            }
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        } else {
            QVERIFY(liveHolder.tryLock());
        }

        KvTestLog log;
        {
            KvConfig config(store);
            config.SetUpdataDriverShowed(true);
        }
        QCOMPARE(log.errors().size(), expectedErrors);
        KvConfig nextRun(store);
        QCOMPARE(nextRun.IsUpdataDriverShowed(), true);
    }

    void unchangedValueIsNotRewritten()
    {
        const QString store = freshStore();
        KvConfig config(store);
        config.SetAppValue("G", "k", "v");
        config.setMainFormSizeConfig(800, 600);
        QVERIFY(config.flush());
        const ino_t written = inodeOf(store);
        QVERIFY(written != 0);

        config.SetAppValue("G", "k", "v");
        config.setMainFormSizeConfig(800, 600);
        config.SetAppValue("G", "absent", QVariant());
        QVERIFY(config.flush());
        QCOMPARE(inodeOf(store), written);

        // The same holds when only the file, not this process, has the value.
        KvConfig other(store);
        other.SetAppValue("G", "k", "w");
        QVERIFY(other.flush());
        const ino_t rewritten = inodeOf(store);
        QVERIFY(rewritten != written);
        config.SetAppValue("G", "k", "w");
        QVERIFY(config.flush());
        QCOMPARE(inodeOf(store), rewritten);
        QCOMPARE(config.diskWriteCount(), 1);
        QCOMPARE(config.GetAppValue("G", "k").toString(), QString("w"));
    }

    // Two processes with their own cache each keep what the other wrote.
    void writersDoNotLoseEachOthersValues()
    {
        const QString store = freshStore();
        KvConfig first(store);
        KvConfig second(store);
        first.SetFirstStart(false);
        first.flush();
        second.SetAppCrashed(true); // written at once
        first.SetAppValue("G", "k", 1);
        first.flush();
        QCOMPARE(second.IsFirstStart(), false);

        KvConfig nextRun(store);
        QCOMPARE(nextRun.IsFirstStart(), false);
        QCOMPARE(nextRun.IsAppCrashed(), true);
        QCOMPARE(nextRun.GetAppValue("G", "k").toInt(), 1);
    }

    void concurrentSettersFromThreads()
    {
        const QString store = freshStore();
        KvConfig config(store);
        QVector<int> keys(64);
        std::iota(keys.begin(), keys.end(), 0);
        std::atomic<int> misread{0};
        QtConcurrent::blockingMap(keys, [&config, &misread](int key) {
            config.SetAppValue("Threads", QString::number(key), key * 3);
            if (config.GetAppValue("Threads", QString::number(key)).toInt() != key * 3)
                ++misread;
        });
        QCOMPARE(misread.load(), 0);
        // The turn ends: one write for all of them.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(config.diskWriteCount(), 1);
        KvConfig nextRun(store);
        for (int key : keys)
            QCOMPARE(nextRun.GetAppValue("Threads", QString::number(key), false, -1).toInt(), key * 3);
    }

    // Values set in one turn of the event loop reach the disk in one write at
    // the end of that turn; reads see them before. The crash flag goes out
    // at once.
    void writesAreCoalesced_data()
    {
        QTest::addColumn<Setter>("set");
        QTest::addColumn<int>("writesAtOnce");
        QTest::addColumn<int>("writesAfterTheTurn");
        QTest::addColumn<QStringList>("onDisk"); // "group/key=value"

        QTest::newRow("many values") << Setter([](KvConfig &c) {
            for (int i = 0; i < 40; ++i)
                c.SetAppValue("Many", QString::number(i), i);
            c.setMainFormSizeConfig(1024, 768);
            c.SetFirstStart(false);
        }) << 0 << 1 << QStringList{"Many/0=0", "Many/39=39", "Korvane/FirstStart=false"};
        QTest::newRow("a value set and taken back") << Setter([](KvConfig &c) {
            c.SetAppValue("G", "k", 1);
            c.SetAppValue("G", "k", QVariant());
        }) << 0 << 0 << QStringList{};
        QTest::newRow("the same value again") << Setter([](KvConfig &c) {
            c.SetAppValue("G", "k", 7);
            c.SetAppValue("G", "k", 7);
        }) << 0 << 1 << QStringList{"G/k=7"};
        QTest::newRow("crash flag first") << Setter([](KvConfig &c) {
            c.SetAppValue("G", "k", 1);
            c.SetAppCrashed(true);
            c.SetAppValue("G", "k", 2);
        }) << 1 << 2 << QStringList{"Korvane/AppCrashed=true", "G/k=2"};
        QTest::newRow("crash flag cleared") << Setter([](KvConfig &c) { c.SetAppCrashed(false); c.SetTipShowed(true); })
                                            << 0 << 1 << QStringList{"Korvane/TipShowed=true"};
    }
    void writesAreCoalesced()
    {
        QFETCH(Setter, set);
        QFETCH(int, writesAtOnce);
        QFETCH(int, writesAfterTheTurn);
        QFETCH(QStringList, onDisk);
        KvTestLog log;
        const QString store = freshStore();
        KvConfig config(store);
        set(config);
        QCOMPARE(config.diskWriteCount(), writesAtOnce);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(config.diskWriteCount(), writesAfterTheTurn);

        const KvConfigFile::Content content = KvConfigFile::read(store);
        for (const QString &entry : onDisk) {
            const QString group = entry.section('/', 0, 0);
            const QString key = entry.section('/', 1).section('=', 0, 0);
            const QString expected = entry.section('=', 1);
            const QJsonValue value = content.root.value("user").toObject().value(group).toObject().value(key);
            QCOMPARE(value.toVariant().toString(), expected);
            QCOMPARE(config.GetAppValue(group, key).toString(), expected);
        }
        QCOMPARE(config.diskWriteCount(), writesAfterTheTurn);
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    // Values still waiting for the end of the turn are written when the
    // store is released at shutdown.
    void releaseWritesWhatWaits()
    {
        KvConfig *config = KvConfig::Instance();
        const QString store = config->storeFile();
        config->SetAppValue("Release", "pending", "yes");
        config->SetGuideShowed(true);
        KvLazySingletonManager::releaseAll();
        KvConfig nextRun(store);
        QCOMPARE(nextRun.GetAppValue("Release", "pending").toString(), QString("yes"));
        QCOMPARE(nextRun.IsGuideShowed(), true);
        // A flush posted for the released store finds nothing to do.
        QCoreApplication::sendPostedEvents();
    }

    // An editor told to end by SIGTERM quits its event loop in order; what
    // it set just before is on disk afterwards.
    void valuesSurviveSigterm()
    {
        const QString store = freshStore();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--config-sigterm", store});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(20000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));
        QCOMPARE(::kill(pid_t(child.processId()), SIGTERM), 0);
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        KvConfig nextRun(store);
        QCOMPARE(nextRun.GetAppValue("Sigterm", "set").toInt(), 20);
        QCOMPARE(nextRun.IsAppCrashed(), false);
        QCOMPARE(nextRun.IsFirstStart(), false);
    }

    void killedWriterNeverLeavesATruncatedFile()
    {
        const QString store = freshStore();
        QRandomGenerator random(42);
        for (int round = 0; round < 12; ++round) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(), {"--config-writer", store});
            QVERIFY(writer.waitForStarted());
            QVERIFY(writer.waitForReadyRead(20000));
            QThread::msleep(random.bounded(5, 80));
            writer.kill();
            QVERIFY(writer.waitForFinished());

            const KvConfigFile::Content content = KvConfigFile::read(store);
            QCOMPARE(int(content.status), int(KvConfigFile::Status::Ok));
            KvTestLog log;
            KvConfig config(store);
            QVERIFY(log.errors().isEmpty());
            // Whole values only: the blob is one of the written ones.
            const QString blob = config.GetAppValue("Stress", "blob").toString();
            QVERIFY(blob.size() >= 50000);
            QCOMPARE(blob.count(blob.at(0)), blob.size());
        }
    }

    void webAddresses_data()
    {
        QTest::addColumn<QByteArray>("userIni");
        QTest::addColumn<QByteArray>("shippedIni");
        QTest::addColumn<QString>("pageKey");
        QTest::addColumn<QString>("expected");

        const QByteArray shipped = "[CBSUrl]\nSupportPage=https://shipped.example/support\n"
                                   "UserVideoLabelApi=https://api.example/label\n";
        QTest::newRow("no file") << QByteArray() << QByteArray() << "SupportPage" << "";
        QTest::newRow("shipped only") << QByteArray() << shipped << "SupportPage" << "https://shipped.example/support";
        QTest::newRow("unknown key") << QByteArray() << shipped << "UpdateDriver" << "";
        QTest::newRow("empty key") << QByteArray() << shipped << "" << "";
        QTest::newRow("user overrides")
            << QByteArray("[CBSUrl]\nSupportPage=https://mine.example/s\n") << shipped << "SupportPage" << "https://mine.example/s";
        QTest::newRow("user may blank a page out")
            << QByteArray("[CBSUrl]\nSupportPage=\n") << shipped << "SupportPage" << "";
        QTest::newRow("falls back per key")
            << QByteArray("[CBSUrl]\nOther=https://x\n") << shipped << "SupportPage" << "https://shipped.example/support";
        QTest::newRow("other section ignored")
            << QByteArray("[Elsewhere]\nSupportPage=https://wrong\n") << QByteArray() << "SupportPage" << "";
        QTest::newRow("query and percent escapes kept")
            << QByteArray("[CBSUrl]\nP=https://h.example/a%20b?x=1&y=%2F\n") << QByteArray() << "P" << "https://h.example/a%20b?x=1&y=%2F";
        QTest::newRow("unquoted comma") << QByteArray("[CBSUrl]\nP=https://h/?a=1,2\n") << QByteArray() << "P" << "https://h/?a=1,2";
        QTest::newRow("quoted semicolon") << QByteArray("[CBSUrl]\nP=\"https://h/;x\"\n") << QByteArray() << "P" << "https://h/;x";
        QTest::newRow("video label address") << QByteArray() << shipped << "UserVideoLabelApi" << "https://api.example/label";
    }
    void webAddresses()
    {
        QFETCH(QByteArray, userIni);
        QFETCH(QByteArray, shippedIni);
        QFETCH(QString, pageKey);
        QFETCH(QString, expected);
        const QString store = freshStore();
        const QString applicationDir = QFileInfo(store).dir().filePath("install");
        if (!userIni.isNull())
            writeAll(QFileInfo(store).dir().filePath("CBSUrls.ini"), userIni);
        if (!shippedIni.isNull())
            writeAll(applicationDir + "/configs/CBSUrls.ini", shippedIni);

        KvConfig config(store, applicationDir);
        QCOMPARE(config.GetCBSUrl(pageKey), expected);
        if (pageKey == "UserVideoLabelApi")
            QCOMPARE(config.GetUserVideoLabelApiUrl(), expected);
    }
};

// Run as a child: handles SIGTERM by quitting its event loop, sets values in
// one turn and waits in that same turn for the signal, so they are still
// waiting to be written when it comes.
int runSigtermChild(const QString &store)
{
    static int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return 3;
    struct sigaction action = {};
    action.sa_handler = [](int) {
        const char byte = 1;
        (void)!::write(pipeFds[1], &byte, 1);
    };
    ::sigaction(SIGTERM, &action, nullptr);
    QSocketNotifier notifier(pipeFds[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, QCoreApplication::instance(), &QCoreApplication::quit);

    KvConfig config(store);
    QTimer::singleShot(0, [&config] {
        for (int i = 1; i <= 20; ++i)
            config.SetAppValue("Sigterm", "set", i);
        config.SetFirstStart(false);
        config.SetAppCrashed(false);
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        // Still in this turn when the signal comes.
        pollfd wait = {pipeFds[0], POLLIN, 0};
        ::poll(&wait, 1, 20000);
    });
    return QCoreApplication::exec();
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--config-sigterm") == 0) {
        QCoreApplication app(argc, argv);
        return runSigtermChild(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 3 && qstrcmp(argv[1], "--config-writer") == 0) {
        QCoreApplication app(argc, argv);
        return runWriter(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    TestKvConfig test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_kvconfig.moc"
