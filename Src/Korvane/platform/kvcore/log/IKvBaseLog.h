#pragma once

#include <QString>

#include <functional>
#include <string>

#if defined(__GNUC__)
#define KV_PRINTF_FORMAT(fmtIndex, firstArg) __attribute__((format(printf, fmtIndex, firstArg)))
#else
#define KV_PRINTF_FORMAT(fmtIndex, firstArg)
#endif

// The process-wide log. Every call carries the caller's source file (relative
// to the source tree), its qualified function name, its line and a printf
// format; string arguments are UTF-8. Safe to call from any thread, before
// and after the log file is open.
class IKvBaseLog
{
public:
    enum class Level { Trace, Info, Error };

    virtual ~IKvBaseLog() = default;

    virtual void trace(const char *file, const char *function, int line, const char *format, ...)
        KV_PRINTF_FORMAT(5, 6) = 0;
    virtual void info(const char *file, const char *function, int line, const char *format, ...)
        KV_PRINTF_FORMAT(5, 6) = 0;
    virtual void error(const char *file, const char *function, int line, const char *format, ...)
        KV_PRINTF_FORMAT(5, 6) = 0;

    // Starts writing to "<directory>/<name>.log" (rotated). Lines logged before
    // went to standard error only.
    virtual bool open(const QString &directory, const QString &name) = 0;
    virtual void close() = 0;
    virtual QString filePath() const = 0;

    // Every formatted line is also handed to the observer (tests, diagnostics).
    // The observer runs on the logging thread and must not log itself.
    using Observer = std::function<void(Level level, const std::string &message)>;
    virtual void setObserver(Observer observer) = 0;
};

IKvBaseLog *GetGlobalLogInstance();

// "virtual int KorvaneApp::doRun()" -> "KorvaneApp::doRun"
std::string KvQualifiedFunctionName(const char *prettyFunction);

#define KV_LOG_TRACE(...) GetGlobalLogInstance()->trace(__FILE__, __PRETTY_FUNCTION__, __LINE__, __VA_ARGS__)
#define KV_LOG_INFO(...) GetGlobalLogInstance()->info(__FILE__, __PRETTY_FUNCTION__, __LINE__, __VA_ARGS__)
#define KV_LOG_ERROR(...) GetGlobalLogInstance()->error(__FILE__, __PRETTY_FUNCTION__, __LINE__, __VA_ARGS__)

// For QString arguments of a "%s".
#define KV_CSTR(qstring) (qstring).toUtf8().constData()
