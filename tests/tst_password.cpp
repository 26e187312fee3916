#include "password.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The passcode keypad on its own, typed on with the mouse.
class TestPassword : public QObject
{
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void digitKeysAreTheGroup();
    void enterKeepsDigits_data();
    void enterKeepsDigits();
    void backDiscardsDigits_data();
    void backDiscardsDigits();
    void runsModallyUntilEnter();
    void showsFullScreen();

private:
    static void press(Password &dialog, const QString &buttonName);
    static void type(Password &dialog, const QString &keys);
};

void TestPassword::press(Password &dialog, const QString &buttonName)
{
    auto *button = dialog.findChild<QPushButton *>(buttonName);
    QVERIFY2(button, qPrintable(buttonName));
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestPassword::type(Password &dialog, const QString &keys)
{
    for (QChar key : keys)
        press(dialog, QStringLiteral("btn") + key);
}

void TestPassword::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("shown");

    QTest::newRow("one digit") << "5" << "5" << "*";
    QTest::newRow("seven digits") << "1234567" << "1234567" << "*******";
    QTest::newRow("leading zeros stay") << "0070" << "0070" << "****";
    QTest::newRow("eight digits") << "98765432" << "98765432" << "********";
    QTest::newRow("ninth digit ignored") << "123456789" << "12345678" << "********";
    QTest::newRow("ten keys") << "0123456789" << "01234567" << "********";
}

void TestPassword::typing()
{
    QFETCH(QString, keys);
    QFETCH(QString, entered);
    QFETCH(QString, shown);

    Password dialog(nullptr);
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("passLabel"));
    QVERIFY(label);
    QCOMPARE(label->text(), QString());

    type(dialog, keys);
    QCOMPARE(dialog.enteredDigits, entered);
    QCOMPARE(label->text(), shown);
    QVERIFY(dialog.isVisible());
}

// The group holds the ten digit keys with their digits as ids, and neither
// "Enter" nor "<-- back".
void TestPassword::digitKeysAreTheGroup()
{
    Password dialog(nullptr);
    auto *group = dialog.findChild<QButtonGroup *>(QStringLiteral("buttonGroup"));
    QVERIFY(group);
    QCOMPARE(group->buttons().size(), 10);
    for (int digit = 0; digit < 10; ++digit) {
        auto *key = qobject_cast<QPushButton *>(group->button(digit));
        QVERIFY2(key, qPrintable(QString::number(digit)));
        QCOMPARE(key->objectName(), QStringLiteral("btn%1").arg(digit));
        QCOMPARE(key->text(), QString::number(digit));
    }
}

void TestPassword::enterKeepsDigits_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("entered");

    QTest::newRow("nothing typed") << "" << "";
    QTest::newRow("digits") << "0042" << "0042";
    QTest::newRow("more than eight") << "999999999" << "99999999";
}

void TestPassword::enterKeepsDigits()
{
    QFETCH(QString, keys);
    QFETCH(QString, entered);

    Password dialog(nullptr);
    type(dialog, keys);
    press(dialog, QStringLiteral("btnEnter"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.enteredDigits, entered);
}

void TestPassword::backDiscardsDigits_data()
{
    QTest::addColumn<QString>("keys");

    QTest::newRow("nothing typed") << "";
    QTest::newRow("digits") << "1234";
}

void TestPassword::backDiscardsDigits()
{
    QFETCH(QString, keys);

    Password dialog(nullptr);
    type(dialog, keys);
    press(dialog, QStringLiteral("btnBack"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.enteredDigits, QString());
}

// As an opener runs it: exec() returns once "Enter" is pressed and the
// digits are still there to read.
void TestPassword::runsModallyUntilEnter()
{
    QWidget opener;
    opener.show();
    Password dialog(&opener);
    bool typed = false;
    QTimer::singleShot(0, &dialog, [&] {
        type(dialog, QStringLiteral("314"));
        press(dialog, QStringLiteral("btnEnter"));
        typed = true;
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, &dialog, &QDialog::reject);
    guard.start(5000);

    dialog.exec();
    QVERIFY(typed);
    QVERIFY(guard.isActive());
    QCOMPARE(dialog.enteredDigits, QStringLiteral("314"));
}

void TestPassword::showsFullScreen()
{
    QWidget opener;
    Password dialog(&opener);
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.windowState() & Qt::WindowFullScreen);
}

QTEST_MAIN(TestPassword)
#include "tst_password.moc"
