#include "FSettingEditingPanel.h"
#include "FTimerDurationView.h"
#include "KvAppSettings.h"
#include "KvSettingsMessageId.h"
#include "RecordingScene.h"

#include <QtTest>
#include <QtWidgets>

namespace {

FEditingSettings &editing()
{
    return KvAppSettings::GetInstance()->GetSettings().GetEditingSettings();
}

constexpr int F = FTimerDurationView::Frames;
constexpr int S = FTimerDurationView::Seconds;

} // namespace

// The duration editor's clamps and units, and what the Editing page stores
// and announces on OK.
class tst_SettingEditingPanel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        editing().Reset();
        m_scene.clear();
        m_panel = std::make_unique<FSettingEditingPanel>();
        m_panel->setScene(&m_scene);
    }
    void cleanup() { m_panel.reset(); }

    void storedDurationShown_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("shown");
        QTest::addColumn<int>("decimals");
        QTest::newRow("0 frames shows 1") << 0 << F << 1.0 << 0;
        QTest::newRow("300000 frames shows 270000") << 300000 << F << 270000.0 << 0;
        QTest::newRow("125 frames in seconds at 25 fps") << 125 << S << 5.0 << 2;
        QTest::newRow("0 frames in seconds shows 0.01") << 0 << S << 0.01 << 2;
        QTest::newRow("over three hours in seconds") << 270025 << S << 10800.0 << 2;
        QTest::newRow("1 frame in seconds") << 1 << S << 0.04 << 2;
    }
    void storedDurationShown()
    {
        QFETCH(int, frames);
        QFETCH(int, type);
        editing().SetPhotoDuration(frames);
        editing().SetPhotoDurationType(type);
        m_panel->Load();
        FTimerDurationView *view = m_panel->durationView(FSettingEditingPanel::PhotoDuration);
        QCOMPARE(view->unitBox()->currentIndex(), type);
        QTEST(view->spinBox()->value(), "shown");
        QTEST(view->spinBox()->decimals(), "decimals");
    }

    // Switching the unit shows what that unit remembers, never a conversion.
    void unitSwitch_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("typed");
        QTest::addColumn<double>("shownAfterSwitch");
        QTest::addColumn<double>("shownAfterSwitchBack");
        // A fresh view remembers 125 frames and 5 s.
        QTest::newRow("seconds to frames") << 250 << S << -1.0 << 125.0 << 10.0;
        QTest::newRow("frames to seconds") << 60 << F << -1.0 << 5.0 << 60.0;
        QTest::newRow("typed seconds kept over a switch") << 250 << S << 3.5 << 125.0 << 3.5;
        QTest::newRow("typed frames kept over a switch") << 60 << F << 80.0 << 5.0 << 80.0;
    }
    void unitSwitch()
    {
        QFETCH(int, frames);
        QFETCH(int, type);
        QFETCH(double, typed);
        FTimerDurationView view;
        view.setDuration(frames, type, FEditingSettings::GetTimerViewFps());
        if (typed >= 0)
            view.spinBox()->setValue(typed);
        view.unitBox()->setCurrentIndex(1 - type);
        QTEST(view.spinBox()->value(), "shownAfterSwitch");
        view.unitBox()->setCurrentIndex(type);
        QTEST(view.spinBox()->value(), "shownAfterSwitchBack");
    }

    void okStoresWholeFrames_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("announced");
        QTest::newRow("4.6 s is 115 frames, not 114") << S << 4.6 << 115 << true;
        QTest::newRow("0.01 s truncates to 0 frames") << S << 0.01 << 0 << false;
        QTest::newRow("0.07 s truncates to 1 frame") << S << 0.07 << 1 << true;
        QTest::newRow("longest in seconds") << S << 10800.0 << 270000 << true;
        QTest::newRow("frames as typed") << F << 99.0 << 99 << true;
        QTest::newRow("the stored 125 frames again") << F << 125.0 << 125 << false;
    }
    void okStoresWholeFrames()
    {
        QFETCH(int, unit);
        QFETCH(double, typed);
        editing().SetPhotoDuration(125);
        editing().SetPhotoDurationType(unit);
        m_panel->Load();
        m_panel->durationView(FSettingEditingPanel::PhotoDuration)->spinBox()->setValue(typed);
        m_panel->Ok();
        QTEST(editing().GetPhotoDuration(), "stored");
        QCOMPARE(editing().GetPhotoDurationType(), unit);
        QFETCH(bool, announced);
        QCOMPARE(m_scene.codes().contains(KvSettingsMsg::PhotoDurationChanged), announced);
    }

    // Which messages one OK sends, in their order, and what it stores.
    void okMessages_data()
    {
        QTest::addColumn<int>("photoFrames");
        QTest::addColumn<bool>("toggleSplit");
        QTest::addColumn<bool>("toggleBlankClick");
        QTest::addColumn<QList<int>>("codes");
        const int photo = KvSettingsMsg::PhotoDurationChanged;
        const int split = KvSettingsMsg::ShowSplitButtonChanged;
        QTest::newRow("nothing changed") << -1 << false << false << QList<int>();
        QTest::newRow("photo duration") << 50 << false << false << QList<int>{photo};
        QTest::newRow("split button") << -1 << true << false << QList<int>{split};
        QTest::newRow("photo duration, then split button") << 50 << true << false << QList<int>{photo, split};
        QTest::newRow("cursor jump is not announced") << -1 << false << true << QList<int>();
    }
    void okMessages()
    {
        QFETCH(int, photoFrames);
        QFETCH(bool, toggleSplit);
        QFETCH(bool, toggleBlankClick);
        editing().SetPhotoDurationType(F);
        m_panel->Load();
        if (photoFrames >= 0)
            m_panel->durationView(FSettingEditingPanel::PhotoDuration)->spinBox()->setValue(photoFrames);
        if (toggleSplit)
            m_panel->splitButtonBox()->toggle();
        if (toggleBlankClick)
            m_panel->blankClickMoveBox()->toggle();
        m_panel->Ok();
        QTEST(m_scene.codes(), "codes");
        QCOMPARE(editing().GetShowSplitButton(), !toggleSplit);
        QCOMPARE(editing().playheadBlankClickMoveEnabled(), !toggleBlankClick);
        for (const RecordingScene::Record &record : m_scene.records())
            QVERIFY2(!record.second.isValid(), "these messages carry no payload");
    }

    void okStoresEveryRow()
    {
        m_panel->Load();
        m_panel->durationView(FSettingEditingPanel::TransitionDuration)->spinBox()->setValue(3);
        m_panel->durationView(FSettingEditingPanel::EffectDuration)->unitBox()->setCurrentIndex(F);
        m_panel->durationView(FSettingEditingPanel::FreezeDuration)->spinBox()->setValue(1.5);
        m_panel->snapshotFormatBox()->setCurrentText(QStringLiteral("JPG"));
        m_panel->photoPlacementBox()->setCurrentIndex(2);
        m_panel->insertModeBox()->setCurrentIndex(1);
        m_panel->Ok();
        QCOMPARE(editing().GetTransitionDuration(), 75);
        QCOMPARE(editing().GetEffectDurationType(), F);
        QCOMPARE(editing().GetEffectDuration(), 125);
        QCOMPARE(editing().GetFreezeDuration(), 37);
        QCOMPARE(editing().GetSnapshotFormat(), QStringLiteral("JPG"));
        QCOMPARE(editing().GetPhotoPlacement(), 2);
        QCOMPARE(editing().GetSplitMode(), 1);
    }

private:
    RecordingScene m_scene;
    std::unique_ptr<FSettingEditingPanel> m_panel;
};

QTEST_MAIN(tst_SettingEditingPanel)
#include "tst_settingeditingpanel.moc"
