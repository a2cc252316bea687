#include "KvElapsedTimer.h"

#include "IKvBaseLog.h"

KvElapsedTimer::KvElapsedTimer(const char *name, const char *file, const char *function, int line)
    : m_name(name ? name : "")
    , m_file(file)
    , m_function(function)
    , m_line(line)
{
    m_timer.start();
}

KvElapsedTimer::~KvElapsedTimer()
{
    // The end line of a long operation: trace level, like every begin/end line.
    GetGlobalLogInstance()->trace(m_file, m_function, m_line, "%s elapsed %lld ms", m_name,
                                 static_cast<long long>(m_timer.elapsed()));
}
