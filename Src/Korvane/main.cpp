#include "KorvaneApp.h"

int main(int argc, char *argv[])
{
    FApplication::prepareForwardingStart(QStringLiteral("Korvane"));
    KvApplication::initHighDPI(1);
    KorvaneApp app(argc, argv);
    return app.run();
}
