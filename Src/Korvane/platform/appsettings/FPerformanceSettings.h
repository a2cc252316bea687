#pragma once

#include "KvAppSettingsGroup.h"

#include <QJsonObject>
#include <QStringList>

#include <functional>

// Hardware acceleration, proxies and background render.
//
// The GPU values come in two kinds: the stored "next time" settings that the
// user and the launch test change, and the state of this run (the device
// list, what this run renders and decodes with), which InitGpuInfo derives
// from them at start-up and which is never stored.
class FPerformanceSettings : public KvAppSettingsGroup
{
public:
    enum Key {
        NextTimeEnableOpenCL,
        NextTimeEnableGPUDeCode,
        CurrentGPU,
        AutoSelectGPU,
        SafeMode,
        UserChangedGPUState,
        CBSGpuSwitch,
        AutomaticallyCreateProxy,
        AutomaticallyCreateProxyResolution,
        ProxyFileFolder,
        AutomaticallyDeleteProxy,
        AutoRender,
        AutoRenderAfterSeconds,
        PreviewRenderFilesFolder,
        AutomaticallyDeleteRenderFile,
        D3DRenderView,
        KeyCount
    };

    struct GpuDevice
    {
        QString name;
        int deviceId = -1;
        // The id as the OpenCL check program prints it, when that is not
        // plain decimal: the pressure-test results are keyed by this text.
        QString deviceIdText;

        QString idText() const { return deviceIdText.isEmpty() ? QString::number(deviceId) : deviceIdText; }
    };

    // Lists the GPUs named here instead of the machine's: "name=id;name=id",
    // ids decimal or 0x-hexadecimal; set but empty, the machine has none.
    static constexpr const char *GpuDevicesVariable = "KORVANE_GPU_DEVICES";

    // Where the machine's OpenCL GPUs come from, in OpenCL's order: the
    // launch test installs one that asks its OpenCL check program. It may
    // block for a few seconds, so InitGpuDeviceList belongs on a worker
    // thread. Without a source the machine has no OpenCL GPU.
    using GpuDeviceSource = std::function<QVector<GpuDevice>()>;
    static void SetGpuDeviceSource(GpuDeviceSource source);

    FPerformanceSettings();
    FPerformanceSettings(const FPerformanceSettings &other);
    FPerformanceSettings &operator=(const FPerformanceSettings &other);

    static const QVector<KvAppSetting> &table();

    // --- GPU, stored ---------------------------------------------------------
    bool GetNextTimeEnableOpenCL() const { return flag(NextTimeEnableOpenCL); }
    void SetNextTimeEnableOpenCLSetting(bool enable) { setValue(NextTimeEnableOpenCL, enable); }
    bool GetNextTimeEnableGPUDeCode() const { return flag(NextTimeEnableGPUDeCode); }
    void SetNextTimeEnableGPUDeCodeSetting(bool enable) { setValue(NextTimeEnableGPUDeCode, enable); }
    // The graphics card by device name. Choosing another card than the stored
    // one ends automatic selection.
    QString GetCurrentOpenCLGPU() const { return text(CurrentGPU); }
    void SetCurrentGPUSetting(const QString &name);
    // With automatic selection InitGpuInfo picks the card at every start.
    bool GetAutoSelectGPU() const { return flag(AutoSelectGPU); }
    void SetAutoSelectGPU(bool autoSelect) { setValue(AutoSelectGPU, autoSelect); }
    void OpenAutoSelectGUP() { SetAutoSelectGPU(true); }
    bool IsSafeMode() const { return flag(SafeMode); }
    void SetSafeMode(bool safeMode) { setValue(SafeMode, safeMode); }
    bool GetUserChangedGPUState() const { return flag(UserChangedGPUState); }
    void SetUserChangedGPUState(bool changed) { setValue(UserChangedGPUState, changed); }
    // Whether the web service recommends GPU acceleration for this machine.
    bool GetCBSGpuSwitch() const { return flag(CBSGpuSwitch); }
    void SetCBSGpuSwitch(bool on) { setValue(CBSGpuSwitch, on); }

    // --- GPU, this run -------------------------------------------------------
    bool GetThisTimeEnableOpenCL() const;
    void SetThisTimeEnableOpenCL(bool enable);
    bool GetThisTimeEnableGPUDeCode() const;
    void SetThisTimeEnableGPUDeCode(bool enable);
    // False once the launch test found no usable GPU: the preferences then
    // keep hardware acceleration off.
    bool GetOpenCLCanBeChanged() const;
    void SetOpenCLCanBeChanged(bool canBeChanged);

    // Reads the machine's OpenCL GPUs from the device source (or
    // GpuDevicesVariable).
    void InitGpuDeviceList();
    QStringList GetAllOpenCLGPUDevice() const;
    // Empty and -1 for an index outside the list.
    QString GetGPUDeviceByIndex(int index) const;
    int GetGPUDeviceIdByIndex(int index) const;
    // The id as the check programs write it ("-1" outside the list).
    QString GetGPUDeviceIdTextByIndex(int index) const;
    // For this run; false when no device has that name.
    bool RemoveUnavailableGPU(const QString &name);
    // The pressure-test results, keyed "<name>-<id>-opencl"; an empty object
    // marks a GPU that failed.
    void InitGpuTestInfos(const QJsonObject &results);
    QJsonObject GetGpuTestInfos() const;
    // Start-up: lists the devices if nobody did yet, resolves the card in use
    // (automatic selection prefers the first card that passed the pressure
    // test) and derives this run's acceleration from the stored settings.
    void InitGpuInfo();

    // --- Proxies and preview render ------------------------------------------
    bool GetAutomaticallyCreateProxy() const { return flag(AutomaticallyCreateProxy); }
    void SetAutomaticallyCreateProxy(bool create) { setValue(AutomaticallyCreateProxy, create); }
    // Any size may be stored, an invalid one too.
    QSize GetAutomaticallyCreateProxyResolution() const { return size(AutomaticallyCreateProxyResolution); }
    void SetAutomaticallyCreateProxyResolution(const QSize &resolution) { setValue(AutomaticallyCreateProxyResolution, resolution); }
    QString GetProxyFileFolder() const { return text(ProxyFileFolder); }
    void SetProxyFileFolder(const QString &folder) { setValue(ProxyFileFolder, folder); }
    bool GetAutomaticallyDeleteProxy() const { return flag(AutomaticallyDeleteProxy); }
    void SetAutomaticallyDeleteProxy(bool remove) { setValue(AutomaticallyDeleteProxy, remove); }
    bool GetAutoRender() const { return flag(AutoRender); }
    void SetAutoRender(bool autoRender) { setValue(AutoRender, autoRender); }
    // 5 to 60 seconds.
    int GetAutoRenderAfterSeconds() const { return number(AutoRenderAfterSeconds); }
    void SetAutoRenderAfterSeconds(int seconds) { setValue(AutoRenderAfterSeconds, seconds); }
    QString GetPreviewRenderFilesFolder() const { return text(PreviewRenderFilesFolder); }
    void SetPreviewRenderFilesFolder(const QString &folder) { setValue(PreviewRenderFilesFolder, folder); }
    bool GetAutomaticallyDeleteRenderFile() const { return flag(AutomaticallyDeleteRenderFile); }
    void SetAutomaticallyDeleteRenderFile(bool remove) { setValue(AutomaticallyDeleteRenderFile, remove); }
    // Playback with the latest rendering engine.
    bool GetD3DRenderView() const { return flag(D3DRenderView); }
    void SetD3DRenderView(bool latest) { setValue(D3DRenderView, latest); }

private:
    struct RunState
    {
        QVector<GpuDevice> devices;
        bool devicesListed = false;
        bool openCL = false;
        bool gpuDecode = false;
        bool openCLCanBeChanged = true;
        QJsonObject testInfos;
    };

    RunState runState() const;

    RunState m_run;
    mutable QReadWriteLock m_runLock;
};
