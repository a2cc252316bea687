#include "FTerminationSignals.h"

#include "IKvBaseLog.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};
// Lock-free, so the handler may store to it.
std::atomic<int> g_pendingSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs a lock-free flag");
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onPosixSignal(int signalNumber)
{
    const int saved = errno;
    int none = 0;
    g_pendingSignal.compare_exchange_strong(none, signalNumber);
    const char byte = char(signalNumber);
    // Async-signal-safe; a full pipe means a signal is already pending.
    if (::write(g_pipe[1], &byte, 1) < 0) {
    }
    errno = saved;
}

} // namespace

FTerminationSignals::FTerminationSignals(std::function<void(int)> onSignal, QObject *parent)
    : QObject(parent)
    , m_onSignal(std::move(onSignal))
{
    if (g_pipe[0] >= 0) {
        KV_LOG_ERROR("termination signals are already handled elsewhere");
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) {
        KV_LOG_ERROR("no pipe for termination signals: %s", std::strerror(errno));
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &FTerminationSignals::readSignal);
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onPosixSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

FTerminationSignals::~FTerminationSignals()
{
    if (!m_notifier)
        return;
    for (const int signalNumber : kSignals)
        ::signal(signalNumber, SIG_DFL);
    m_notifier.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

int FTerminationSignals::pendingSignal()
{
    return g_pendingSignal.load();
}

void FTerminationSignals::readSignal()
{
    char bytes[16];
    const ssize_t count = ::read(g_pipe[0], bytes, sizeof bytes);
    if (count <= 0)
        return;
    const int signalNumber = bytes[0];
    if (m_received) {
        KV_LOG_INFO("signal %d ignored: already closing", signalNumber);
        return;
    }
    m_received = true;
    KV_LOG_INFO("signal %d: closing as if the user closed the window", signalNumber);
    if (m_onSignal)
        m_onSignal(signalNumber);
}
