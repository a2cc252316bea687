#include "FPerformanceSettings.h"

#include "IKvBaseLog.h"

#include <QHash>
#include <QMutex>

#include <algorithm>

using namespace KvAppSettingChecks;
using KvAppSettingDefaults::inDocuments;

namespace {

using GpuDevice = FPerformanceSettings::GpuDevice;

struct DeviceSource
{
    QMutex mutex;
    FPerformanceSettings::GpuDeviceSource source;
};

DeviceSource &deviceSource()
{
    static DeviceSource s_source;
    return s_source;
}

QVector<GpuDevice> parseVariable(const QString &value)
{
    QVector<GpuDevice> devices;
    for (const QString &entry : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int equals = entry.lastIndexOf(QLatin1Char('='));
        bool ok = false;
        const int id = equals > 0 ? entry.mid(equals + 1).trimmed().toInt(&ok, 0) : 0;
        if (!ok) {
            KV_LOG_ERROR("%s: \"%s\" is not name=id, skipped", FPerformanceSettings::GpuDevicesVariable, KV_CSTR(entry));
            continue;
        }
        devices.append({entry.left(equals).trimmed(), id, QString()});
    }
    return devices;
}

QString testKey(const GpuDevice &device)
{
    return QStringLiteral("%1-%2-opencl").arg(device.name, device.idText());
}

} // namespace

const QVector<KvAppSetting> &FPerformanceSettings::table()
{
    static const QVector<KvAppSetting> settings = {
        {NextTimeEnableOpenCL, "NextTimeEnableOpenCL", true},
        {NextTimeEnableGPUDeCode, "NextTimeEnableGPUDeCode", true},
        // Empty: not chosen yet.
        {CurrentGPU, "CurrentGPU", QString()},
        {AutoSelectGPU, "AutoSelectGPU", true},
        {SafeMode, "SafeMode", false},
        {UserChangedGPUState, "UserChangedGPUState", false},
        {CBSGpuSwitch, "CBSGpuSwitch", true},
        {AutomaticallyCreateProxy, "AutomaticallyCreateProxy", true},
        {AutomaticallyCreateProxyResolution, "AutomaticallyCreateProxyResolution", QSize(1920, 1080)},
        {ProxyFileFolder, "ProxyFileFolder", inDocuments("MediaProxy"), notBlank},
        {AutomaticallyDeleteProxy, "AutomaticallyDeleteProxy", false},
        {AutoRender, "AutoRender", false},
        {AutoRenderAfterSeconds, "AutoRenderAfterSeconds", 10, inRange<5, 60>},
        {PreviewRenderFilesFolder, "PreviewRenderFilesFolder", inDocuments("Render"), notBlank},
        {AutomaticallyDeleteRenderFile, "AutomaticallyDeleteRenderFile", false},
        {D3DRenderView, "D3DRenderView", true},
    };
    return settings;
}

FPerformanceSettings::FPerformanceSettings()
    : KvAppSettingsGroup("Performance", table())
{
}

FPerformanceSettings::FPerformanceSettings(const FPerformanceSettings &other)
    : KvAppSettingsGroup(other)
    , m_run(other.runState())
{
}

FPerformanceSettings &FPerformanceSettings::operator=(const FPerformanceSettings &other)
{
    if (this == &other)
        return *this;
    KvAppSettingsGroup::operator=(other);
    const RunState run = other.runState();
    QWriteLocker locker(&m_runLock);
    m_run = run;
    return *this;
}

FPerformanceSettings::RunState FPerformanceSettings::runState() const
{
    QReadLocker locker(&m_runLock);
    return m_run;
}

void FPerformanceSettings::SetCurrentGPUSetting(const QString &name)
{
    if (name == GetCurrentOpenCLGPU())
        return;
    setValue(CurrentGPU, name);
    SetAutoSelectGPU(false);
}

bool FPerformanceSettings::GetThisTimeEnableOpenCL() const
{
    QReadLocker locker(&m_runLock);
    return m_run.openCL;
}

void FPerformanceSettings::SetThisTimeEnableOpenCL(bool enable)
{
    QWriteLocker locker(&m_runLock);
    m_run.openCL = enable;
}

bool FPerformanceSettings::GetThisTimeEnableGPUDeCode() const
{
    QReadLocker locker(&m_runLock);
    return m_run.gpuDecode;
}

void FPerformanceSettings::SetThisTimeEnableGPUDeCode(bool enable)
{
    QWriteLocker locker(&m_runLock);
    m_run.gpuDecode = enable;
}

bool FPerformanceSettings::GetOpenCLCanBeChanged() const
{
    QReadLocker locker(&m_runLock);
    return m_run.openCLCanBeChanged;
}

void FPerformanceSettings::SetOpenCLCanBeChanged(bool canBeChanged)
{
    QWriteLocker locker(&m_runLock);
    m_run.openCLCanBeChanged = canBeChanged;
}

void FPerformanceSettings::SetGpuDeviceSource(GpuDeviceSource source)
{
    DeviceSource &shared = deviceSource();
    QMutexLocker locker(&shared.mutex);
    shared.source = std::move(source);
}

void FPerformanceSettings::InitGpuDeviceList()
{
    QVector<GpuDevice> devices;
    if (qEnvironmentVariableIsSet(GpuDevicesVariable)) {
        devices = parseVariable(qEnvironmentVariable(GpuDevicesVariable));
    } else {
        GpuDeviceSource source;
        {
            DeviceSource &shared = deviceSource();
            QMutexLocker locker(&shared.mutex);
            source = shared.source;
        }
        if (source)
            devices = source();
    }
    // Names select the card, so two of the same model need telling apart.
    QHash<QString, int> seen;
    for (GpuDevice &device : devices) {
        const int same = ++seen[device.name];
        if (same > 1)
            device.name += QStringLiteral(" #%1").arg(same);
    }
    KV_LOG_INFO("%d OpenCL GPU(s)", devices.size());
    for (const GpuDevice &device : devices)
        KV_LOG_INFO("GPU \"%s\", device id %s", KV_CSTR(device.name), KV_CSTR(device.idText()));

    QWriteLocker locker(&m_runLock);
    m_run.devices = devices;
    m_run.devicesListed = true;
}

QStringList FPerformanceSettings::GetAllOpenCLGPUDevice() const
{
    QReadLocker locker(&m_runLock);
    QStringList names;
    for (const GpuDevice &device : m_run.devices)
        names << device.name;
    return names;
}

QString FPerformanceSettings::GetGPUDeviceByIndex(int index) const
{
    QReadLocker locker(&m_runLock);
    return m_run.devices.value(index).name;
}

int FPerformanceSettings::GetGPUDeviceIdByIndex(int index) const
{
    QReadLocker locker(&m_runLock);
    return m_run.devices.value(index).deviceId;
}

QString FPerformanceSettings::GetGPUDeviceIdTextByIndex(int index) const
{
    QReadLocker locker(&m_runLock);
    return m_run.devices.value(index).idText();
}

bool FPerformanceSettings::RemoveUnavailableGPU(const QString &name)
{
    QWriteLocker locker(&m_runLock);
    for (int i = 0; i < m_run.devices.size(); ++i) {
        if (m_run.devices.at(i).name == name) {
            m_run.devices.removeAt(i);
            locker.unlock();
            KV_LOG_INFO("GPU \"%s\" is unusable, removed from the list", KV_CSTR(name));
            return true;
        }
    }
    return false;
}

void FPerformanceSettings::InitGpuTestInfos(const QJsonObject &results)
{
    QWriteLocker locker(&m_runLock);
    m_run.testInfos = results;
}

QJsonObject FPerformanceSettings::GetGpuTestInfos() const
{
    QReadLocker locker(&m_runLock);
    return m_run.testInfos;
}

void FPerformanceSettings::InitGpuInfo()
{
    if (!runState().devicesListed)
        InitGpuDeviceList();
    const RunState run = runState();

    QString current = GetCurrentOpenCLGPU();
    const auto isCurrent = [&current](const GpuDevice &device) { return device.name == current; };
    if (GetAutoSelectGPU() || std::none_of(run.devices.begin(), run.devices.end(), isCurrent)) {
        current = run.devices.isEmpty() ? QString() : run.devices.first().name;
        for (const GpuDevice &device : run.devices) {
            if (!run.testInfos.value(testKey(device)).toObject().isEmpty()) {
                current = device.name;
                break;
            }
        }
        setValue(CurrentGPU, current);
    }

    const bool openCL = GetNextTimeEnableOpenCL() && !IsSafeMode() && !run.devices.isEmpty();
    const bool gpuDecode = openCL && GetNextTimeEnableGPUDeCode();
    {
        QWriteLocker locker(&m_runLock);
        m_run.openCL = openCL;
        m_run.gpuDecode = gpuDecode;
    }
    KV_LOG_INFO("GPU in use: \"%s\", hardware rendering %d, hardware decoding %d, safe mode %d", KV_CSTR(current),
                openCL, gpuDecode, IsSafeMode());
}
