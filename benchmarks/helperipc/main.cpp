// Commands between the editor's communicator server and a real helper
// process (Orvala.exe, which echoes every message):
//   round trip  editor -> helper -> editor, one message at a time
//               (1,000 by default, after 50 unmeasured): median, 90th
//               percentile and maximum. Target: median within 5 ms.
//   burst       10,000 messages sent back to back without waiting: all must
//               come back, in order and unchanged; time to the last echo.
// Exit status 1 when a target is missed or the burst loses, doubles or
// reorders a message; 2 when the helper cannot be started.
//
// korvane_helperipc_bench [--messages N] [--burst N] [--helper PATH]
#include "IKvBaseLog.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QString kCommand = QStringLiteral("CMD_HELPER_BENCH");

int argValue(const QStringList &args, const QString &name, int fallback)
{
    const int at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
}

// The sequence numbers of the echoes in one received text.
QList<int> echoedNumbers(const QString &text)
{
    QList<int> numbers;
    for (const KvCommunicatorMsg &message : KvCommunicatorMsg::buildListFromString(text)) {
        const QStringList contents = message.contents();
        if (message.contains(QString(KvCommand::HelperEcho)) && contents.value(0) == kCommand)
            numbers << contents.value(1).toInt();
    }
    return numbers;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int messages = std::max(1, argValue(args, QStringLiteral("--messages"), 1000));
    const int burst = std::max(1, argValue(args, QStringLiteral("--burst"), 10000));
    const int at = args.indexOf(QStringLiteral("--helper"));
    const QString helper = at >= 0 && at + 1 < args.size() ? args.at(at + 1)
                                                           : QStringLiteral(KORVANE_BIN_DIR "/Orvala.exe");
    // Every received text is logged at information level; keep the figures
    // about the channel, not the terminal.
    GetGlobalLogInstance()->open(QDir::tempPath(), QStringLiteral("korvane_helperipc_bench"));

    KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
    if (!server->StartProcess(helper, {}, true, true)) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(helper));
        return 2;
    }

    QList<int> received;
    QEventLoop loop;
    int waitingFor = -1;
    QObject::connect(server, &KvCommunicatorServer::sigReceveMsgFrom, [&](const QString &text) {
        received += echoedNumbers(text);
        if (!received.isEmpty() && received.last() == waitingFor)
            loop.quit();
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
    auto waitFor = [&](int number, int ms) {
        waitingFor = number;
        if (!received.isEmpty() && received.last() == number)
            return true;
        deadline.start(ms);
        const bool ok = loop.exec() == 0;
        deadline.stop();
        return ok;
    };

    // Warm-up; the first one also waits for the helper to connect back.
    const int warmUp = 50;
    for (int i = 0; i < warmUp; ++i) {
        server->SendMsgToProcess(kCommand, {QString::number(i)}, helper);
        if (!waitFor(i, 10000)) {
            std::fprintf(stderr, "no echo from %s\n", qPrintable(helper));
            return 2;
        }
    }

    std::vector<double> trips;
    trips.reserve(size_t(messages));
    QElapsedTimer clock;
    for (int i = warmUp; i < warmUp + messages; ++i) {
        clock.start();
        server->SendMsgToProcess(kCommand, {QString::number(i)}, helper);
        if (!waitFor(i, 5000)) {
            std::fprintf(stderr, "round trip %d lost\n", i);
            return 1;
        }
        trips.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    const double median = percentile(trips, 0.5);
    std::printf("round trip over %d messages: median %.3f ms, p90 %.3f ms, max %.3f ms (target: median <= 5 ms)\n",
                messages, median, percentile(trips, 0.9), *std::max_element(trips.begin(), trips.end()));

    received.clear();
    const int first = warmUp + messages;
    clock.start();
    for (int i = first; i < first + burst; ++i)
        server->SendMsgToProcess(kCommand, {QString::number(i)}, helper);
    const qint64 sentMs = clock.elapsed();
    waitFor(first + burst - 1, 60000);
    const qint64 totalMs = clock.elapsed();
    bool inOrder = received.size() == burst;
    for (int i = 0; inOrder && i < burst; ++i)
        inOrder = received.at(i) == first + i;
    std::printf("burst of %d messages: sent in %lld ms, last echo after %lld ms, %d received, %s\n", burst,
                sentMs, totalMs, int(received.size()), inOrder ? "complete and in order" : "LOST OR REORDERED");

    KvCommunicatorServer::Release();
    GetGlobalLogInstance()->close();
    return median <= 5.0 && inOrder ? 0 : 1;
}
