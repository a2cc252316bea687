#include "FInfoRequest.h"

#include <QTemporaryFile>
#include <QtTest>

#include <cstdio>

using Kind = FInfoRequest::Kind;
Q_DECLARE_METATYPE(FInfoRequest::Kind)

class TestFInfoRequest : public QObject
{
    Q_OBJECT

private slots:
    void kind_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Kind>("kind");
        QTest::newRow("nothing") << QStringList{} << Kind::None;
        QTest::newRow("project") << QStringList{"/home/u/a.kvproj"} << Kind::None;
        QTest::newRow("--help") << QStringList{"--help"} << Kind::Help;
        QTest::newRow("-h") << QStringList{"-h"} << Kind::Help;
        QTest::newRow("--version") << QStringList{"--version"} << Kind::Version;
        QTest::newRow("-v") << QStringList{"-v"} << Kind::Version;
        QTest::newRow("first one counts") << QStringList{"-v", "--help"} << Kind::Version;
        QTest::newRow("after a project") << QStringList{"/p.kvproj", "-h"} << Kind::Help;
        // Projects and keyed arguments that merely look alike stay projects.
        QTest::newRow("open key holding -h") << QStringList{"-open:-h"} << Kind::None;
        QTest::newRow("case matters") << QStringList{"--HELP", "-V"} << Kind::None;
        QTest::newRow("longer option") << QStringList{"--versions", "-hv"} << Kind::None;
    }
    void kind()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Kind, kind);
        QList<QByteArray> storage{"korvane"};
        for (const QString &argument : arguments)
            storage << argument.toLocal8Bit();
        QVector<const char *> argv;
        for (const QByteArray &argument : storage)
            argv << argument.constData();
        QCOMPARE(FInfoRequest::fromArguments(argv.size(), argv.constData()), kind);
    }

    void answers_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("version") << Kind::Version << "Korvane X 11.8.1 (commit ";
        QTest::newRow("usage names every argument form")
            << Kind::Help << "[PROJECT | -open:PROJECT] [-share:INFO] [-velloqparam:PARAMS] [kvapplaunch://...]";
    }
    void answers()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, expected);
        QTemporaryFile file;
        QVERIFY(file.open());
        std::FILE *out = std::fopen(QFile::encodeName(file.fileName()).constData(), "w");
        QVERIFY(out);
        QCOMPARE(FInfoRequest::answer(kind, out), 0);
        std::fclose(out);
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.contains(expected), qPrintable(text));
        QVERIFY(text.endsWith('\n'));
        QVERIFY(!FInfoRequest::buildCommit().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFInfoRequest)
#include "tst_finforequest.moc"
