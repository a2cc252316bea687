// kvcomm_send [--budget <ms>] <channel name> <command> [contents...]
// Prints the result of the delivering send and exits with 0 when the message
// was delivered. With --budget it tries again for up to that long.
#include "KvCommunicatorClient.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int budgetMs = -1;
    if (args.size() >= 2 && args.first() == QLatin1String("--budget")) {
        budgetMs = args.at(1).toInt();
        args = args.mid(2);
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: kvcomm_send [--budget <ms>] <channel> <command> [contents...]\n");
        return 2;
    }
    KvCommunicatorClient client;
    client.ConnectToServer(args.at(0));
    const int result = budgetMs >= 0 ? client.sendWithRetry(args.at(1), args.mid(2), budgetMs)
                                     : client.SendMsg(args.at(1), args.mid(2), true);
    std::printf("%d\n", result);
    return result == 0 ? 0 : 1;
}
