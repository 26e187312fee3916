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
    void formatValue_data();
    void formatValue();
};

void TestAdjust::steps_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("start");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("value");

    const auto row = [](const char *name, int min, int max, int start, const QStringList &buttons, int result, int value) {
        QTest::newRow(name) << min << max << start << buttons << result << value;
    };
    row("enter without a step", 0, 1000, 500, {"btnEnter"}, 0, 500);
    row("back without a step", 0, 1000, 500, {"btnBack"}, 0, 500);
    row("up and down again, enter", 0, 1000, 500, {"btn1p", "btn1n", "btnEnter"}, 1, 500);
    row("step, back keeps the step", 0, 1000, 500, {"btn10p", "btnBack"}, 0, 600);
    row("each button", 0, 1000, 500, {"btn10p", "btn1p", "btn10n", "btn10n", "btn1n", "btnEnter"}, 1, 400);
    row("up at max", 0, 1000, 1000, {"btn1p", "btnEnter"}, 1, 1000);
    row("down at min", 100, 1000, 150, {"btn10n", "btnEnter"}, 1, 100);
    row("above max pulled down", 0, 1000, 2550, {"btn1n", "btnEnter"}, 1, 1000);
    row("below min pulled up", 100, 1000, 0, {"btn1p", "btnEnter"}, 1, 100);
    row("max below min wins", 100, 0, 50, {"btn1p", "btnEnter"}, 1, 0);
    row("max below min wins, down", 100, -1000, 50, {"btn10n", "btnEnter"}, 1, -1000);
}

void TestAdjust::steps()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, start);
    QFETCH(QStringList, buttons);
    QFETCH(int, result);
    QFETCH(int, value);

    QWidget parent;
    AdjustParam param;
    param.label = QStringLiteral("Open slow distance [%]");
    param.divisor = 10;
    param.min = min;
    param.max = max;
    param.step[0] = 100;
    param.step[1] = 10;
    param.step[2] = -10;
    param.step[3] = -100;
    param.value = start;

    Adjust dialog(&param, &parent);
    QCOMPARE(dialog.findChild<QLabel *>("lblDescription")->text(), param.label);
    ModalDriver driver(buttons, &parent);
    QCOMPARE(dialog.exec(), result);
    QVERIFY(driver.done());
    QCOMPARE(param.value, value);
    QCOMPARE(dialog.findChild<QLabel *>("lblValue")->text(), ::formatValue(param));
}

void TestAdjust::formatValue_data()
{
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("divisor 1") << 1 << 10000 << "10000";
    QTest::newRow("divisor 1, negative") << 1 << -5 << "-5";
    QTest::newRow("quarter minute") << 120 << 90 << "0.75";
    QTest::newRow("whole minutes") << 120 << 3600 << "30";
    QTest::newRow("half") << 2 << 3 << "1.5";
    QTest::newRow("tenths") << 10 << 155 << "15.5";
    QTest::newRow("byte 255 in tenths") << 10 << 255 << "25.5";
    QTest::newRow("thousandths") << 1000 << 1234 << "1.234";
    QTest::newRow("zero") << 1000 << 0 << "0";
}

void TestAdjust::formatValue()
{
    QFETCH(int, divisor);
    QFETCH(int, value);
    QFETCH(QString, text);

    AdjustParam param;
    param.divisor = divisor;
    param.value = value;
    QCOMPARE(::formatValue(param), text);
}

QTEST_MAIN(TestAdjust)
#include "tst_adjust.moc"
