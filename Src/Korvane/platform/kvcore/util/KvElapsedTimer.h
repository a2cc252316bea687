#pragma once

#include <QElapsedTimer>

// Times the scope it lives in and logs "<name> elapsed <n> ms" at trace level
// when it ends (the end line of a long operation).
// The line carries the file, function and line of the code that made the
// timer, not of this class.
class KvElapsedTimer
{
public:
    explicit KvElapsedTimer(const char *name, const char *file = __builtin_FILE(),
                            const char *function = __builtin_FUNCTION(), int line = __builtin_LINE());
    ~KvElapsedTimer();

    KvElapsedTimer(const KvElapsedTimer &) = delete;
    KvElapsedTimer &operator=(const KvElapsedTimer &) = delete;

    qint64 elapsed() const { return m_timer.elapsed(); }

private:
    const char *m_name;
    const char *m_file;
    const char *m_function;
    int m_line;
    QElapsedTimer m_timer;
};
