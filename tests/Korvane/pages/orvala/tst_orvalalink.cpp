// Opening the creative-content helper from the pages: the first link starts
// the real helper with the decorated link, a later one reaches the running
// helper as a reopen; the popup event and the configuration records follow.
#include "FCreativeHelperLink.h"
#include "KvCommunicatorMsg.h"
#include "KvCommunicatorServer.h"
#include "KvConfig.h"
#include "KvEventTrackingProxy.h"
#include "KvNetwork.h"

#include <QDateTime>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<KvCommunicatorMsg> received(const QSignalSpy &spy, const QString &command)
{
    QList<KvCommunicatorMsg> found;
    for (const QList<QVariant> &arguments : spy) {
        for (const KvCommunicatorMsg &message : KvCommunicatorMsg::buildListFromString(arguments.at(0).toString())) {
            if (message.contains(command))
                found << message;
        }
    }
    return found;
}

int popupEvents()
{
    QFile file(getEventTrackingProxy()->eventFile());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).count(QStringLiteral("Korvane Orvala"))
                                          : 0;
}

} // namespace

class TestOrvalaLink : public QObject
{
    Q_OBJECT

private slots:
    void startsThenReopens()
    {
        if (!KvNetwork::IsNetworkDeviceValid())
            QSKIP("no usable network device: the helper is not opened offline");
        QTemporaryDir install;
        const QString helper = install.filePath(QStringLiteral("Orvala.exe"));
        QVERIFY(QFile::copy(QStringLiteral(KORVANE_BIN_DIR "/Orvala.exe"), helper));
        KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
        QSignalSpy texts(server, &KvCommunicatorServer::sigReceveMsgFrom);
        const int popupsBefore = popupEvents();
        const qint64 before = QDateTime::currentSecsSinceEpoch();

        QVERIFY(FCreativeHelperLink::open(QStringLiteral("https://x.test/p"), nullptr, helper));
        QVERIFY(server->IsProcessStarted(helper));
        QTRY_COMPARE_WITH_TIMEOUT(received(texts, QStringLiteral("CMD_ORVALA_STARTED")).size(), 1, 10000);
        const QString started = received(texts, QStringLiteral("CMD_ORVALA_STARTED")).first().firstContent();
        QVERIFY2(started.startsWith(QStringLiteral("https://x.test/p?did=")), qPrintable(started));
        QCOMPARE(popupEvents(), popupsBefore + 1);

        KvConfig *config = KvConfig::Instance();
        QVERIFY(config->IsCreativeHintShowed());
        QVERIFY(config->IsCreativeUpdated());
        QVERIFY(config->IsCreativeHintFirstTimeShowed());
        QVERIFY(config->GetCreativeUpdateTime() >= before);
        QVERIFY(config->GetCreativeUpdateTime() <= QDateTime::currentSecsSinceEpoch());

        // Running: the link goes to it, carrying "did" already, unchanged, and no second popup.
        const QString again = QStringLiteral("https://x.test/q?did=7");
        QVERIFY(FCreativeHelperLink::open(again, nullptr, helper));
        QTRY_COMPARE_WITH_TIMEOUT(received(texts, QStringLiteral("CMD_HELPER_ECHO")).size(), 1, 10000);
        QCOMPARE(received(texts, QStringLiteral("CMD_HELPER_ECHO")).first().contents(),
                 (QStringList{QStringLiteral("CMD_ORVALA_REOPEN"), again}));
        QCOMPARE(popupEvents(), popupsBefore + 1);
        KvCommunicatorServer::Release();
    }
};

QTEST_MAIN(TestOrvalaLink)
#include "tst_orvalalink.moc"
