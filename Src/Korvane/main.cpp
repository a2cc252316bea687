#include "FInfoRequest.h"
#include "KorvaneApp.h"

int main(int argc, char *argv[])
{
    const FInfoRequest::Kind info = FInfoRequest::fromArguments(argc, argv);
    if (info != FInfoRequest::Kind::None)
        return FInfoRequest::answer(info, stdout);

    KorvaneApp::prepareProcessEnvironment();
    FApplication::prepareForwardingStart(QStringLiteral("Korvane"));
    KvApplication::initHighDPI(1);
    KorvaneApp app(argc, argv);
    return app.run();
}
