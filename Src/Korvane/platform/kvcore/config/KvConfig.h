#pragma once

#include "KvConfigSettings.h"

#include <QString>
#include <QVariant>

#include <memory>

class KvConfigPrivate;

// The per-user configuration store.
//
// Values persist in one JSON file, by default "<userConfigDir>/KvConfig.json"
// (format in KvConfigFile.h). Writes are coalesced: the values set during one
// turn of the application's event loop reach the disk together, in one
// atomic rewrite with one sync, posted to the end of that turn; reads see
// them at once. They are also written by flush(), when the event loop has
// quit (aboutToQuit; from then on every value is written at once), and when
// the store is destroyed or released, so an orderly exit loses nothing.
// Without an application object every value is written at once. Setting the
// crash flag writes at once too: it must be on disk before a crash.
// A value that is already stored writes nothing. Each process caches the
// file; a write re-reads it under an advisory lock ("<file>.lock", waited
// for at most 2 s, then written without it) so values written by other
// processes survive.
// A corrupt file gives the defaults and one error line; its bytes are copied
// to "<file>.corrupt-<time>" before the first write replaces it.
//
// Web addresses (GetCBSUrl) come from the section [CBSUrl] of "CBSUrls.ini",
// looked up first next to the store file (the user's own entries, which may
// also blank a page out) and then in "<applicationDir>/configs". Values that
// hold ';' or ',' must be quoted in the INI file.
//
// Thread-safe.
class KvConfig
{
public:
    static KvConfig *Instance();

    // Tests and tools may open another store. `storeFile` empty: the user's
    // store; `applicationDir` empty: QCoreApplication::applicationDirPath().
    explicit KvConfig(const QString &storeFile = QString(), const QString &applicationDir = QString());
    ~KvConfig();

    KvConfig(const KvConfig &) = delete;
    KvConfig &operator=(const KvConfig &) = delete;

    // Drops the cache and reads the file again, as a new run would; values
    // not yet written are written first. False when the file was corrupt or
    // unreadable (the defaults are used then).
    bool reload();
    // Writes the values set since the last write, now. True when nothing
    // waited or the write succeeded.
    bool flush();
    // How many times this store has rewritten its file (tests).
    int diskWriteCount() const;
    QString storeFile() const;

    // Generic values. `machineScope` keeps the value apart from the user's
    // own (in the same file: an unprivileged user has no machine-wide store).
    // A stored value is converted to the type of `defaultValue` when that is
    // valid; an invalid `value` removes the key. False when a value written
    // at once could not be written to disk (it is still used by this
    // process); a coalesced write reports its failure in the log.
    QVariant GetAppValue(const QString &group, const QString &key, bool machineScope = false,
                         const QVariant &defaultValue = QVariant()) const;
    bool SetAppValue(const QString &group, const QString &key, const QVariant &value, bool machineScope = false);

    // Named settings (KvConfigSettings.h). `keySuffix` is appended to the key
    // for per-item settings such as AlgorithmEnabled.
    template <class T>
    T value(const KvConfigSetting<T> &setting, const QString &keySuffix = QString()) const;
    template <class T>
    bool setValue(const KvConfigSetting<T> &setting, const T &value, const QString &keySuffix = QString());

    // The per-user data directory, root of the editor's per-user paths.
    QString GetKorvaneDirectory() const;
    // "Korvane.ini" next to the store file; the shell reads and writes it
    // itself through QSettings.
    QString GetKorvaneConfigFile() const;

    // Empty when no address is configured for the page key.
    QString GetCBSUrl(const QString &pageKey) const;
    // The page key "UserVideoLabelApi".
    QString GetUserVideoLabelApiUrl() const;

    bool IsFirstStart() const { return value(KvConfigSettings::FirstStart); }
    void SetFirstStart(bool first) { setValue(KvConfigSettings::FirstStart, first); }
    bool IsAppCrashed() const { return value(KvConfigSettings::AppCrashed); }
    void SetAppCrashed(bool crashed)
    {
        setValue(KvConfigSettings::AppCrashed, crashed);
        if (crashed)
            flush();
    }
    // Stored at the first call when absent.
    QDateTime GetKorvaneFirstUsedDateTime();
    void SetKorvaneFirstUsedDateTime(const QDateTime &time) { setValue(KvConfigSettings::KorvaneFirstUsedDateTime, time); }

    // False, with the arguments untouched, when no size is stored.
    bool getMainFormSizeConfig(int &width, int &height) const;
    void setMainFormSizeConfig(int width, int height) { setValue(KvConfigSettings::MainFormSize, QSize(width, height)); }
    bool getMainFormMaximizedConfig() const { return value(KvConfigSettings::MainFormMaximized); }
    void setMainFormMaximizedConfig(bool maximized) { setValue(KvConfigSettings::MainFormMaximized, maximized); }
    bool isVerticalScreen() const { return value(KvConfigSettings::VerticalScreen); }
    void setVerticalScreen(bool vertical) { setValue(KvConfigSettings::VerticalScreen, vertical); }
    int getMainPlayerVolume() const { return value(KvConfigSettings::MainPlayerVolume); }
    void setMainPlayerVolume(int volume) { setValue(KvConfigSettings::MainPlayerVolume, volume); }
    int GetExportPageIndex() const { return value(KvConfigSettings::ExportPageIndex); }
    void SetExportPageIndex(int index) { setValue(KvConfigSettings::ExportPageIndex, index); }

    bool IsUpdataDriverShowed() const { return value(KvConfigSettings::UpdataDriverShowed); }
    void SetUpdataDriverShowed(bool showed) { setValue(KvConfigSettings::UpdataDriverShowed, showed); }
    bool IsShowHomePageUpdated() const { return value(KvConfigSettings::ShowHomePageUpdated); }
    void SetShowHomePageUpdated(bool updated) { setValue(KvConfigSettings::ShowHomePageUpdated, updated); }
    bool IsAudioEffectOverwriteTipDontShow() const { return value(KvConfigSettings::AudioEffectOverwriteTipDontShow); }
    void SetAudioEffectOverwriteTipDontShow(bool dontShow) { setValue(KvConfigSettings::AudioEffectOverwriteTipDontShow, dontShow); }
    bool getUpgradeCycleChangeHadShow() const { return value(KvConfigSettings::UpgradeCycleChangeHadShow); }
    void setUpgradeCycleChangeHadShow(bool showed) { setValue(KvConfigSettings::UpgradeCycleChangeHadShow, showed); }
    bool IsCreativeHintShowed() const { return value(KvConfigSettings::CreativeHintShowed); }
    void SetCreativeHintShowed(bool showed) { setValue(KvConfigSettings::CreativeHintShowed, showed); }
    // The main form's first-use hint of the creative helper: an application
    // value of its own group, written when the helper opens.
    static constexpr const char *CreativeHintFirstTimeGroup = "FirstTime";
    static constexpr const char *CreativeHintFirstTimeKey = "IsCreativeHintShowed";
    bool IsCreativeHintFirstTimeShowed() const
    {
        return GetAppValue(QLatin1String(CreativeHintFirstTimeGroup), QLatin1String(CreativeHintFirstTimeKey), false, false).toBool();
    }
    void SetCreativeHintFirstTimeShowed(bool showed)
    {
        SetAppValue(QLatin1String(CreativeHintFirstTimeGroup), QLatin1String(CreativeHintFirstTimeKey), showed, false);
    }
    bool IsCreativeUpdated() const { return value(KvConfigSettings::CreativeUpdated); }
    void SetCreativeUpdated(bool updated) { setValue(KvConfigSettings::CreativeUpdated, updated); }
    qint64 GetCreativeUpdateTime() const { return value(KvConfigSettings::CreativeUpdateTime); }
    void SetCreativeUpdateTime(qint64 secondsSinceEpoch) { setValue(KvConfigSettings::CreativeUpdateTime, secondsSinceEpoch); }
    bool IsCollectionLabelShowed() const { return value(KvConfigSettings::CollectionLabelShowed); }
    void SetCollectionLabelShowed(bool showed) { setValue(KvConfigSettings::CollectionLabelShowed, showed); }

    bool IsGuideShowed() const { return value(KvConfigSettings::GuideShowed); }
    void SetGuideShowed(bool showed) { setValue(KvConfigSettings::GuideShowed, showed); }
    bool IsTipShowed() const { return value(KvConfigSettings::TipShowed); }
    void SetTipShowed(bool showed) { setValue(KvConfigSettings::TipShowed, showed); }
    bool IsBorisFXGuideShowed() const { return value(KvConfigSettings::BorisFXGuideShowed); }
    void SetBorisFXGuideShowed(bool showed) { setValue(KvConfigSettings::BorisFXGuideShowed, showed); }

    bool isMediaDeleteConfirm() const { return value(KvConfigSettings::MediaDeleteConfirm); }
    void setMediaDeleteConfirm(bool confirm) { setValue(KvConfigSettings::MediaDeleteConfirm, confirm); }
    bool IsProjectTemplateGuidanceNoNeedShow() const { return value(KvConfigSettings::ProjectTemplateGuidanceNoNeedShow); }
    void SetProjectTemplateGuidanceNoNeedShow(bool noNeed) { setValue(KvConfigSettings::ProjectTemplateGuidanceNoNeedShow, noNeed); }
    bool IsProjectTemplateBackupCustomShow() const { return value(KvConfigSettings::ProjectTemplateBackupCustomShow); }
    void SetProjectTemplateBackupCustomShow(bool show) { setValue(KvConfigSettings::ProjectTemplateBackupCustomShow, show); }
    bool IsProjectTemplateShareCustomShow() const { return value(KvConfigSettings::ProjectTemplateShareCustomShow); }
    void SetProjectTemplateShareCustomShow(bool show) { setValue(KvConfigSettings::ProjectTemplateShareCustomShow, show); }
    bool IsProjectTemplateFirstApplyToTimeline() const { return value(KvConfigSettings::ProjectTemplateFirstApplyToTimeline); }
    void SetProjectTemplateFirstApplyToTimeline(bool first) { setValue(KvConfigSettings::ProjectTemplateFirstApplyToTimeline, first); }
    bool isCustomProjectTemplateShowNext() const { return value(KvConfigSettings::CustomProjectTemplateShowNext); }
    void setCustomProjectTemplateShowNext(bool show) { setValue(KvConfigSettings::CustomProjectTemplateShowNext, show); }
    bool IsProjectTemplateInsertReplaceNoNeedShow() const { return value(KvConfigSettings::ProjectTemplateInsertReplaceNoNeedShow); }
    void SetProjectTemplateInsertReplaceNoNeedShow(bool noNeed) { setValue(KvConfigSettings::ProjectTemplateInsertReplaceNoNeedShow, noNeed); }
    bool IsMediaCustomTipNoNeedShow() const { return value(KvConfigSettings::MediaCustomTipNoNeedShow); }
    void SetMediaCustomTipNoNeedShow(bool noNeed) { setValue(KvConfigSettings::MediaCustomTipNoNeedShow, noNeed); }
    bool isMediaFolderNewLogo_NoNeedShow() const { return value(KvConfigSettings::MediaFolderNewLogoNoNeedShow); }
    void setMediaFolderNewLogo_NoNeedShow(bool noNeed) { setValue(KvConfigSettings::MediaFolderNewLogoNoNeedShow, noNeed); }
    bool isLossLessRemoveConfirm() const { return value(KvConfigSettings::LossLessRemoveConfirm); }
    void setLossLessRemoveConfirm(bool confirm) { setValue(KvConfigSettings::LossLessRemoveConfirm, confirm); }

    QDate GetNPSShowDate() const { return value(KvConfigSettings::NPSShowDate); }
    void SetNPSShowDate(const QDate &date) { setValue(KvConfigSettings::NPSShowDate, date); }
    int GetNpsShowDuration() const { return value(KvConfigSettings::NpsShowDuration); }
    void SetNpsShowDuration(int days) { setValue(KvConfigSettings::NpsShowDuration, days); }
    qint64 GetNpsTimingTime() const { return value(KvConfigSettings::NpsTimingTime); }
    void SetNpsTimingTime(qint64 milliseconds) { setValue(KvConfigSettings::NpsTimingTime, milliseconds); }

    bool isAlgorithmEnabled(int type) const { return value(KvConfigSettings::AlgorithmEnabled, algorithmKey(type)); }
    void setAlgorithmEnabled(int type, bool enabled) { setValue(KvConfigSettings::AlgorithmEnabled, enabled, algorithmKey(type)); }

    // State of this run only, never stored.
    bool existOpenFXPopup() const;
    void setOpenFXPopupExist(bool exists);
    bool IsProjectTemplateGuidanceNoNeedShowThisRun() const;
    void SetProjectTemplateGuidanceNoNeedShowThisRun(bool noNeed);

private:
    static QString algorithmKey(int type) { return QStringLiteral(".%1").arg(type); }

    // Shared with the posted flush, which must not outlive the store.
    std::shared_ptr<KvConfigPrivate> d;
};
