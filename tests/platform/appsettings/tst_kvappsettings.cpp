#include "KvAppSettings.h"
#include "KvPaths.h"

#include "KvTestFiles.h"
#include "KvTestLog.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtConcurrent>
#include <QtTest>

namespace {

FSettings &live()
{
    return KvAppSettings::GetInstance()->GetSettings();
}

// A new run: the store is freed (saving what changed) and read again.
void restart()
{
    KvAppSettings::Release();
    KvAppSettings::GetInstance();
}

QStringList corruptCopies(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().entryList({info.fileName() + ".corrupt-*"}, QDir::Files);
}

// A valid value other than the default.
QVariant otherValue(const KvAppSetting &setting)
{
    const QVariant original = setting.defaultValue;
    QVariantList candidates;
    switch (original.userType()) {
    case QMetaType::Bool:
        candidates << !original.toBool();
        break;
    case QMetaType::Int:
        candidates << original.toInt() + 1 << original.toInt() - 1;
        break;
    case QMetaType::QSize:
        candidates << QSize(3840, 2160);
        break;
    default:
        candidates << original.toString() + QString::fromUtf8("/Übersicht 2") << "JPG";
        break;
    }
    for (const QVariant &candidate : candidates) {
        if (candidate != original && (!setting.isValid || setting.isValid(candidate)))
            return candidate;
    }
    return QVariant();
}

const KvAppSetting *findSetting(const KvAppSettingsGroup *group, const QString &key)
{
    for (const KvAppSetting &setting : group->settings()) {
        if (key == QLatin1String(setting.key))
            return &setting;
    }
    return nullptr;
}

KvAppSettingsGroup *findGroup(FSettings &settings, const QString &name)
{
    for (KvAppSettingsGroup *group : settings.groups()) {
        if (group->groupName() == name)
            return group;
    }
    return nullptr;
}

// Names the first value that differs from the expected ones.
QString firstDifference(const FSettings &settings, const QString &exceptGroup = QString(), int exceptId = -1,
                        const QVariant &exceptValue = QVariant())
{
    for (const KvAppSettingsGroup *group : settings.groups()) {
        for (const KvAppSetting &setting : group->settings()) {
            const bool changed = group->groupName() == exceptGroup && setting.id == exceptId;
            const QVariant expected = changed ? exceptValue : setting.defaultValue;
            if (group->value(setting.id) != expected)
                return QString("%1/%2 is %3").arg(group->groupName(), setting.key, group->value(setting.id).toString());
        }
    }
    return QString();
}

} // namespace

class TestKvAppSettings : public QObject
{
    Q_OBJECT

private:
    QString m_file;

private slots:
    void initTestCase()
    {
        m_file = KvAppSettings::GetInstance()->filePath();
        KvAppSettings::Release();
        QVERIFY(m_file.startsWith(KvPaths::userConfigDir()));
    }

    void init()
    {
        KvAppSettings::Release();
        QFile::remove(m_file);
        for (const QString &copy : corruptCopies(m_file))
            QFile::remove(QFileInfo(m_file).dir().filePath(copy));
        qunsetenv(FPerformanceSettings::GpuDevicesVariable);
    }

    void tablesAreWellFormed()
    {
        const FSettings settings;
        QCOMPARE(settings.GetGeneralSetting().settings().size(), int(FGeneralSettings::KeyCount));
        QCOMPARE(settings.GetFolderSettings().settings().size(), int(FFolderSettings::KeyCount));
        QCOMPARE(settings.GetEditingSettings().settings().size(), int(FEditingSettings::KeyCount));
        QCOMPARE(settings.GetSaveSettings().settings().size(), int(KvSaveSettings::KeyCount));
        QCOMPARE(settings.GetPerformanceSettings().settings().size(), int(FPerformanceSettings::KeyCount));
        QSet<QString> groupNames;
        for (const KvAppSettingsGroup *group : settings.groups()) {
            QVERIFY(!groupNames.contains(group->groupName()));
            groupNames << group->groupName();
            QSet<QString> keys;
            for (int id = 0; id < group->settings().size(); ++id) {
                const KvAppSetting &setting = group->settings().at(id);
                const QString name = group->groupName() + "/" + setting.key;
                QVERIFY2(setting.id == id, qPrintable(name + " is out of id order"));
                QVERIFY2(!keys.contains(setting.key), qPrintable(name + " appears twice"));
                keys << setting.key;
                QVERIFY2(!setting.isValid || setting.isValid(setting.defaultValue), qPrintable(name + ": invalid default"));
                QVERIFY2(otherValue(setting).isValid(), qPrintable(name + " accepts nothing but its default"));
            }
        }
    }

    void firstStartGivesDefaultsSilently()
    {
        KvTestLog log;
        const FSettings &settings = live();
        QCOMPARE(firstDifference(settings), QString());

        // Folders are the user's own, never relative to the working directory.
        const QStringList roots = {KvPaths::documentsDir(), KvPaths::userDataDir()};
        for (const KvAppSetting &setting : settings.GetFolderSettings().settings()) {
            const QString folder = setting.defaultValue.toString();
            QVERIFY2(std::any_of(roots.begin(), roots.end(), [&](const QString &root) { return folder.startsWith(root + "/"); }),
                     qPrintable(folder));
        }
        // Nothing changed, nothing written.
        KvAppSettings::Release();
        QVERIFY(!QFile::exists(m_file));
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    void everyValueSurvivesARestart_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("id");
        QTest::addColumn<QVariant>("value");
        const FSettings settings;
        for (const KvAppSettingsGroup *group : settings.groups()) {
            for (const KvAppSetting &setting : group->settings())
                QTest::newRow(qPrintable(group->groupName() + "/" + setting.key))
                    << group->groupName() << setting.id << otherValue(setting);
        }
    }
    void everyValueSurvivesARestart()
    {
        QFETCH(QString, group);
        QFETCH(int, id);
        QFETCH(QVariant, value);
        KvTestLog log;
        QVERIFY(findGroup(live(), group)->setValue(id, value));
        QVERIFY(KvAppSettings::Save());
        restart();
        // Any other value that moved shares the key or the slot.
        QCOMPARE(firstDifference(live(), group, id, value), QString());
        QVERIFY2(log.errors().isEmpty(), qPrintable(log.errors().join('\n')));
    }

    void folderAccessorsReachTheirOwnFolder()
    {
        using Getter = QString (FFolderSettings::*)() const;
        using Setter = void (FFolderSettings::*)(const QString &);
        const struct { Getter get; Setter set; int id; } folders[] = {
            {&FFolderSettings::GetDownloadFileFolder, &FFolderSettings::SetDownloadFileFolder, FFolderSettings::DownloadFileFolder},
            {&FFolderSettings::GetTempFileFolder, &FFolderSettings::SetTempFileFolder, FFolderSettings::TempFileFolder},
            {&FFolderSettings::GetCaptureFileFolder, &FFolderSettings::SetCaptureFileFolder, FFolderSettings::CaptureFileFolder},
            {&FFolderSettings::GetRecorderVoiceFolder, &FFolderSettings::SetRecoderVoiceFolder, FFolderSettings::RecorderVoiceFolder},
            {&FFolderSettings::GetYouTobeFileFolder, &FFolderSettings::SetYouTobeFileFolder, FFolderSettings::YouTobeFileFolder},
            {&FFolderSettings::GetSnapShotFileFolder, &FFolderSettings::SetSnapShotFileFolder, FFolderSettings::SnapShotFileFolder},
            {&FFolderSettings::GetCloudDiskFileFolder, &FFolderSettings::SetCloudDiskFileFolder, FFolderSettings::CloudDiskFileFolder},
            {&FFolderSettings::GetThirdPartyCloudFileFolder, &FFolderSettings::SetThirdPartyCloudFileFolder,
             FFolderSettings::ThirdPartyCloudFileFolder},
            {&FFolderSettings::GetInstallEffectPackTo, &FFolderSettings::SetInstanllEffectPackTo, FFolderSettings::InstallEffectPackTo},
        };
        FFolderSettings &settings = live().GetFolderSettings();
        for (const auto &folder : folders)
            (settings.*folder.set)(QString("/media/f%1").arg(folder.id));
        for (const auto &folder : folders) {
            QCOMPARE((settings.*folder.get)(), QString("/media/f%1").arg(folder.id));
            QCOMPARE(settings.value(folder.id).toString(), QString("/media/f%1").arg(folder.id));
        }
    }

    void invalidStoredValueTakesItsDefault_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("negative backup minutes") << "Save" << "AutoBackupProjectTime" << QByteArray("-5");
        QTest::newRow("text for a flag") << "General" << "ShowProjectLibrary" << QByteArray("\"yes\"");
        QTest::newRow("number for a flag") << "Performance" << "SafeMode" << QByteArray("1");
        QTest::newRow("fraction for a number") << "Performance" << "AutoRenderAfterSeconds" << QByteArray("7.5");
        QTest::newRow("render delay above 60") << "Performance" << "AutoRenderAfterSeconds" << QByteArray("61");
        QTest::newRow("number beyond int") << "General" << "Language" << QByteArray("1e12");
        QTest::newRow("unknown theme") << "General" << "UITheme" << QByteArray("3");
        QTest::newRow("blank folder") << "Folders" << "DownloadFileFolder" << QByteArray("\"  \"");
        QTest::newRow("folder as a number") << "Folders" << "SnapShotFileFolder" << QByteArray("7");
        QTest::newRow("unknown snapshot format") << "Editing" << "SnapshotFormat" << QByteArray("\"GIF\"");
        QTest::newRow("negative duration") << "Editing" << "PhotoDuration" << QByteArray("-1");
        QTest::newRow("size of one number") << "Performance" << "AutomaticallyCreateProxyResolution" << QByteArray("[1920]");
        QTest::newRow("size as text") << "Performance" << "AutomaticallyCreateProxyResolution" << QByteArray("\"1920x1080\"");
    }
    void invalidStoredValueTakesItsDefault()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(QByteArray, json);
        const QJsonValue bad = QJsonDocument::fromJson("[" + json + "]").array().at(0);
        QJsonObject groups{{"General", QJsonObject{{"DontShowMessage", true}}}};
        QJsonObject values = groups.value(group).toObject();
        values.insert(key, bad);
        groups.insert(group, values);
        writeAll(m_file, QJsonDocument(QJsonObject{{"format", 1}, {"user", groups}}).toJson());

        KvTestLog log;
        const KvAppSettingsGroup *settings = findGroup(live(), group);
        const KvAppSetting *setting = findSetting(settings, key);
        QVERIFY(setting);
        QCOMPARE(settings->value(setting->id), setting->defaultValue);
        QVERIFY2(live().GetGeneralSetting().GetDontShowMessage(), "a good neighbour was lost");
        QCOMPARE(log.errors().size(), 1);
        QVERIFY(log.hasError(key));
    }

    void corruptFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // Unbalanced on purpose; an escaped literal keeps moc's brace matching intact.
        QTest::newRow("cut short") << QByteArray("{\"format\": 1, \"user\": {\"Save\": {\"AutoBackupPro");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe", 4);
        QTest::newRow("array") << QByteArray("[1, 2]");
        QTest::newRow("no format") << QByteArray(R"({"user": {}})");
        QTest::newRow("group not an object") << QByteArray(R"({"format": 1, "user": {"General": 5}})");
    }
    void corruptFileIsKeptAside()
    {
        QFETCH(QByteArray, bytes);
        writeAll(m_file, bytes);
        KvTestLog log;
        QCOMPARE(firstDifference(live()), QString());
        QCOMPARE(log.errors().size(), 1);
        QCOMPARE(readAll(m_file), bytes);

        live().GetSaveSettings().SetAutoBackupProjectTime(20);
        QVERIFY(KvAppSettings::Save());
        const QStringList copies = corruptCopies(m_file);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(readAll(QFileInfo(m_file).dir().filePath(copies.first())), bytes);
        restart();
        QCOMPARE(live().GetSaveSettings().GetAutoBackupProjectTime(), 20);
        QCOMPARE(log.errors().size(), 1);
    }

    void unknownKeysSurviveASave()
    {
        const QJsonObject root{{"format", 1},
                               {"user", QJsonObject{{"General", QJsonObject{{"FromANewerVersion", 42}}},
                                                    {"Plugins", QJsonObject{{"x", "y"}}}}},
                               {"machine", QJsonObject{{"Install", QJsonObject{{"Path", "/opt"}}}}}};
        writeAll(m_file, QJsonDocument(root).toJson());
        live().GetGeneralSetting().SetLanguage(3);
        QVERIFY(KvAppSettings::Save());
        const QJsonObject saved = QJsonDocument::fromJson(readAll(m_file)).object();
        QCOMPARE(saved.value("user")["General"]["FromANewerVersion"].toInt(), 42);
        QCOMPARE(saved.value("user")["General"]["Language"].toInt(), 3);
        QCOMPARE(saved.value("user")["Plugins"].toObject(), root.value("user")["Plugins"].toObject());
        QCOMPARE(saved.value("machine"), root.value("machine"));
    }

    void releaseKeepsUnsavedChanges()
    {
        live().GetGeneralSetting().SetShowProjectLibrary(false);
        restart();
        QCOMPARE(live().GetGeneralSetting().GetShowProjectLibrary(), false);
    }

    void setterRefusesInvalidValues_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("negative backup minutes") << "Save" << "AutoBackupProjectTime" << QVariant(-5);
        QTest::newRow("empty folder") << "Folders" << "TempFileFolder" << QVariant(QString());
        QTest::newRow("lower-case format") << "Editing" << "SnapshotFormat" << QVariant("png");
        QTest::newRow("render delay below 5") << "Performance" << "AutoRenderAfterSeconds" << QVariant(4);
        QTest::newRow("text for a number") << "General" << "CheckUpdate" << QVariant("7");
    }
    void setterRefusesInvalidValues()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        KvTestLog log;
        KvAppSettingsGroup *settings = findGroup(live(), group);
        const KvAppSetting *setting = findSetting(settings, key);
        QVERIFY(!settings->setValue(setting->id, value));
        QCOMPARE(settings->value(setting->id), setting->defaultValue);
        QVERIFY(log.hasError(key));
    }

    void copiesAreSnapshots()
    {
        FSettings edited = live();
        edited.GetSaveSettings().SetAutoBackupProject(false);
        edited.GetPerformanceSettings().SetThisTimeEnableOpenCL(true);
        QCOMPARE(live().GetSaveSettings().GetAutoBackupProject(), true);
        QCOMPARE(live().GetPerformanceSettings().GetThisTimeEnableOpenCL(), false);
        live() = edited;
        QCOMPARE(live().GetSaveSettings().GetAutoBackupProject(), false);
        QCOMPARE(live().GetPerformanceSettings().GetThisTimeEnableOpenCL(), true);
    }

    void workersReadWhileTheGuiWrites()
    {
        FFolderSettings &folders = live().GetFolderSettings();
        const QString a = "/media/a", b = "/media/b/" + QString(200, 'x');
        folders.SetDownloadFileFolder(a);
        std::atomic<bool> stop{false};
        std::atomic<int> torn{0};
        QVector<QFuture<void>> readers;
        for (int i = 0; i < 3; ++i) {
            readers << QtConcurrent::run([&] {
                while (!stop) {
                    const QString folder = live().GetFolderSettings().GetDownloadFileFolder();
                    torn += folder != a && folder != b;
                }
            });
        }
        for (int i = 0; i < 20000; ++i) {
            folders.SetDownloadFileFolder(i % 2 ? a : b);
            if (i % 1000 == 0)
                QVERIFY(KvAppSettings::Save());
        }
        stop = true;
        for (QFuture<void> &reader : readers)
            reader.waitForFinished();
        QCOMPARE(torn.load(), 0);
    }

    void gpuDeviceList()
    {
        qputenv(FPerformanceSettings::GpuDevicesVariable, "GeForce GTX 1060=0x1c03; Intel UHD 630=16018;GeForce GTX 1060=0x1c03;broken");
        KvTestLog log;
        FPerformanceSettings &performance = live().GetPerformanceSettings();
        performance.InitGpuDeviceList();
        QCOMPARE(performance.GetAllOpenCLGPUDevice(),
                 QStringList({"GeForce GTX 1060", "Intel UHD 630", "GeForce GTX 1060 #2"}));
        QCOMPARE(performance.GetGPUDeviceIdByIndex(0), 0x1c03);
        QCOMPARE(performance.GetGPUDeviceByIndex(1), QString("Intel UHD 630"));
        QCOMPARE(performance.GetGPUDeviceByIndex(3), QString());
        QCOMPARE(performance.GetGPUDeviceIdByIndex(-1), -1);
        QVERIFY(log.hasError("broken"));

        QVERIFY(performance.RemoveUnavailableGPU("Intel UHD 630"));
        QVERIFY(!performance.RemoveUnavailableGPU("Intel UHD 630"));
        QCOMPARE(performance.GetAllOpenCLGPUDevice(), QStringList({"GeForce GTX 1060", "GeForce GTX 1060 #2"}));
        QCOMPARE(performance.GetGPUDeviceIdByIndex(1), 0x1c03);

        // Only another card than the stored one ends automatic selection.
        performance.SetCurrentGPUSetting(performance.GetCurrentOpenCLGPU());
        QVERIFY(performance.GetAutoSelectGPU());
        performance.SetCurrentGPUSetting("GeForce GTX 1060 #2");
        QVERIFY(!performance.GetAutoSelectGPU());
        performance.OpenAutoSelectGUP();
        QVERIFY(performance.GetAutoSelectGPU());
    }

    void gpuInfoAtStartUp_data()
    {
        QTest::addColumn<QByteArray>("devices");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("autoSelect");
        QTest::addColumn<QByteArray>("testInfos");
        QTest::addColumn<bool>("nextOpenCL");
        QTest::addColumn<bool>("safeMode");
        QTest::addColumn<QString>("inUse");
        QTest::addColumn<bool>("openCL");
        QTest::addColumn<bool>("decode");

        const QByteArray two = "A=1;B=2";
        QTest::newRow("automatic: first card that passed")
            << two << "A" << true << QByteArray(R"({"A-1-opencl": {}, "B-2-opencl": {"fps": 30}})") << true << false
            << "B" << true << true;
        QTest::newRow("automatic: no results, first card") << two << "" << true << QByteArray("{}") << true << false
                                                          << "A" << true << true;
        QTest::newRow("user's card kept") << two << "B" << false << QByteArray(R"({"A-1-opencl": {"fps": 30}})") << true
                                          << false << "B" << true << true;
        QTest::newRow("vanished card replaced") << two << "C" << false << QByteArray("{}") << true << false << "A"
                                                << true << true;
        QTest::newRow("rendering off takes decoding along") << two << "A" << false << QByteArray("{}") << false
                                                            << false << "A" << false << false;
        QTest::newRow("safe mode") << two << "A" << false << QByteArray("{}") << true << true << "A" << false << false;
        QTest::newRow("no GPU") << QByteArray("") << "A" << false << QByteArray("{}") << true << false << "" << false
                                << false;
    }
    void gpuInfoAtStartUp()
    {
        QFETCH(QByteArray, devices);
        QFETCH(QString, stored);
        QFETCH(bool, autoSelect);
        QFETCH(QByteArray, testInfos);
        QFETCH(bool, nextOpenCL);
        QFETCH(bool, safeMode);
        qputenv(FPerformanceSettings::GpuDevicesVariable, devices);
        FPerformanceSettings &performance = live().GetPerformanceSettings();
        performance.setValue(FPerformanceSettings::CurrentGPU, stored);
        performance.SetAutoSelectGPU(autoSelect);
        performance.SetNextTimeEnableOpenCLSetting(nextOpenCL);
        performance.SetNextTimeEnableGPUDeCodeSetting(true);
        performance.SetSafeMode(safeMode);
        performance.InitGpuTestInfos(QJsonDocument::fromJson(testInfos).object());

        performance.InitGpuInfo();
        QTEST(performance.GetCurrentOpenCLGPU(), "inUse");
        QTEST(performance.GetThisTimeEnableOpenCL(), "openCL");
        QTEST(performance.GetThisTimeEnableGPUDeCode(), "decode");
        QCOMPARE(performance.GetAutoSelectGPU(), autoSelect);
    }
};

QTEST_GUILESS_MAIN(TestKvAppSettings)
#include "tst_kvappsettings.moc"
