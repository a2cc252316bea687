#pragma once

#include <QLatin1String>

// The names of the commands exchanged over the communicator with helper
// processes and with a second start of the editor. Spelled once, here; the
// misspellings ("METHORD", "EIXT", "NOTIFIY") are part of the wire format
// that the helpers speak and stay as they are.
namespace KvCommand {

constexpr QLatin1String ChangeKorvaneLang("CMD_CHANGE_KORVANE_LANG");
constexpr QLatin1String CloseOtherUseraccountpages("CMD_CLOSE_OTHER_USERACCOUNTPAGES");
constexpr QLatin1String ClouddiskShareinfo("CMD_CLOUDDISK_SHAREINFO");
constexpr QLatin1String DownloadcenterDownloadResultEffect("CMD_DOWNLOADCENTER_DOWNLOAD_RESULT_EFFECT");
constexpr QLatin1String EffectstoretokorvaneAccountinfo("CMD_EFFECTSTORETOKORVANE_ACCOUNTINFO");
constexpr QLatin1String EffectstoreEffectpageEndLoad("CMD_EFFECTSTORE_EFFECTPAGE_END_LOAD");
constexpr QLatin1String EffectstoreLogout("CMD_EFFECTSTORE_LOGOUT");
constexpr QLatin1String EffectstorePackdownload("CMD_EFFECTSTORE_PACKDOWNLOAD");
constexpr QLatin1String EffectstoreReopen("CMD_EFFECTSTORE_REOPEN");
constexpr QLatin1String EffectstoreStart("CMD_EFFECTSTORE_START");
constexpr QLatin1String EffectstoreUpdatetoken("CMD_EFFECTSTORE_UPDATETOKEN");
constexpr QLatin1String ExitRequest("GACMD_EXIT_REQUEST");
constexpr QLatin1String KorvanetoeffectstoreAccountinfo("CMD_KORVANETOEFFECTSTORE_ACCOUNTINFO");
constexpr QLatin1String KorvaneLogout("CMD_KORVANE_LOGOUT");
constexpr QLatin1String KorvaneStart("CMD_KORVANE_START");
constexpr QLatin1String NativeengineMethordCaddy("CMD_NATIVEENGINE_METHORD_CADDY");
constexpr QLatin1String NativeengineMethordClickCaddy("CMD_NATIVEENGINE_METHORD_CLICK_CADDY");
constexpr QLatin1String NativeengineMethordInsertCaddy("CMD_NATIVEENGINE_METHORD_INSERT_CADDY");
constexpr QLatin1String NativeengineMethordSkintypeChange("CMD_NATIVEENGINE_METHORD_SKINTYPE_CHANGE");
constexpr QLatin1String NpsengineActive("CMD_NPSENGINE_ACTIVE");
constexpr QLatin1String NpsengineActived("CMD_NPSENGINE_ACTIVED");
constexpr QLatin1String NpsengineClose("CMD_NPSENGINE_CLOSE");
constexpr QLatin1String NpsengineLoaded("CMD_NPSENGINE_LOADED");
constexpr QLatin1String NpsengineReload("CMD_NPSENGINE_RELOAD");
constexpr QLatin1String OpenProject("CMD_OPEN_PROJECT");
constexpr QLatin1String OrvalaDownload("CMD_ORVALA_DOWNLOAD");
constexpr QLatin1String OrvalaReopen("CMD_ORVALA_REOPEN");
constexpr QLatin1String OrvalaStarted("CMD_ORVALA_STARTED");
constexpr QLatin1String HelperEcho("CMD_HELPER_ECHO");
constexpr QLatin1String RecorderActiveRequest("CMD_RECORDER_ACTIVE_REQUEST");
constexpr QLatin1String RecorderCapturedirNotifiy("CMD_RECORDER_CAPTUREDIR_NOTIFIY");
constexpr QLatin1String RecorderEixtNotifiy("CMD_RECORDER_EIXT_NOTIFIY");
constexpr QLatin1String RecorderEixtRequest("CMD_RECORDER_EIXT_REQUEST");
constexpr QLatin1String RecorderFilepathNotifiy("CMD_RECORDER_FILEPATH_NOTIFIY");
constexpr QLatin1String ReopenApp("CMD_REOPEN_APP");
constexpr QLatin1String TrackerDataCollect("TESSARACORPCMD_TRACKER_DATA_COLLECT");
constexpr QLatin1String TrackServerPid("GACMD_TRACK_SERVER_PID");
constexpr QLatin1String TrackPublic("GACMD_TRACK_PUBLIC");

} // namespace KvCommand
