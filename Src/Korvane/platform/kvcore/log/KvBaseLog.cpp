#include "IKvBaseLog.h"
#include "KvLazySingleton.h"

#include <spdlog/sinks/base_sink.h>
#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/sinks/stdout_sinks.h>
#include <spdlog/spdlog.h>

#include <QDir>

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <vector>

namespace {

constexpr size_t kMaxFileSize = 10 * 1024 * 1024;
constexpr size_t kMaxFiles = 5;
constexpr const char *kPattern = "[%Y-%m-%d %H:%M:%S.%e] [%L] [%t] %v";

class ObserverSink : public spdlog::sinks::base_sink<std::mutex>
{
public:
    void setObserver(IKvBaseLog::Observer observer)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        m_observer = std::move(observer);
    }

protected:
    void sink_it_(const spdlog::details::log_msg &msg) override
    {
        if (!m_observer)
            return;
        IKvBaseLog::Level level = IKvBaseLog::Level::Info;
        if (msg.level == spdlog::level::trace)
            level = IKvBaseLog::Level::Trace;
        else if (msg.level >= spdlog::level::err)
            level = IKvBaseLog::Level::Error;
        m_observer(level, std::string(msg.payload.data(), msg.payload.size()));
    }
    void flush_() override {}

private:
    IKvBaseLog::Observer m_observer;
};

class KvBaseLog final : public IKvBaseLog
{
public:
    // The log outlives everything: destructors of other singletons and of
    // statics still log while the process ends, so it is never destroyed
    // (no use after free at exit). Nothing is lost by that: every line is
    // flushed as it is written.
    static constexpr KvSingletonRelease kSingletonRelease = KvSingletonRelease::ProcessLifetime;

    KvBaseLog()
    {
        m_stderr = std::make_shared<spdlog::sinks::stderr_sink_mt>();
        // Standard error shows everything only when asked to; errors always.
        m_stderr->set_level(qEnvironmentVariableIsSet("KORVANE_LOG_STDERR") ? spdlog::level::trace
                                                                            : spdlog::level::err);
        m_observer = std::make_shared<ObserverSink>();
        m_logger = std::make_shared<spdlog::logger>("app_log", spdlog::sinks_init_list{m_stderr, m_observer});
        m_logger->set_level(spdlog::level::trace);
        m_logger->set_pattern(kPattern);
        m_logger->flush_on(spdlog::level::trace);
    }

    void trace(const char *file, const char *function, int line, const char *format, ...) override
    {
        va_list args;
        va_start(args, format);
        write(spdlog::level::trace, file, function, line, format, args);
        va_end(args);
    }
    void info(const char *file, const char *function, int line, const char *format, ...) override
    {
        va_list args;
        va_start(args, format);
        write(spdlog::level::info, file, function, line, format, args);
        va_end(args);
    }
    void error(const char *file, const char *function, int line, const char *format, ...) override
    {
        va_list args;
        va_start(args, format);
        write(spdlog::level::err, file, function, line, format, args);
        va_end(args);
    }

    bool open(const QString &directory, const QString &name) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!QDir().mkpath(directory))
            return false;
        const QString path = QDir(directory).filePath(name + QStringLiteral(".log"));
        std::shared_ptr<spdlog::sinks::rotating_file_sink_mt> sink;
        try {
            sink = std::make_shared<spdlog::sinks::rotating_file_sink_mt>(path.toStdString(), kMaxFileSize, kMaxFiles);
        } catch (const spdlog::spdlog_ex &e) {
            std::fprintf(stderr, "log: cannot open %s: %s\n", qPrintable(path), e.what());
            return false;
        }
        sink->set_pattern(kPattern);
        auto &sinks = m_logger->sinks();
        if (m_file)
            sinks.erase(std::remove(sinks.begin(), sinks.end(), m_file), sinks.end());
        m_file = sink;
        sinks.push_back(m_file);
        m_path = path;
        return true;
    }

    void close() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_file)
            return;
        m_logger->flush();
        auto &sinks = m_logger->sinks();
        sinks.erase(std::remove(sinks.begin(), sinks.end(), m_file), sinks.end());
        m_file.reset();
        m_path.clear();
    }

    QString filePath() const override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_path;
    }

    void setObserver(Observer observer) override { m_observer->setObserver(std::move(observer)); }

private:
    void write(spdlog::level::level_enum level, const char *file, const char *function, int line,
               const char *format, va_list args)
    {
        char stackBuffer[1024];
        std::vector<char> heapBuffer;
        const char *text = stackBuffer;
        va_list copy;
        va_copy(copy, args);
        const int needed = std::vsnprintf(stackBuffer, sizeof stackBuffer, format ? format : "", copy);
        va_end(copy);
        if (needed < 0) {
            text = "(unformattable log line)";
        } else if (size_t(needed) >= sizeof stackBuffer) {
            heapBuffer.resize(size_t(needed) + 1);
            std::vsnprintf(heapBuffer.data(), heapBuffer.size(), format, args);
            text = heapBuffer.data();
        }
        const std::string qualified = KvQualifiedFunctionName(function);
        // The sink list may change under open()/close(); spdlog's sinks lock
        // themselves, the list itself is guarded here.
        std::lock_guard<std::mutex> lock(m_mutex);
        m_logger->log(level, "{}:{} {}: {}", file ? file : "?", line, qualified, text);
    }

    mutable std::mutex m_mutex;
    std::shared_ptr<spdlog::logger> m_logger;
    std::shared_ptr<spdlog::sinks::stderr_sink_mt> m_stderr;
    std::shared_ptr<ObserverSink> m_observer;
    std::shared_ptr<spdlog::sinks::rotating_file_sink_mt> m_file;
    QString m_path;
};

} // namespace

std::string KvQualifiedFunctionName(const char *prettyFunction)
{
    if (!prettyFunction)
        return {};
    const std::string pretty(prettyFunction);
    // The argument list starts at the first '(' outside template brackets;
    // "operator()" keeps its own pair.
    int depth = 0;
    size_t end = std::string::npos;
    for (size_t i = 0; i < pretty.size(); ++i) {
        const char c = pretty[i];
        if (c == '<')
            ++depth;
        else if (c == '>' && depth > 0)
            --depth;
        else if (c == '(' && depth == 0) {
            if (i >= 8 && pretty.compare(i - 8, 8, "operator") == 0 && pretty.compare(i, 2, "()") == 0) {
                ++i;
                continue;
            }
            end = i;
            break;
        }
    }
    const std::string head = pretty.substr(0, end);
    // The name is the last blank-separated word outside template brackets.
    depth = 0;
    size_t begin = 0;
    for (size_t i = 0; i < head.size(); ++i) {
        const char c = head[i];
        if (c == '<')
            ++depth;
        else if (c == '>' && depth > 0)
            --depth;
        else if (c == ' ' && depth == 0)
            begin = i + 1;
    }
    std::string name = head.substr(begin);
    while (!name.empty() && (name.front() == '*' || name.front() == '&'))
        name.erase(0, 1);
    return name;
}

IKvBaseLog *GetGlobalLogInstance()
{
    return KvLazySingleton<KvBaseLog>::instance();
}
