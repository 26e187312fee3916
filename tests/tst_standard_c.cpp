// Build C's main door screen: no mode button ever shows, and the screen asks
// for mode 1 whenever group-0 bits 1 to 6 do not hold exactly one active bit.

#include "frames.h"
#include "mainwindow.h"
#include "panelharness.h"

#include <QtTest>

namespace {

const QByteArray ModeOneRequest = Frames::hex("21 06 64 02 00 00 00 8D");

} // namespace

class TestStandardC : public QObject
{
    Q_OBJECT

private slots:
    void modeOneRequest_data();
    void modeOneRequest();
};

void TestStandardC::modeOneRequest_data()
{
    QTest::addColumn<int>("modes"); // group-0 byte (info byte 10)
    QTest::addColumn<bool>("asked");

    for (int bit = 1; bit <= 6; ++bit)
        QTest::addRow("bit %d alone", bit) << (1 << bit) << false;
    QTest::newRow("none") << 0x00 << true;
    QTest::newRow("bit 0 alone counts as none") << 0x01 << true;
    QTest::newRow("bit 7 alone counts as none") << 0x80 << true;
    QTest::newRow("bits 0 and 1: one") << 0x03 << false;
    QTest::newRow("bits 1 and 2") << 0x06 << true;
    QTest::newRow("bits 1 to 6") << 0x7E << true;
}

void TestStandardC::modeOneRequest()
{
    QFETCH(int, modes);
    QFETCH(bool, asked);

    PanelHarness panel;
    panel.click("pushButton");
    QCOMPARE(panel.screenName(), QStringLiteral("standard"));
    panel.send('v', Frames::config());
    panel.send('i', Frames::info({{0, 0x11}, {10, quint8(modes)}}));
    panel.written();
    QCOMPARE(panel.poll().toHex(' '), (asked ? ModeOneRequest : QByteArray()).toHex(' '));

    for (int mode = 1; mode <= 6; ++mode)
        QVERIFY(!panel.button(QStringLiteral("btnMode%1").arg(mode))->isVisible());
}

QTEST_MAIN(TestStandardC)
#include "tst_standard_c.moc"
