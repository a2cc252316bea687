#pragma once

#include <QLatin1String>

// The names of the commands exchanged over the communicator with helper
// processes and with a second start of the editor. Spelled once, here; the
// misspellings ("METHORD", "EIXT", "NOTIFIY") are part of the wire format
// that the helpers speak and stay as they are.
namespace KvCommand {

// QLatin1String(const char *) counts with strlen, which only some compilers
// evaluate at compile time; the array's length is known everywhere.
template <int N>
constexpr QLatin1String commandName(const char (&text)[N])
{
    return QLatin1String(text, N - 1);
}

constexpr QLatin1String ChangeKorvaneLang = commandName("CMD_CHANGE_KORVANE_LANG");
constexpr QLatin1String CloseOtherUseraccountpages = commandName("CMD_CLOSE_OTHER_USERACCOUNTPAGES");
constexpr QLatin1String ClouddiskShareinfo = commandName("CMD_CLOUDDISK_SHAREINFO");
constexpr QLatin1String DownloadcenterDownloadResultEffect = commandName("CMD_DOWNLOADCENTER_DOWNLOAD_RESULT_EFFECT");
constexpr QLatin1String EffectstoretokorvaneAccountinfo = commandName("CMD_EFFECTSTORETOKORVANE_ACCOUNTINFO");
constexpr QLatin1String EffectstoreEffectpageEndLoad = commandName("CMD_EFFECTSTORE_EFFECTPAGE_END_LOAD");
constexpr QLatin1String EffectstoreLogout = commandName("CMD_EFFECTSTORE_LOGOUT");
constexpr QLatin1String EffectstorePackdownload = commandName("CMD_EFFECTSTORE_PACKDOWNLOAD");
constexpr QLatin1String EffectstoreReopen = commandName("CMD_EFFECTSTORE_REOPEN");
constexpr QLatin1String EffectstoreStart = commandName("CMD_EFFECTSTORE_START");
constexpr QLatin1String EffectstoreUpdatetoken = commandName("CMD_EFFECTSTORE_UPDATETOKEN");
constexpr QLatin1String ExitRequest = commandName("GACMD_EXIT_REQUEST");
constexpr QLatin1String KorvanetoeffectstoreAccountinfo = commandName("CMD_KORVANETOEFFECTSTORE_ACCOUNTINFO");
constexpr QLatin1String KorvaneLogout = commandName("CMD_KORVANE_LOGOUT");
constexpr QLatin1String KorvaneStart = commandName("CMD_KORVANE_START");
constexpr QLatin1String NativeengineMethordCaddy = commandName("CMD_NATIVEENGINE_METHORD_CADDY");
constexpr QLatin1String NativeengineMethordClickCaddy = commandName("CMD_NATIVEENGINE_METHORD_CLICK_CADDY");
constexpr QLatin1String NativeengineMethordInsertCaddy = commandName("CMD_NATIVEENGINE_METHORD_INSERT_CADDY");
constexpr QLatin1String NativeengineMethordSkintypeChange = commandName("CMD_NATIVEENGINE_METHORD_SKINTYPE_CHANGE");
constexpr QLatin1String NpsengineActive = commandName("CMD_NPSENGINE_ACTIVE");
constexpr QLatin1String NpsengineActived = commandName("CMD_NPSENGINE_ACTIVED");
constexpr QLatin1String NpsengineClose = commandName("CMD_NPSENGINE_CLOSE");
constexpr QLatin1String NpsengineLoaded = commandName("CMD_NPSENGINE_LOADED");
constexpr QLatin1String NpsengineReload = commandName("CMD_NPSENGINE_RELOAD");
constexpr QLatin1String OpenProject = commandName("CMD_OPEN_PROJECT");
constexpr QLatin1String OrvalaDownload = commandName("CMD_ORVALA_DOWNLOAD");
constexpr QLatin1String OrvalaReopen = commandName("CMD_ORVALA_REOPEN");
constexpr QLatin1String OrvalaStarted = commandName("CMD_ORVALA_STARTED");
constexpr QLatin1String HelperEcho = commandName("CMD_HELPER_ECHO");
constexpr QLatin1String RecorderActiveRequest = commandName("CMD_RECORDER_ACTIVE_REQUEST");
constexpr QLatin1String RecorderCapturedirNotifiy = commandName("CMD_RECORDER_CAPTUREDIR_NOTIFIY");
constexpr QLatin1String RecorderEixtNotifiy = commandName("CMD_RECORDER_EIXT_NOTIFIY");
constexpr QLatin1String RecorderEixtRequest = commandName("CMD_RECORDER_EIXT_REQUEST");
constexpr QLatin1String RecorderFilepathNotifiy = commandName("CMD_RECORDER_FILEPATH_NOTIFIY");
constexpr QLatin1String ReopenApp = commandName("CMD_REOPEN_APP");
constexpr QLatin1String TrackerDataCollect = commandName("TESSARACORPCMD_TRACKER_DATA_COLLECT");
constexpr QLatin1String TrackServerPid = commandName("GACMD_TRACK_SERVER_PID");
constexpr QLatin1String TrackPublic = commandName("GACMD_TRACK_PUBLIC");

} // namespace KvCommand
