#include "FCopyProxyFileDlg.h"
#include "FMessageDialog.h"
#include "FSettingGpuCheck.h"
#include "FSettingPerformancePanel.h"
#include "IKvMediaProxyService.h"
#include "KvAppSettings.h"
#include "KvCustomProductInfo.h"
#include "KvFileDialog.h"
#include "KvOpenFileLineEdit.h"
#include "KvProgressDialog.h"
#include "KvSettingsMessageId.h"
#include "KvTestLog.h"
#include "KvTipWidget.h"
#include "LaunchTestInstallation.h"
#include "RecordingScene.h"

#include <QtTest>
#include <QtWidgets>

#include <thread>

namespace {

FPerformanceSettings &performance()
{
    return KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
}

const QString kGpuChanged = QStringLiteral("Your GPU rendering and hardware decoding settings have been updated and "
                                           "will take effect the next time you open Tessaracorp Korvane.");
const QString kEngineChanged = QStringLiteral(
    "The rendering engine has been updated. The update will take effect the next time you open Tessaracorp Korvane X.");

// Stands in for the project model's proxy service: counts what it is asked
// and answers a delete from a thread of its own, as the real one may.
class FakeProxyService : public IKvMediaProxyService
{
public:
    void prepareForProxyRemoval() override { ++prepared; }
    void deleteAllProxyFiles(DeleteCallback callback) override
    {
        ++deletes;
        const int status = deleteStatus;
        const QStringList files = failedFiles;
        std::thread([callback, status, files] { callback(status, files.size(), files); }).join();
    }
    void copyProxyFiles(const QString &, const QString &, CopyCallback callback) override
    {
        callback(StatusFinished, 100, QString());
    }

    int prepared = 0;
    int deletes = 0;
    int deleteStatus = StatusFinished;
    QStringList failedFiles;
};

} // namespace

// The Performance page's control rules, what its OK stores and announces,
// its two "CLEAN" actions and the GPU check.
class tst_SettingPerformancePanel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qputenv(FPerformanceSettings::GpuDevicesVariable, "GPU A=100;GPU B=200");
        performance().Reset();
        performance().InitGpuDeviceList();
        performance().SetOpenCLCanBeChanged(true);
        performance().SetCurrentGPUSetting(QStringLiteral("GPU A"));
        QVERIFY(m_folders.isValid());
        performance().SetProxyFileFolder(m_folders.path() + QStringLiteral("/proxy"));
        performance().SetPreviewRenderFilesFolder(m_folders.path() + QStringLiteral("/render"));
        m_service = FakeProxyService();
        FSettingPerformancePanel::setMediaProxyServiceForTest(&m_service);
        m_scene.clear();
        m_messages.clear();
        m_dialogs.clear();
        FMessageDialog::setAnswerer([this](FMessageDialog &dialog) {
            m_messages << dialog.title() + QLatin1Char('|') + dialog.text();
            return m_answer;
        });
        KvFramelessDialog::setAnswerer([this](KvFramelessDialog &dialog) {
            if (auto *copy = qobject_cast<FCopyProxyFileDlg *>(&dialog))
                m_dialogs << copy->oldFolder() + QLatin1Char('>') + copy->newFolder();
            return 1;
        });
        m_answer = FMessageDialog::Ok;
        m_panel = std::make_unique<FSettingPerformancePanel>();
        m_panel->setScene(&m_scene);
        m_panel->Load();
    }
    void cleanup()
    {
        m_panel.reset();
        FMessageDialog::setAnswerer({});
        KvFramelessDialog::setAnswerer({});
        KvFileDialog::setDirectoryAnswerer({});
        FSettingPerformancePanel::setMediaProxyServiceForTest(nullptr);
        FSettingPerformancePanel::setGpuCheckDirForTest(QString());
        QThreadPool::globalInstance()->waitForDone();
        qunsetenv(FPerformanceSettings::GpuDevicesVariable);
    }

    void gpuControls_data()
    {
        QTest::addColumn<bool>("canBeChanged");
        QTest::addColumn<bool>("storedRendering");
        QTest::addColumn<QString>("clicks");  // r: rendering box
        QTest::addColumn<bool>("decodingChecked");
        QTest::addColumn<bool>("decodingEnabled");
        QTest::addColumn<bool>("cardEnabled");
        QTest::newRow("stored on") << true << true << "" << true << true << true;
        QTest::newRow("clearing rendering clears decoding") << true << true << "r" << false << false << false;
        QTest::newRow("ticking it again leaves decoding clear") << true << true << "rr" << false << true << true;
        QTest::newRow("stored off") << true << false << "" << true << false << false;
        QTest::newRow("no usable GPU") << false << true << "" << true << true << true;
    }
    void gpuControls()
    {
        QFETCH(bool, canBeChanged);
        QFETCH(bool, storedRendering);
        QFETCH(QString, clicks);
        performance().SetOpenCLCanBeChanged(canBeChanged);
        performance().SetNextTimeEnableOpenCLSetting(storedRendering);
        m_panel->Load();
        QCOMPARE(m_panel->renderingBox()->isEnabled(), canBeChanged);
        for (int i = 0; i < clicks.size(); ++i)
            m_panel->renderingBox()->click();
        QTEST(m_panel->decodingBox()->isChecked(), "decodingChecked");
        QTEST(m_panel->decodingBox()->isEnabled(), "decodingEnabled");
        QTEST(m_panel->graphicsCardBox()->isEnabled(), "cardEnabled");
        QCOMPARE(m_panel->graphicsCardBox()->currentText(), QStringLiteral("GPU A"));
    }

    void boxesEnableTheirControls()
    {
        QVERIFY(m_panel->proxyResolutionBox()->isEnabled());
        m_panel->createProxyBox()->click();
        QVERIFY(!m_panel->proxyResolutionBox()->isEnabled());
        const QList<QWidget *> delay = {m_panel->startAfterLabel(), m_panel->renderDelayBox(), m_panel->secondsLabel()};
        for (QWidget *widget : delay)
            QVERIFY(!widget->isEnabled());
        m_panel->backgroundRenderBox()->click();
        for (QWidget *widget : delay)
            QVERIFY(widget->isEnabled());
    }

    // The restart notice tip shows for the first card picked after Load only.
    void graphicsCardTipOncePerShowing()
    {
        KvTipWidget *tip = m_panel->graphicsCardTip();
        m_panel->graphicsCardBox()->setCurrentIndex(1);
        QVERIFY(tip->isVisibleTo(m_panel.get()));
        QCOMPARE(tip->property("TipEnabled").toBool(), false);
        QCOMPARE(tip->arrowPosition(), int(KvTipWidget::TopCenter));
        tip->hide();
        m_panel->graphicsCardBox()->setCurrentIndex(0);
        QVERIFY(!tip->isVisibleTo(m_panel.get()));
        m_panel->Load();
        QCOMPARE(tip->property("TipEnabled").toBool(), true);
    }

    void okGraphics_data()
    {
        QTest::addColumn<bool>("safeMode");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("notices");
        QTest::addColumn<QString>("storedCard");
        QTest::addColumn<bool>("userChanged");
        const QString product = KvCustomProductInfo::FGetProductName() + QLatin1Char('|');
        QTest::newRow("nothing changed") << false << "" << QStringList() << "GPU A" << false;
        QTest::newRow("decoding cleared") << false << "decoding" << QStringList{product + kGpuChanged} << "GPU A"
                                          << true;
        QTest::newRow("another card") << false << "card" << QStringList{product + kGpuChanged} << "GPU B" << true;
        QTest::newRow("rendering on leaves safe mode") << true << "rendering" << QStringList{product + kGpuChanged}
                                                       << "GPU A" << true;
        QTest::newRow("rendering engine") << false << "engine" << QStringList{product + kEngineChanged} << "GPU A"
                                          << false;
    }
    void okGraphics()
    {
        QFETCH(bool, safeMode);
        QFETCH(QString, action);
        performance().SetSafeMode(safeMode);
        if (safeMode)
            performance().SetNextTimeEnableOpenCLSetting(false);
        m_panel->Load();
        if (action == QLatin1String("decoding"))
            m_panel->decodingBox()->click();
        else if (action == QLatin1String("card"))
            m_panel->graphicsCardBox()->setCurrentIndex(1);
        else if (action == QLatin1String("rendering"))
            m_panel->renderingBox()->click();
        else if (action == QLatin1String("engine"))
            m_panel->latestEngineBox()->click();
        m_panel->Ok();
        QTEST(m_messages, "notices");
        QTEST(performance().GetCurrentOpenCLGPU(), "storedCard");
        QTEST(performance().GetUserChangedGPUState(), "userChanged");
        QCOMPARE(performance().IsSafeMode(), false);
        QVERIFY(m_scene.codes().isEmpty());
    }

    void okProxies_data()
    {
        QTest::addColumn<bool>("toggleCreate");
        QTest::addColumn<int>("resolution");
        QTest::addColumn<bool>("moveFolder");
        QTest::addColumn<QVariant>("payload");
        QTest::newRow("nothing changed") << false << 1 << false << QVariant();
        QTest::newRow("only the resolution") << false << 2 << false << QVariant(QVariantList{false, true});
        QTest::newRow("only creation") << true << 1 << false << QVariant(QVariantList{true, false});
        QTest::newRow("both") << true << 0 << false << QVariant(QVariantList{true, true});
        QTest::newRow("folder moved") << false << 1 << true << QVariant();
    }
    void okProxies()
    {
        QFETCH(bool, toggleCreate);
        QFETCH(int, resolution);
        QFETCH(bool, moveFolder);
        const QString oldFolder = performance().GetProxyFileFolder();
        const QString newFolder = m_folders.path() + QStringLiteral("/moved");
        if (toggleCreate)
            m_panel->createProxyBox()->click();
        m_panel->proxyResolutionBox()->setCurrentIndex(resolution);
        if (moveFolder) {
            KvFileDialog::setDirectoryAnswerer([newFolder](const QString &, const QString &) { return newFolder; });
            m_panel->proxyFolderBrowseButton()->click();
        }
        m_panel->Ok();
        QTEST(m_scene.payload(KvSettingsMsg::ProxySettingsChanged), "payload");
        QCOMPARE(m_dialogs, moveFolder ? QStringList{oldFolder + QLatin1Char('>') + newFolder} : QStringList());
        QCOMPARE(m_service.prepared, moveFolder ? 1 : 0);
        QCOMPARE(performance().GetProxyFileFolder(), moveFolder ? newFolder : oldFolder);
        QCOMPARE(performance().GetAutomaticallyCreateProxyResolution(),
                 m_panel->proxyResolutionBox()->itemData(resolution).toSize());
    }

    void proxyResolutionTexts()
    {
        QStringList texts;
        for (int i = 0; i < m_panel->proxyResolutionBox()->count(); ++i)
            texts << m_panel->proxyResolutionBox()->itemText(i);
        QCOMPARE(texts, QStringList({"1280 x 720", "1920 x 1080", "3840 x 2160"}));
    }

    void okRender_data()
    {
        QTest::addColumn<bool>("toggleRender");
        QTest::addColumn<double>("delay");
        QTest::addColumn<bool>("moveFolder");
        QTest::addColumn<bool>("toggleDeletion");
        QTest::addColumn<QVariantList>("flags");  // empty: no message
        QTest::newRow("nothing changed") << false << 10.0 << false << false << QVariantList();
        QTest::newRow("background render") << true << 10.0 << false << false
                                           << QVariantList{false, true, false, false};
        QTest::newRow("delay") << false << 30.0 << false << false << QVariantList{false, false, true, false};
        QTest::newRow("folder") << false << 10.0 << true << false << QVariantList{true, false, false, false};
        QTest::newRow("deletion") << false << 10.0 << false << true << QVariantList{false, false, false, true};
        QTest::newRow("all four") << true << 60.0 << true << true << QVariantList{true, true, true, true};
    }
    void okRender()
    {
        QFETCH(bool, toggleRender);
        QFETCH(double, delay);
        QFETCH(bool, moveFolder);
        QFETCH(bool, toggleDeletion);
        QFETCH(QVariantList, flags);
        const QString previous = performance().GetPreviewRenderFilesFolder();
        if (toggleRender)
            m_panel->backgroundRenderBox()->click();
        m_panel->renderDelayBox()->setValue(delay);
        if (moveFolder) {
            KvFileDialog::setDirectoryAnswerer([](const QString &, const QString &) { return QStringLiteral("/tmp/r2"); });
            m_panel->renderFolderBrowseButton()->click();
        }
        if (toggleDeletion)
            m_panel->deleteRenderBox()->click();
        KvTestLog log;
        m_panel->Ok();
        if (flags.isEmpty()) {
            QVERIFY(m_scene.codes().isEmpty());
        } else {
            QCOMPARE(m_scene.codes(), QList<int>{KvSettingsMsg::AutoRenderChanged});
            QCOMPARE(m_scene.payload(KvSettingsMsg::AutoRenderChanged).toList(), flags << previous);
        }
        QCOMPARE(log.count("sigAutoRenderChanged start"), flags.isEmpty() ? 0 : 1);
        QCOMPARE(log.count("SetAutomaticallyDeleteRenderFile end"), toggleDeletion ? 1 : 0);
        QCOMPARE(performance().GetAutoRenderAfterSeconds(), int(delay));
        QCOMPARE(performance().GetPreviewRenderFilesFolder(), moveFolder ? QStringLiteral("/tmp/r2") : previous);
        QVERIFY(log.errors().isEmpty());
    }

    void cleanProxies_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("failed");
        QTest::addColumn<int>("deletes");
        QTest::addColumn<QString>("notice");
        const QString title = QStringLiteral("Clean proxy files|");
        QTest::newRow("declined") << int(FMessageDialog::No) << 0 << QStringList() << 0 << QString();
        QTest::newRow("all removed") << int(FMessageDialog::Yes) << int(IKvMediaProxyService::StatusFinished)
                                     << QStringList() << 1 << QString();
        QTest::newRow("two failed") << int(FMessageDialog::Yes) << int(IKvMediaProxyService::StatusFailed)
                                    << QStringList{"a.mp4", "b.mp4"} << 1
                                    << title + "Clean files a.mp4,b.mp4 failed";
    }
    void cleanProxies()
    {
        QFETCH(int, answer);
        QFETCH(QString, notice);
        m_answer = answer;
        QFETCH(int, status);
        m_service.deleteStatus = status;
        QFETCH(QStringList, failed);
        m_service.failedFiles = failed;
        m_panel->cleanProxyButton()->click();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first(), QStringLiteral("Clean proxy files|Are you sure you want to remove all proxy files?"));
        QTEST(m_service.deletes, "deletes");
        QTEST(m_service.prepared, "deletes");
        // The failure comes back through the event loop, never inside the callback.
        QCOMPARE(m_messages.size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(m_messages.mid(1), notice.isEmpty() ? QStringList() : QStringList{notice});
    }

    void cleanRender_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("confirmed") << int(FMessageDialog::Yes) << QList<int>{KvSettingsMsg::CleanRenderFiles};
        QTest::newRow("declined") << int(FMessageDialog::No) << QList<int>();
    }
    void cleanRender()
    {
        QFETCH(int, answer);
        m_answer = answer;
        m_panel->cleanRenderButton()->click();
        QCOMPARE(m_messages,
                 QStringList{QStringLiteral("Clean render files|Are you sure you want to remove all render files?")});
        QTEST(m_scene.codes(), "codes");
    }

    void gpuCheckProgressRule_data()
    {
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("next");
        QTest::newRow("start") << 0 << 5;
        QTest::newRow("last step") << 90 << 95;
        QTest::newRow("never past 95") << 93 << 95;
        QTest::newRow("stays at 95") << 95 << 95;
    }
    void gpuCheckProgressRule()
    {
        QFETCH(int, progress);
        QTEST(FSettingGpuCheck::nextProgress(progress), "next");
    }

    // The clock moves the bar while the test runs; its end closes the
    // dialog at 100 and says so, with "Restart Later".
    void gpuCheckRunsToItsEnd_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("clockRunning");
        QTest::newRow("one tick") << 1 << "5%" << true;
        QTest::newRow("eighteen ticks") << 18 << "90%" << true;
        QTest::newRow("thirty ticks") << 30 << "95%" << false;
    }
    void gpuCheckRunsToItsEnd()
    {
        QFETCH(int, ticks);
        LaunchTestInstallation install;
        install.openClCheck("", {0, 0});
        install.pressureTest({0, 1});
        FSettingGpuCheck check(install.dir(), nullptr);
        QStringList seen;
        KvFramelessDialog::setAnswerer([&](KvFramelessDialog &dialog) {
            auto *progress = qobject_cast<KvProgressDialog *>(&dialog);
            seen << dialog.title() << progress->progressTitle() << progress->progressText();
            for (int i = 0; i < ticks; ++i)
                check.slotProgressTick();
            seen << progress->progressText() << QString::number(check.progressTimer()->isActive());
            QEventLoop loop;
            connect(progress, &QDialog::finished, &loop, &QEventLoop::quit);
            loop.exec();
            seen << progress->progressText();
            return progress->result();
        });
        m_answer = FMessageDialog::Cancel;
        QStringList buttons;
        FMessageDialog::setAnswerer([&](FMessageDialog &dialog) {
            m_messages << dialog.text();
            buttons = dialog.buttonTexts();
            return m_answer;
        });
        QVERIFY(check.exec());
        QFETCH(QString, shown);
        QFETCH(bool, clockRunning);
        QCOMPARE(seen, QStringList({KvCustomProductInfo::FGetProductName(),
                                    "GPU environment detection is in progress, please wait.", "0%", shown,
                                    QString::number(clockRunning), "100%"}));
        QCOMPARE(m_messages, QStringList{"GPU environment detection has been completed, please restart now to "
                                         "update related settings."});
        QCOMPARE(buttons.value(1), QStringLiteral("Restart Later"));
        QCOMPARE(install.calls("Dunsker.exe").size(), 2);
        QVERIFY(!performance().IsSafeMode());
    }

    // Cancel closes the dialog at once; the pressure test that runs ends on
    // its own and the next GPU is not tested.
    void gpuCheckCancelled()
    {
        LaunchTestInstallation install;
        install.openClCheck("", {0, 0});
        install.script(QStringLiteral("Dunsker.exe"), "sleep 0.3; exit 0");
        FSettingPerformancePanel::setGpuCheckDirForTest(install.dir());
        KvFramelessDialog::setAnswerer([&](KvFramelessDialog &dialog) {
            // Cancelled while the first pressure test runs.
            QDeadlineTimer deadline(10000);
            while (install.calls("Dunsker.exe").isEmpty() && !deadline.hasExpired())
                QTest::qWait(10);
            dialog.button(KvProgressDialog::Canceled)->click();
            return dialog.result();
        });
        m_panel->gpuCheckButton()->click();
        QVERIFY(m_messages.isEmpty());
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(install.calls("Dunsker.exe").size(), 1);
    }

private:
    QTemporaryDir m_folders;
    FakeProxyService m_service;
    RecordingScene m_scene;
    std::unique_ptr<FSettingPerformancePanel> m_panel;
    QStringList m_messages;
    QStringList m_dialogs;
    int m_answer = FMessageDialog::Ok;
};

QTEST_MAIN(tst_SettingPerformancePanel)
#include "tst_settingperformancepanel.moc"
