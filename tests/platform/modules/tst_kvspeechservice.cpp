// Speech jobs, their window and the two parameter dialogs.
#include "FMessageDialog.h"
#include "KvSpeechServiceDialog.h"
#include "KvSpeechToTextParamDialog.h"
#include "KvTextToSpeechParamDialog.h"
#include "KvWavFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

// The editing modules own these; the speech service only carries pointers to
// them, so this test gives them bodies of its own.
class IKvClip
{
};
class IKvTimeline
{
};

namespace {

IKvClip g_clips[3];
IKvTimeline g_timeline;

int srtCueCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return QString::fromUtf8(file.readAll()).count(" --> ");
}

} // namespace

class TestKvSpeechService : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void useTempFolders(KvSpeechServicePresenter &presenter)
    {
        presenter.setOutputFolder(KvSpeechTaskKind::SpeechToText, m_dir.filePath("stt"));
        presenter.setOutputFolder(KvSpeechTaskKind::TextToSpeech, m_dir.filePath("tts"));
    }

private slots:
    void cleanup() { FMessageDialog::setAnswerer({}); }

    void speechLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("ms");

        QTest::newRow("empty text still speaks a moment") << "" << qint64(500);
        QTest::newRow("short word") << "Hi" << qint64(500);
        QTest::newRow("surrounding blanks do not count") << "   Hello, how are you?   " << qint64(19 * 70);
        QTest::newRow("sentence") << "Welcome to the show!" << qint64(20 * 70);
    }
    void speechLength()
    {
        QFETCH(QString, text);
        QFETCH(qint64, ms);
        QCOMPARE(KvSpeechServicePresenter::speechLengthMs(text), ms);
    }

    void subtitleCues_data()
    {
        QTest::addColumn<qint64>("durationMs");
        QTest::addColumn<int>("cues");
        QTest::addColumn<QString>("lastTiming");

        QTest::newRow("nothing to hear") << qint64(0) << 1 << "00:00:00,000 --> 00:00:00,001";
        QTest::newRow("exactly one cue") << qint64(5000) << 1 << "00:00:00,000 --> 00:00:05,000";
        QTest::newRow("one millisecond more") << qint64(5001) << 2 << "00:00:05,000 --> 00:00:05,001";
        QTest::newRow("past an hour") << qint64(3600000 + 61500) << 733 << "01:01:00,000 --> 01:01:01,500";
    }
    void subtitleCues()
    {
        QFETCH(qint64, durationMs);
        QFETCH(int, cues);
        QFETCH(QString, lastTiming);
        const QString text = KvSpeechServicePresenter::subtitleText(durationMs, "en-US");
        QCOMPARE(text.count(" --> "), cues);
        QVERIFY(text.contains(lastTiming + "\n"));
        QVERIFY(text.startsWith("1\n00:00:00,000 --> "));
        QVERIFY(text.contains(QStringLiteral("\n%1\n").arg(cues)) || cues == 1);
    }

    void refusesJobsWithoutTargets()
    {
        KvSpeechServicePresenter presenter;
        KvSpeechTaskParams params;
        QCOMPARE(presenter.startTask(params), -1);
        params.target = KvSpeechTarget::Timeline;
        params.rangeBeginMs = params.rangeEndMs = 4000;
        QCOMPARE(presenter.startTask(params), -1);
        params.kind = KvSpeechTaskKind::TextToSpeech;
        QCOMPARE(presenter.startTask(params), -1);
        QVERIFY(presenter.tasks().isEmpty());
        QVERIFY(!presenter.hasRunningTask());
    }

    void textToSpeechWritesOneWavPerClip()
    {
        KvSpeechServicePresenter presenter;
        useTempFolders(presenter);
        QList<KvSpeechFileEvent> files;
        connect(&presenter, &KvSpeechServicePresenter::sigAudioFileGenerated, this,
                [&](const KvSpeechFileEvent &event) { files << event; });
        QSignalSpy finished(&presenter, &KvSpeechServicePresenter::sigTaskFinish);
        KvSpeechTaskParams params;
        params.kind = KvSpeechTaskKind::TextToSpeech;
        params.clips = {&g_clips[0], &g_clips[1]};
        params.texts = QStringList{"Hello there, everyone", "Bye"};
        const int id = presenter.startTask(params);
        QVERIFY(id > 0);
        QVERIFY(presenter.hasRunningTask());
        QVERIFY(files.isEmpty()); // nothing happens before the event loop turns
        QTRY_COMPARE(finished.size(), 1);

        QCOMPARE(files.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(files.at(i).clip, &g_clips[i]);
            QCOMPARE(files.at(i).taskId, id);
            QCOMPARE(files.at(i).isStart, i == 0);
            KvWavFile::Format format;
            QVERIFY(KvWavFile::readFormat(files.at(i).path, &format));
            QCOMPARE(format.durationMs(), KvSpeechServicePresenter::speechLengthMs(params.texts.at(i)));
        }
        QCOMPARE(presenter.tasks().first().state, KvSpeechServicePresenter::TaskState::Finished);
        QVERIFY(!presenter.hasRunningTask());
    }

    void speechToTextTargets_data()
    {
        QTest::addColumn<bool>("onTimeline");
        QTest::addColumn<QList<int>>("cueCounts");

        QTest::newRow("two clips") << false << QList<int>{1, 3};
        QTest::newRow("timeline range") << true << QList<int>{2};
    }
    void speechToTextTargets()
    {
        QFETCH(bool, onTimeline);
        QFETCH(QList<int>, cueCounts);
        KvSpeechServiceDialog dialog;
        useTempFolders(*dialog.presenter());
        QStringList order;
        QList<IKvClip *> clips;
        QList<IKvTimeline *> timelines;
        QList<qint64> begins;
        connect(&dialog, &KvSpeechServiceDialog::sigSrtProductFileGenerate, this,
                [&](const QString &path, const QString &folder, IKvClip *clip, qint64 beginPos, bool isStart) {
                    QVERIFY(!folder.isEmpty());
                    order << QStringLiteral("product %1 %2").arg(QFileInfo(path).fileName()).arg(isStart);
                    clips << clip;
                    begins << beginPos;
                });
        connect(&dialog, &KvSpeechServiceDialog::sigSrtFileGenerate, this,
                [&](const QString &path, IKvClip *, IKvTimeline *timeline) {
                    order << "srt " + QFileInfo(path).fileName();
                    timelines << timeline;
                });
        connect(&dialog, &KvSpeechServiceDialog::sigTaskFinish, this, [&] { order << "finish"; });

        KvSpeechTaskParams params;
        if (onTimeline) {
            params.target = KvSpeechTarget::Timeline;
            params.timeline = &g_timeline;
            params.rangeBeginMs = 1000;
            params.rangeEndMs = 7000;
            params.clips = {&g_clips[0]}; // the range wins over a selection
        } else {
            params.clips = {&g_clips[0], &g_clips[1]};
            params.durationsMs = {3000, 12000};
        }
        QVERIFY(dialog.presenter()->startTask(params) > 0);
        QTRY_VERIFY(order.contains("finish"));

        const QStringList files = dialog.presenter()->tasks().first().files;
        QCOMPARE(files.size(), cueCounts.size());
        QStringList expected;
        for (int i = 0; i < files.size(); ++i) {
            QCOMPARE(srtCueCount(files.at(i)), cueCounts.at(i));
            const QString name = QFileInfo(files.at(i)).fileName();
            expected << QStringLiteral("product %1 %2").arg(name).arg(i == 0) << "srt " + name;
        }
        expected << "finish";
        QCOMPARE(order, expected);
        if (onTimeline) {
            QCOMPARE(clips, QList<IKvClip *>{nullptr});
            QCOMPARE(timelines, QList<IKvTimeline *>{&g_timeline});
            QCOMPARE(begins, QList<qint64>{1000});
        } else {
            QCOMPARE(clips, (QList<IKvClip *>{&g_clips[0], &g_clips[1]}));
            QCOMPARE(timelines, (QList<IKvTimeline *>{nullptr, nullptr}));
        }
        // The window lists the job; a double click asks to locate its file.
        QListWidget *list = dialog.taskList(KvSpeechServiceDialog::SpeechToTextTab);
        QCOMPARE(list->count(), 1);
        QVERIFY(list->item(0)->text().contains(QFileInfo(files.last()).fileName()));
        QSignalSpy locate(&dialog, &KvSpeechServiceDialog::sigFindMatterLocation);
        emit list->itemDoubleClicked(list->item(0));
        QCOMPARE(locate.size(), 1);
        QCOMPARE(locate.at(0).at(0).toString(), files.last());
    }

    // A job cancelled from a receiver of its first file writes no more and
    // does not ask for the file to be placed.
    void cancelFromReceiverStopsJob()
    {
        KvSpeechServiceDialog dialog;
        useTempFolders(*dialog.presenter());
        int placed = 0;
        connect(&dialog, &KvSpeechServiceDialog::sigSrtProductFileGenerate, this,
                [&] { dialog.presenter()->cancelAll(); });
        connect(&dialog, &KvSpeechServiceDialog::sigSrtFileGenerate, this, [&] { ++placed; });
        KvSpeechTaskParams params;
        params.clips = {&g_clips[0], &g_clips[1], &g_clips[2]};
        QVERIFY(dialog.presenter()->startTask(params) > 0);
        QTRY_VERIFY(!dialog.presenter()->hasRunningTask());
        QTest::qWait(50);
        QCOMPARE(dialog.presenter()->tasks().first().state, KvSpeechServicePresenter::TaskState::Cancelled);
        QCOMPARE(dialog.presenter()->tasks().first().files.size(), 1);
        QCOMPARE(placed, 0);
    }

    void unwritableFolderFailsJob()
    {
        KvSpeechServicePresenter presenter;
        QFile blocker(m_dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        presenter.setOutputFolder(KvSpeechTaskKind::TextToSpeech, blocker.fileName() + "/tts");
        QSignalSpy finished(&presenter, &KvSpeechServicePresenter::sigTaskFinish);
        KvSpeechTaskParams params;
        params.kind = KvSpeechTaskKind::TextToSpeech;
        params.clips = {&g_clips[0], &g_clips[1]};
        QVERIFY(presenter.startTask(params) > 0);
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(presenter.tasks().first().state, KvSpeechServicePresenter::TaskState::Failed);
        QVERIFY(presenter.tasks().first().files.isEmpty());
    }

    void checkCanClose_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("canClose");
        QTest::addColumn<bool>("asked");

        QTest::newRow("idle: no question") << false << 0 << true << false;
        QTest::newRow("running, stop") << true << 1 << true << true;
        QTest::newRow("running, cancel") << true << 0 << false << true;
    }
    void checkCanClose()
    {
        QFETCH(bool, running);
        QFETCH(int, answer);
        QFETCH(bool, canClose);
        QFETCH(bool, asked);
        KvSpeechServiceDialog dialog;
        useTempFolders(*dialog.presenter());
        bool questioned = false;
        FMessageDialog::setAnswerer([&](FMessageDialog &question) {
            questioned = true;
            return question.button(answer) ? answer : -1;
        });
        if (running) {
            KvSpeechTaskParams params;
            params.clips = {&g_clips[0]};
            QVERIFY(dialog.presenter()->startTask(params) > 0);
        }
        QCOMPARE(dialog.checkCanClose(), canClose);
        QCOMPARE(questioned, asked);
        QCOMPARE(dialog.presenter()->hasRunningTask(), running && !canClose);
    }

    void raiseOnFirstTab()
    {
        KvSpeechServiceDialog dialog;
        dialog.setCurrentTab(KvSpeechServiceDialog::TextToSpeechTab);
        dialog.raiseOnFirstTab();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.currentTab(), int(KvSpeechServiceDialog::SpeechToTextTab));
    }

    void speechToTextTargetChoice_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("clipsEnabled");
        QTest::addColumn<bool>("timelineEnabled");
        QTest::addColumn<int>("target");

        QTest::newRow("clips only") << int(KvSpeechTargetChoice::ClipsOnly) << true << false
                                    << int(KvSpeechTarget::Clips);
        QTest::newRow("timeline only") << int(KvSpeechTargetChoice::TimelineOnly) << false << true
                                       << int(KvSpeechTarget::Timeline);
        QTest::newRow("both, clips first") << int(KvSpeechTargetChoice::Both) << true << true
                                           << int(KvSpeechTarget::Clips);
    }
    void speechToTextTargetChoice()
    {
        QFETCH(int, choice);
        QFETCH(bool, clipsEnabled);
        QFETCH(bool, timelineEnabled);
        QFETCH(int, target);
        KvSpeechToTextParamDialog dialog;
        dialog.setTargetChoice(KvSpeechTargetChoice::TimelineOnly);
        dialog.setTargetChoice(KvSpeechTargetChoice(choice));
        QCOMPARE(dialog.clipsButton()->isEnabled(), clipsEnabled);
        QCOMPARE(dialog.timelineButton()->isEnabled(), timelineEnabled);
        QCOMPARE(int(dialog.params().target), target);
        QCOMPARE(dialog.params().kind, KvSpeechTaskKind::SpeechToText);
        dialog.languageBox()->setCurrentIndex(dialog.languageBox()->findData("de-DE"));
        QCOMPARE(dialog.params().language, QStringLiteral("de-DE"));
        KvFramelessDialog::setAnswerer([](KvFramelessDialog &shown) {
            shown.button(1)->click();
            return shown.result();
        });
        QCOMPARE(dialog.DoModal(), int(KvSpeechToTextParamDialog::Start));
        KvFramelessDialog::setAnswerer({});
    }

    void textToSpeechVoicesFollowLanguage()
    {
        KvTextToSpeechParamDialog dialog;
        QVERIFY(dialog.voiceBox()->count() > 0);
        dialog.languageBox()->setCurrentIndex(dialog.languageBox()->findData("fr-FR"));
        QVERIFY(dialog.voiceBox()->currentText().startsWith("fr-FR"));
        dialog.voiceBox()->setCurrentIndex(1);
        dialog.useCheckBox()->setChecked(true);
        const KvSpeechTaskParams params = dialog.params();
        QCOMPARE(params.kind, KvSpeechTaskKind::TextToSpeech);
        QCOMPARE(params.language, QStringLiteral("fr-FR"));
        QCOMPARE(params.voiceName, dialog.voiceBox()->itemText(1));
        QVERIFY(params.useCheck);
        for (QWidget *control : {static_cast<QWidget *>(dialog.languageBox()), static_cast<QWidget *>(dialog.voiceBox()),
                                 static_cast<QWidget *>(dialog.useCheckBox())})
            QVERIFY(!control->accessibleName().isEmpty());
    }
};

QTEST_MAIN(TestKvSpeechService)
#include "tst_kvspeechservice.moc"
