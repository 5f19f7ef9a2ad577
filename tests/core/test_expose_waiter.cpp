#include "core/sound_effect_player.h"

#include <QTest>
#include <QWindow>

// The sound player finds its device only after a shown window has had its
// first paint; the waiter tells it when.
class ExposeWaiterTest : public QObject {
    Q_OBJECT
private slots:
    void calls_back_once_the_window_is_exposed()
    {
        QWindow window;
        window.resize(40, 30);
        ExposeWaiter waiter;
        int calls = 0;
        waiter.wait(&window, [&calls] { ++calls; });
        QCoreApplication::processEvents();
        QCOMPARE(calls, 0); // not shown yet, so not painted
        window.show();
        QTRY_COMPARE(calls, 1);
        QVERIFY(window.isExposed());
        window.hide();
        window.show();
        QCoreApplication::processEvents();
        QCOMPARE(calls, 1); // once
    }

    void a_window_gone_first_holds_nothing_back()
    {
        ExposeWaiter waiter;
        int calls = 0;
        auto *window = new QWindow;
        waiter.wait(window, [&calls] { ++calls; });
        delete window;
        QCOMPARE(calls, 1);
    }
};

QTEST_MAIN(ExposeWaiterTest)
#include "test_expose_waiter.moc"
