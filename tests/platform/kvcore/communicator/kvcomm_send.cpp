// kvcomm_send <channel name> <command> [contents...]
// Prints the result of SendMsg and exits with 0 when it was delivered.
#include "KvCommunicatorClient.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: kvcomm_send <channel> <command> [contents...]\n");
        return 2;
    }
    KvCommunicatorClient client;
    client.ConnectToServer(args.at(1));
    const int result = client.SendMsg(args.at(2), args.mid(3), true);
    std::printf("%d\n", result);
    return result == 0 ? 0 : 1;
}
