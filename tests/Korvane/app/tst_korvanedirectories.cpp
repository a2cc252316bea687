#include "IKvAppInfo.h"
#include "IKvRegistryInfo.h"
#include "KorvaneApp.h"
#include "KorvaneDirectories.h"
#include "KvAppInfoId.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestKorvaneDirectories : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        KorvaneDirectories::publish(m_root.filePath("install"), m_root.filePath("data"), m_root.filePath("docs"));
    }

    void values_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("created");
        QTest::newRow("14 resources") << 14 << "install/resources" << false;
        QTest::newRow("16 backup") << 16 << "docs/Backup" << false;
        QTest::newRow("20 default effects") << 20 << "data/Default Effects" << false;
        QTest::newRow("24 downloaded") << 24 << "docs/Download/Downloaded" << false;
        QTest::newRow("27 warning clip") << 27 << "install/resources/common/warning_clip.mp4" << false;
        QTest::newRow("65 configuration") << 65 << "data/configs" << false;
        QTest::newRow("34 render, created") << 34 << "docs/Render" << true;
        QTest::newRow("36 animation thumbnails") << 36 << "data/AnimationThumbnail" << false;
        QTest::newRow("37 under configuration") << 37 << "data/configs/ColorAnd3dLutPreset" << false;
        QTest::newRow("49 GPU config, created") << 49 << "docs/GPUConfig" << true;
        QTest::newRow("48 media proxy, created") << 48 << "docs/MediaProxy" << true;
        QTest::newRow("50 nested user media") << 50 << "docs/User Media/Silence Detection" << false;
        QTest::newRow("51 OpenFX images, created") << 51 << "data/Plugins/Download/OpenFXImages" << true;
        QTest::newRow("52 OpenFX downloads, created") << 52 << "data/Plugins/Download/OpenFXDownload" << true;
        QTest::newRow("62 leading slash") << 62 << "data/cache.db" << false;
    }
    void values()
    {
        QFETCH(int, id);
        QFETCH(QString, path);
        QFETCH(bool, created);
        QCOMPARE(IKvAppInfo::getInstance()->getString(id), m_root.filePath(path));
        QCOMPARE(QFileInfo(m_root.filePath(path)).isDir(), created);
    }

    void registryNames()
    {
        KorvaneDirectories::registerValueNames();
        IKvRegistryInfo *registry = IKvRegistryInfo::getInstance();
        QCOMPARE(IKvAppInfo::getInstance()->getString(KvAppInfoId::RegistryPath),
                 QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Tessaracorp\\Tessaracorp Korvane"));
        QCOMPARE(registry->valueName(2), QStringLiteral("Silence Detection OutputPath"));
        QCOMPARE(registry->valueName(14), QStringLiteral("CreatorHubVisitInfo"));
        QVERIFY(registry->valueName(7).isEmpty());
        QVERIFY(registry->setValue(5, "2026-12-06"));
        QCOMPARE(registry->getValue(5).toString(), QStringLiteral("2026-12-06"));
        QVERIFY(!registry->setValue(7, "unnamed"));
    }

    // Each of the fifteen positions of the record handed to the environment
    // manager: an application-information value (by id), the program data
    // folder, or the effect folders joined. Every value gets a marker of its
    // own, so a value in the wrong place cannot pass.
    void environmentRecord_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        const QStringList expected = {"id8", "id8", "id14", "programdata", "id15", "id16", "id17", "id19",
                                      "id20;id24;id25", "id21", "id27", "id11", "id63", "id64", "id8"};
        for (int position = 0; position < expected.size(); ++position)
            QTest::addRow("%d: %s", position, qPrintable(expected[position])) << position << expected[position];
    }
    void environmentRecord()
    {
        QFETCH(int, position);
        QFETCH(QString, expected);
        IKvAppInfo *info = IKvAppInfo::getInstance();
        const QList<int> ids = {8, 11, 14, 15, 16, 17, 19, 20, 21, 24, 25, 27, 63, 64};
        QHash<int, QVariant> saved;
        for (int id : ids) {
            saved[id] = info->getValue(id);
            info->setValue(id, QStringLiteral("id%1").arg(id));
        }
        const QStringList values = KorvaneDirectories::environmentValues("programdata");
        for (int id : ids)
            info->setValue(id, saved[id]);
        QCOMPARE(values.size(), 15);
        QCOMPARE(values.at(position), expected);
    }

    // The installation's configuration is copied once; later changes to it
    // never reach a configuration folder that exists.
    void configurationCopiedOnce()
    {
        QTemporaryDir dir;
        const QString shipped = dir.filePath("install");
        QDir().mkpath(shipped + "/configs/TextStyle");
        QFile a(shipped + "/configs/CBSUrls.ini");
        QVERIFY(a.open(QIODevice::WriteOnly));
        a.write("[CBSUrl]\n");
        a.close();
        QFile b(shipped + "/configs/TextStyle/bold.json");
        QVERIFY(b.open(QIODevice::WriteOnly));
        b.close();

        const QString config = dir.filePath("data/configs");
        QCOMPARE(KorvaneDirectories::ensureConfigDir(shipped, config), KorvaneDirectories::ConfigCopy::Copied);
        QVERIFY(QFile::exists(config + "/TextStyle/bold.json"));

        QFile::remove(config + "/CBSUrls.ini");
        QVERIFY(QFile::copy(shipped + "/configs/CBSUrls.ini", shipped + "/configs/New.ini"));
        QCOMPARE(KorvaneDirectories::ensureConfigDir(shipped, config),
                 KorvaneDirectories::ConfigCopy::AlreadyPresent);
        QVERIFY(!QFile::exists(config + "/CBSUrls.ini"));
        QVERIFY(!QFile::exists(config + "/New.ini"));

        QCOMPARE(KorvaneDirectories::ensureConfigDir(dir.filePath("nowhere"), dir.filePath("other")),
                 KorvaneDirectories::ConfigCopy::Failed);
    }

    void folderCheck()
    {
        QTemporaryDir dir;
        const QString writable = dir.filePath("writable");
        const QString readOnly = dir.filePath("readonly");
        QDir().mkpath(writable);
        QDir().mkpath(readOnly);
        ::chmod(QFile::encodeName(readOnly).constData(), 0555);
        QString unwritable = readOnly;
        if (QFileInfo(readOnly).isWritable()) {
            // Root writes anywhere it may; use a folder the kernel refuses.
            unwritable = QStringLiteral("/proc/1");
            if (QFileInfo(unwritable).isWritable())
                QSKIP("no folder here is read-only for this user");
        }
        const QStringList folders = {writable, dir.filePath("missing"), unwritable, QString()};
        QCOMPARE(KorvaneApp::unwritableFolders(folders), QStringList{unwritable});
        QVERIFY(KorvaneApp::unwritableFolders({writable, dir.filePath("missing")}).isEmpty());
    }

private:
    QTemporaryDir m_root;
};

QTEST_GUILESS_MAIN(TestKorvaneDirectories)
#include "tst_korvanedirectories.moc"
