#include "KvDataMessage.h"
#include "KvPresenter.h"
#include "KvTestLog.h"
#include "KvUIScene.h"
#include "KvUIView.h"

#include <QtTest>
#include <QtWidgets>

namespace {

constexpr int kCode = 42;

// Every handler writes its name into one shared journal; the one named as
// handler marks the message handled and answers with its name.
struct Journal
{
    QStringList seen;
    QString handler;
    std::function<void()> onHandle;
};

class Presenter : public KvPresenter
{
public:
    Presenter(const QString &name, Journal *journal)
        : m_name(name)
        , m_journal(journal)
    {
    }
    bool dispatchMessage(KvMessage *message) override
    {
        m_journal->seen << m_name;
        if (m_name != m_journal->handler)
            return false;
        message->setAnswer(m_name);
        return true;
    }

private:
    QString m_name;
    Journal *m_journal;
};

class View : public QWidget, public KvUIView
{
public:
    View(const QString &name, Journal *journal, QWidget *parent = nullptr)
        : QWidget(parent)
        , KvUIView(this)
        , m_name(name)
        , m_journal(journal)
    {
        auto *presenter = new Presenter(name + QStringLiteral(".p"), journal);
        presenter->setParent(this);
        setPresenter(presenter);
    }
    bool dispatchMessage(KvMessage *message) override
    {
        m_journal->seen << m_name;
        if (m_name == m_journal->handler) {
            message->setHandled(true);
            message->setAnswer(m_name);
            if (m_journal->onHandle)
                m_journal->onHandle();
            return true;
        }
        return KvUIView::dispatchMessage(message);
    }

private:
    QString m_name;
    Journal *m_journal;
};

} // namespace

class TestKvUIView : public QObject
{
    Q_OBJECT

private slots:
    void routing_data();
    void routing();
    void lifetimes();
    void releaseWhileDelivering();
};

void TestKvUIView::routing_data()
{
    QTest::addColumn<QString>("handler");
    QTest::addColumn<QStringList>("seen");

    // Scene holds a (children a1 under type 2, a2 under type 1) and b.
    const QStringList all{"a", "a.p", "a2", "a2.p", "a1", "a1.p", "b", "b.p"};
    QTest::newRow("first view's presenter") << "a.p" << QStringList{"a", "a.p"};
    QTest::newRow("child in type order") << "a2.p" << QStringList{"a", "a.p", "a2", "a2.p"};
    QTest::newRow("second top view") << "b" << QStringList{all.mid(0, 7)};
    QTest::newRow("nobody") << "" << all;
}

void TestKvUIView::routing()
{
    QFETCH(QString, handler);
    QFETCH(QStringList, seen);

    Journal journal;
    journal.handler = handler;
    KvUIScene scene;
    auto *a = new View("a", &journal);
    auto *b = new View("b", &journal);
    auto *a1 = new View("a1", &journal, a);
    auto *a2 = new View("a2", &journal, a);
    a->registerView(2, a1);
    a->registerView(1, a2);
    scene.addView(a);
    scene.addView(b);

    // Sent from deep down: the child reaches the scene through its parent.
    KvDataMessage message(kCode, QStringLiteral("payload"));
    QCOMPARE(a1->sendMessageToScene(&message), !handler.isEmpty());
    QCOMPARE(journal.seen, seen);
    QCOMPARE(message.isHandled(), !handler.isEmpty());
    QCOMPARE(message.answer().toString(), handler);

    // A handled message travels no further.
    journal.seen.clear();
    QCOMPARE(scene.sendMessage(&message), !handler.isEmpty());
    QCOMPARE(journal.seen.isEmpty(), !handler.isEmpty());
}

void TestKvUIView::lifetimes()
{
    Journal journal;
    auto *scene = new KvUIScene;
    QPointer<View> top = new View("top", &journal);
    QPointer<View> child = new View("child", &journal, top);
    top->registerView(1, child);
    QPointer<Presenter> presenter = static_cast<Presenter *>(top->presenter());
    QWidget owner;
    QPointer<View> parented = new View("parented", &journal, &owner);
    scene->addView(top);
    scene->addView(parented);
    QCOMPARE(child->scene(), scene);

    // A child that goes leaves its parent's table; a presenter that goes
    // leaves its view.
    delete child;
    QCOMPARE(top->view(1), nullptr);
    delete presenter.data();
    QCOMPARE(top->presenter(), nullptr);

    // The scene destroys what it owns, never a widget that has a parent.
    delete scene;
    QVERIFY(!top);
    QVERIFY(parented);
    QCOMPARE(parented->scene(), nullptr);

    KvTestLog log;
    KvMessage message(kCode);
    QVERIFY(!parented->sendMessageToScene(&message));
    QVERIFY(log.hasError("in no scene"));
}

void TestKvUIView::releaseWhileDelivering()
{
    Journal journal;
    KvUIScene scene;
    QPointer<View> a = new View("a", &journal);
    QPointer<View> b = new View("b", &journal);
    scene.addView(a);
    scene.addView(b);
    journal.handler = "a";
    journal.onHandle = [&scene]() { scene.releaseAllView(); };

    KvTestLog log;
    KvMessage message(kCode);
    QVERIFY(scene.sendMessage(&message));
    QVERIFY(scene.views().isEmpty());
    // Still alive until the handler's stack is gone.
    QVERIFY(a && b);
    QVERIFY(log.hasError("destroying them later"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!a && !b);
}

QTEST_MAIN(TestKvUIView)
#include "tst_kvuiview.moc"
