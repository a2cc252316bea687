// The editing window's small dialogs and floating widgets.
#include "FAudioEffectOverrideDialog.h"
#include "FAudioMixerDialog.h"
#include "FExceptionFeedbackDialog.h"
#include "FMatchProjectDialog.h"
#include "FProjectSettingsDialog.h"
#include "FQuickStartMgr.h"
#include "FSilenceDetectionDialog.h"
#include "FSilenceDetector.h"
#include "FSplitUnGroupDialog.h"
#include "FUserDetailCollectHelper.h"
#include "../kvwidgets/KvAccessibilityAudit.h"
#include "KvAudioRecordView.h"
#include "KvConfig.h"
#include "KvProject.h"
#include "KvSpeechServiceDialog.h"
#include "KvSpeechToTextParamDialog.h"
#include "KvSplitScreenFloatingWidget.h"
#include "KvTextFloatingAdjustWidget.h"
#include "KvTextToSpeechParamDialog.h"
#include "KvWebcamRecordView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDataStream>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using Segments = QList<QPair<int, int>>; // (milliseconds, amplitude)
Q_DECLARE_METATYPE(Segments)
using Ranges = QVector<FSilenceDetector::Range>;
using WidgetFactory = std::function<QWidget *()>;
Q_DECLARE_METATYPE(WidgetFactory)
Q_DECLARE_METATYPE(Ranges)

namespace {

constexpr int kRate = 8000;

// A mono 16-bit file of square-wave stretches; amplitude 0 is silence.
void writeTone(const QString &path, const Segments &segments)
{
    QByteArray samples;
    QDataStream out(&samples, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (const auto &segment : segments) {
        for (int i = 0; i < segment.first * kRate / 1000; ++i)
            out << qint16(i % 2 ? segment.second : -segment.second);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QDataStream header(&file);
    header.setByteOrder(QDataStream::LittleEndian);
    header.writeRawData("RIFF", 4);
    header << quint32(36 + samples.size());
    header.writeRawData("WAVEfmt ", 8);
    header << quint32(16) << quint16(1) << quint16(1) << quint32(kRate) << quint32(kRate * 2) << quint16(2)
           << quint16(16);
    header.writeRawData("data", 4);
    header << quint32(samples.size());
    file.write(samples);
}

KvProjectData projectWithTracks(const QList<int> &tracks)
{
    KvProjectData data;
    data.name = "Mix";
    data.mediaPaths = QStringList{"/media/a.wav"};
    for (int track : tracks) {
        KvTimelineClip clip;
        clip.track = track;
        clip.outMs = 1000;
        data.clips << clip;
    }
    return data;
}

} // namespace

class TestFEditDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        FMessageDialog::setAnswerer({});
        KvFramelessDialog::setAnswerer({});
    }

    void projectSettingsApplyToProject_data()
    {
        QTest::addColumn<int>("aspectIndex"); // 0 custom
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("changed");

        QTest::newRow("portrait preset keeps the rate") << 4 << 1080 << 1920 << 30.0 << 1 << true;
        QTest::newRow("custom size and rate") << 0 << 1280 << 720 << 59.94 << 1 << true;
        QTest::newRow("cancelled") << 0 << 1280 << 720 << 25.0 << 0 << false;
    }
    void projectSettingsApplyToProject()
    {
        QFETCH(int, aspectIndex);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, rate);
        QFETCH(int, answer);
        QFETCH(bool, changed);
        KvProject project(KvProjectData{});
        FProjectSettingsDialog dialog(&project);
        QCOMPARE(dialog.aspectBox()->currentIndex(), 1); // 1920 x 1080 is the 16:9 preset
        int aspectAfterEdit = -1;
        KvFramelessDialog::setAnswerer([&](KvFramelessDialog &shown) -> int {
            if (aspectIndex > 0) {
                emit dialog.aspectBox()->activated(aspectIndex);
            } else {
                shown.findChild<QSpinBox *>("FProjectSettingsDialog_Width")->setValue(width);
                shown.findChild<QSpinBox *>("FProjectSettingsDialog_Height")->setValue(height);
                aspectAfterEdit = dialog.aspectBox()->currentIndex();
            }
            shown.findChild<QDoubleSpinBox *>("FProjectSettingsDialog_FrameRate")->setValue(rate);
            shown.button(answer)->click();
            return shown.result();
        });
        QCOMPARE(dialog.DoModal(), answer);
        if (aspectIndex == 0)
            QCOMPARE(aspectAfterEdit, 0); // hand-edited: custom
        const KvProjectSettings settings = project.settings();
        QCOMPARE(settings.width == width && settings.height == height && qFuzzyCompare(settings.frameRate, rate),
                 changed);
        if (!changed)
            QCOMPARE(settings, KvProjectSettings());
    }

    void silenceDetector_data()
    {
        QTest::addColumn<Segments>("segments");
        QTest::addColumn<double>("thresholdDb");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<Ranges>("expected");

        const Segments speech = {{1000, 10000}, {1000, 0}, {300, 10000}, {200, 0}, {500, 10000}};
        QTest::newRow("long pause only") << speech << -40.0 << 500 << Ranges{{1000, 2000}};
        QTest::newRow("short pause too") << speech << -40.0 << 100 << Ranges{{1000, 2000}, {2300, 2500}};
        QTest::newRow("threshold above the speech") << speech << -6.0 << 500 << Ranges{{0, 3000}};
        QTest::newRow("quiet hum under the threshold")
            << Segments{{600, 50}, {400, 10000}} << -40.0 << 500 << Ranges{{0, 600}};
        QTest::newRow("silence at the end") << Segments{{400, 10000}, {700, 0}} << -40.0 << 500 << Ranges{{400, 1100}};
        QTest::newRow("no silence") << Segments{{800, 10000}} << -40.0 << 10 << Ranges{};
        QTest::newRow("empty file") << Segments{} << -40.0 << 10 << Ranges{};
    }
    void silenceDetector()
    {
        QFETCH(Segments, segments);
        QFETCH(double, thresholdDb);
        QFETCH(int, minMs);
        QFETCH(Ranges, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("tone.wav");
        writeTone(path, segments);
        Ranges ranges;
        QVERIFY(FSilenceDetector::detect(path, thresholdDb, minMs, &ranges));
        QCOMPARE(ranges, expected);
    }

    void silenceDialogSkipsWhatItCannotRead()
    {
        QTemporaryDir dir;
        writeTone(dir.filePath("a.wav"), {{500, 10000}, {1000, 0}});
        QFile broken(dir.filePath("b.WAV"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not audio");
        broken.close();
        FSilenceDetectionDialog dialog({dir.filePath("a.wav"), broken.fileName(), dir.filePath("c.mp4")});
        QSignalSpy done(&dialog, &FSilenceDetectionDialog::sigDetectionFinished);
        QVERIFY(dialog.detect());
        QVERIFY(!dialog.detect()); // one run at a time
        QVERIFY(done.wait(10000));
        const FSilenceDetectionDialog::Results results = dialog.results();
        QCOMPARE(results.keys(), QStringList{dir.filePath("a.wav")});
        QCOMPARE(results.value(dir.filePath("a.wav")), (Ranges{{500, 1500}}));
        const std::atomic_bool cancelled(true);
        Ranges ranges;
        QVERIFY(!FSilenceDetector::detect(dir.filePath("a.wav"), -40, 100, &ranges, nullptr, &cancelled));

        FSilenceDetectionDialog nothing({dir.filePath("c.mp4")});
        QVERIFY(!nothing.detect());
    }

    void audioMixerKeepsLevelsPerProject()
    {
        KvProject project(projectWithTracks({2, 0, 2}), "/projects/mix.kvp");
        QCOMPARE(FAudioMixerDialog::tracksOf(&project), (QList<int>{0, 2}));
        {
            FAudioMixerDialog mixer(&project);
            QCOMPARE(mixer.volumes(), (QMap<int, int>{{-1, 100}, {0, 100}, {2, 100}}));
            mixer.setVolume(0, 250);
            mixer.setVolume(2, -5);
            mixer.setVolume(7, 50); // no such track
            QCOMPARE(mixer.volumes(), (QMap<int, int>{{-1, 100}, {0, 200}, {2, 0}}));
            QVERIFY(!mixer.slider(0)->accessibleName().isEmpty());
        }
        FAudioMixerDialog again(&project);
        QCOMPARE(again.volumes().value(0), 200);
        KvProject other(projectWithTracks({0}), "/projects/other.kvp");
        QCOMPARE(FAudioMixerDialog(&other).volumes().value(0), 100);
        again.resetVolumes();
        QCOMPARE(FAudioMixerDialog(&project).volumes().value(0), 100);
    }

    void audioEffectOverride_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("remembered");

        QTest::newRow("apply") << 1 << false << 1 << false;
        QTest::newRow("apply, don't show again") << 1 << true << 1 << true;
        QTest::newRow("cancel, don't show again") << 0 << true << 0 << false;
        QTest::newRow("window closed") << -1 << false << 0 << false;
    }
    void audioEffectOverride()
    {
        QFETCH(int, clicked);
        QFETCH(bool, checked);
        QFETCH(int, answer);
        QFETCH(bool, remembered);
        KvConfig::Instance()->SetAudioEffectOverwriteTipDontShow(false);
        FMessageDialog::setAnswerer([&](FMessageDialog &dialog) {
            dialog.setChecked(checked);
            return clicked < 0 ? int(FMessageDialog::Closed) : clicked;
        });
        FAudioEffectOverrideDialog dialog;
        QCOMPARE(dialog.ask(), answer);
        QCOMPARE(KvConfig::Instance()->IsAudioEffectOverwriteTipDontShow(), remembered);
    }

    void splitUnGroup_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("answer");

        QTest::newRow("ungroup") << int(FSplitUnGroupDialog::UnGroup) << false << 1;
        QTest::newRow("keep, remembered") << int(FSplitUnGroupDialog::KeepGroup) << true << 0;
        QTest::newRow("closed keeps the group") << int(FMessageDialog::Closed) << true << 0;
    }
    void splitUnGroup()
    {
        QFETCH(int, clicked);
        QFETCH(bool, checked);
        QFETCH(int, answer);
        FMessageDialog::setAnswerer([&](FMessageDialog &dialog) {
            dialog.setChecked(checked);
            return clicked;
        });
        FSplitUnGroupDialog dialog;
        QVERIFY(!dialog.checkBoxText().isEmpty());
        QCOMPARE(dialog.ask(), answer);
        QCOMPARE(dialog.rememberChoice(), checked);
    }

    void feedbackReport_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("email");
        QTest::addColumn<bool>("sent");

        QTest::newRow("description only") << "It froze on export" << "" << true;
        QTest::newRow("with e-mail") << "Crash" << "me@example.org" << true;
        QTest::newRow("blank description") << "  \n " << "me@example.org" << false;
        QTest::newRow("malformed e-mail") << "Crash" << "me@" << false;
    }
    void feedbackReport()
    {
        QFETCH(QString, description);
        QFETCH(QString, email);
        QFETCH(bool, sent);
        QFile::remove(FExceptionFeedbackDialog::reportFilePath());
        FExceptionFeedbackDialog dialog(FExceptionFeedbackDialog::Mode::Exception);
        dialog.setDescription(description);
        dialog.setEmail(email);
        KvFramelessDialog::setAnswerer([](KvFramelessDialog &shown) {
            shown.button(FExceptionFeedbackDialog::Sent)->click();
            return shown.result();
        });
        dialog.show();
        QCOMPARE(dialog.DoModal(), sent ? 1 : 0);
        // A report that cannot go keeps the window and says why.
        QCOMPARE(dialog.isVisible(), !sent);
        QCOMPARE(dialog.findChild<QLabel *>("FExceptionFeedbackDialog_Message")->isVisibleTo(&dialog), !sent);
        QFile file(FExceptionFeedbackDialog::reportFilePath());
        QCOMPARE(file.exists(), sent);
        if (!sent)
            return;
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 2);
        const QJsonObject report = QJsonDocument::fromJson(lines.first()).object();
        QCOMPARE(report.value("description").toString(), description.trimmed());
        QCOMPARE(report.value("email").toString(), email);
        QCOMPARE(report.value("kind").toString(), QStringLiteral("exception"));
    }

    void quickStartSteps()
    {
        FQuickStartMgr manager;
        QSignalSpy steps(&manager, &FQuickStartMgr::sigStepChanged);
        QSignalSpy completed(&manager, &FQuickStartMgr::sigCompleted);
        manager.continueGuide(); // not started: nothing
        manager.start();
        manager.start(); // already running: no restart
        manager.setQuickStartState(FQuickStartMgr::StepCount);
        manager.continueGuide();
        manager.continueGuide();
        manager.continueGuide();
        QCOMPARE(steps.size(), 3);
        QCOMPARE(steps.at(2).at(0).toInt(), int(FQuickStartMgr::ExportVideo));
        QCOMPARE(completed.size(), 1);
        QVERIFY(manager.isCompleted() && !manager.isRunning());
        manager.start();
        QCOMPARE(steps.size(), 3);
        for (int step = 0; step < FQuickStartMgr::StepCount; ++step)
            QVERIFY(!FQuickStartMgr::stepText(step).isEmpty());
    }

    void floatingWidgets()
    {
        QWidget player;
        player.resize(640, 360);
        KvTextFloatingAdjustWidget text(&player);
        QVERIFY(text.isHidden());
        text.setFewerThanTwoTextItems(false);
        text.attach();
        QVERIFY(text.isVisibleTo(&player) && text.isAttached());
        QVERIFY(text.findChild<QToolButton *>("KvTextFloatingAdjustWidget_NextBtn")->isVisibleTo(&text));
        text.setFewerThanTwoTextItems(true);
        QVERIFY(!text.findChild<QToolButton *>("KvTextFloatingAdjustWidget_NextBtn")->isVisibleTo(&text));
        text.detach();
        QVERIFY(text.isHidden() && !text.isAttached());

        KvSplitScreenFloatingWidget split(&player);
        QSignalSpy chosen(&split, &KvSplitScreenFloatingWidget::sigLayoutChosen);
        split.showFor(KvSplitScreenFloatingWidget::Grid);
        QCOMPARE(split.currentLayout(), int(KvSplitScreenFloatingWidget::Grid));
        split.findChild<QToolButton *>("KvSplitScreenFloatingWidget_Stacked")->click();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.at(0).at(0).toInt(), int(KvSplitScreenFloatingWidget::Stacked));
        split.clear();
        QCOMPARE(split.currentLayout(), -1);
        QVERIFY(split.isHidden());
        QCOMPARE(KvSplitScreenFloatingWidget::cellCount(KvSplitScreenFloatingWidget::Grid), 4);
        QCOMPARE(KvSplitScreenFloatingWidget::cellCount(99), 0);
        for (QWidget *widget : {static_cast<QWidget *>(&text), static_cast<QWidget *>(&split)}) {
            for (QToolButton *button : widget->findChildren<QToolButton *>())
                QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
        }
    }

    void userDetailAskedOnce()
    {
        QFile::remove(FUserDetailCollectHelper::answersFilePath());
        FUserDetailCollectHelper helper;
        QVERIFY(helper.shouldAsk());
        QVERIFY(!helper.collect("Personal")); // stored keys only, case and all
        QVERIFY(helper.shouldAsk());
        QVERIFY(helper.collect("business"));
        QVERIFY(!helper.shouldAsk());
    }

    // Every control a user can operate is named for screen readers and GUI tests.
    void accessibleNames_data()
    {
        QTest::addColumn<WidgetFactory>("make");
        static KvProject project(projectWithTracks({0, 1}));
        QTest::newRow("voice-over") << WidgetFactory([] { return new KvAudioRecordView; });
        QTest::newRow("webcam") << WidgetFactory([] { return new KvWebcamRecordView; });
        QTest::newRow("speech service") << WidgetFactory([] { return new KvSpeechServiceDialog; });
        QTest::newRow("speech to text") << WidgetFactory([] { return new KvSpeechToTextParamDialog; });
        QTest::newRow("text to speech") << WidgetFactory([] { return new KvTextToSpeechParamDialog; });
        QTest::newRow("project settings") << WidgetFactory([] { return new FProjectSettingsDialog(&project); });
        QTest::newRow("silence detection")
            << WidgetFactory([] { return new FSilenceDetectionDialog({"/media/a.wav"}); });
        QTest::newRow("audio mixer") << WidgetFactory([] { return new FAudioMixerDialog(&project); });
        QTest::newRow("audio effect override") << WidgetFactory([] { return new FAudioEffectOverrideDialog; });
        QTest::newRow("split ungroup") << WidgetFactory([] { return new FSplitUnGroupDialog; });
        QTest::newRow("feedback") << WidgetFactory(
            [] { return new FExceptionFeedbackDialog(FExceptionFeedbackDialog::Mode::Information); });
        QTest::newRow("match project")
            << WidgetFactory([] { return new FMatchProjectDialog(KvProjectSettings(), KvProjectSettings()); });
        QTest::newRow("text floating") << WidgetFactory([] {
            auto *widget = new KvTextFloatingAdjustWidget;
            widget->setFewerThanTwoTextItems(false);
            return widget;
        });
        QTest::newRow("split screen") << WidgetFactory([] { return new KvSplitScreenFloatingWidget(nullptr); });
    }
    void accessibleNames()
    {
        QFETCH(WidgetFactory, make);
        const std::unique_ptr<QWidget> widget(make());
        widget->show();
        const QStringList unnamed = KvAccessibilityAudit::unnamedControls(widget.get());
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n')));
    }
};

QTEST_MAIN(TestFEditDialogs)
#include "tst_feditdialogs.moc"
