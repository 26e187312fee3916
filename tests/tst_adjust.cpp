// The value-adjust dialog: what exec() returns, the clamp, the shown value.

#include "adjust.h"
#include "modaldriver.h"

#include <QLabel>
#include <QtTest>

class TestAdjust : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
};

void TestAdjust::steps_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("start");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("shown");

    const auto row = [](const char *name, int min, int max, int start, const QStringList &buttons, int result, const char *shown) {
        QTest::newRow(name) << min << max << start << buttons << result << QString(shown);
    };
    row("enter without a step", 0, 1000, 500, {"btnEnter"}, 0, "50");
    row("up and down again, enter", 0, 1000, 500, {"btn1p", "btn1n", "btnEnter"}, 1, "50");
    row("step, back keeps the step", 0, 1000, 500, {"btn10p", "btnBack"}, 0, "60");
    row("each button", 0, 1000, 500, {"btn10p", "btn1p", "btn10n", "btn10n", "btn1n", "btnEnter"}, 1, "40");
    row("up at max", 0, 1000, 1000, {"btn1p", "btnEnter"}, 1, "100");
    row("above max pulled down", 0, 1000, 2550, {"btn1n", "btnEnter"}, 1, "100");
    row("below min pulled up", 100, 1000, 0, {"btn1p", "btnEnter"}, 1, "10");
    row("max below min wins", 100, 0, 50, {"btn1p", "btnEnter"}, 1, "0");
    row("tenths shown", 0, 1000, 155, {"btn1p", "btnEnter"}, 1, "16.5");
}

void TestAdjust::steps()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, start);
    QFETCH(QStringList, buttons);
    QFETCH(int, result);
    QFETCH(QString, shown);

    QWidget parent;
    AdjustParam param{QStringLiteral("Open slow distance [%]"), 10, min, max, {100, 10, -10, -100}, start, 0};
    Adjust dialog(&param, &parent);
    ModalDriver driver(buttons, &parent);
    QCOMPARE(dialog.exec(), result);
    QVERIFY(driver.done());
    QCOMPARE(formatValue(param), shown);
    QCOMPARE(dialog.findChild<QLabel *>("lblValue")->text(), shown);
}

QTEST_MAIN(TestAdjust)
#include "tst_adjust.moc"
