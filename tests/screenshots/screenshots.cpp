// Renders every screen of a door build's screen stack, the passcode keypad,
// the value-adjust dialog and the on-screen keyboard, each to a 240 x 320
// picture named after the screen.
//
// The main window is the real one, fed a plausible door state.  Every page
// of the screen stack is pictured, so a new screen joins by being added to
// the stack.

#include "adjust.h"
#include "fakepanelutilities.h"
#include "mainwindow.h"
#include "paneldrawing.h"
#include "panelharness.h"
#include "password.h"
#include "textedit.h"
#include "screennames.h"
#include "rows/rows.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QTextStream>

namespace {

const QSize PanelSize(240, 320);

// Full screen on the panel is 240 x 320; the offscreen platform's screen is
// larger, so a window that shows itself full screen is put back to the
// panel's size.
void toPanelSize(QWidget &window)
{
    window.showNormal();
    window.resize(PanelSize);
    QApplication::processEvents();
}

bool save(const QPixmap &picture, const QString &name, const QSize &expected, QTextStream &err)
{
    const QString path = QDir(QStringLiteral(SCREENSHOT_DIR)).filePath(name + QStringLiteral(".png"));
    bool ok = true;
    if (expected.isValid() && picture.size() != expected) {
        err << name << ": " << picture.width() << " x " << picture.height() << ", expected "
            << expected.width() << " x " << expected.height() << "\n";
        ok = false;
    }
    if (!picture.save(path)) {
        err << name << ": cannot write " << path << "\n";
        ok = false;
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    // As the panel program itself does.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    if (!QDir().mkpath(QStringLiteral(SCREENSHOT_DIR))) {
        err << "cannot create " << SCREENSHOT_DIR << "\n";
        return 1;
    }

    PanelHarness panel;
    MainWindow &window = panel.window();
    toPanelSize(window);
    const QString drawing = PanelDrawing::mismatch(window);
    if (!drawing.isEmpty()) {
        err << drawing << "\n";
        return 1;
    }
    // Reproducible pictures: the blinking header stays in its form colours.
    panel.blinkTimer().stop();

    // A plausible door of the build's own controller type: closed,
    // reference run done, mode 1 active (its group-0 bit), both
    // supplies good, motion sensor 2 switched off, a valid configuration
    // block and some counts.  Some inputs and outputs are active, so the I/O
    // pages show lit rows: the closed limit switch and a light barrier, the
    // brake and the red push button LED, the inflated seal and "door open"
    // of the extension, the sea mode and the green inside LED.  It is sent
    // before and after every segue, as the controller keeps sending, so screens that ask for the
    // configuration block on entry get it too.  The hold-to-run screen shows
    // only while the controller reports hold-to-run (byte 27, bit 0).
    const auto feed = [&panel](const QString &screen) {
        const quint8 flags = screen == QLatin1String("totmann") ? 0x03 : 0x02;
        panel.send('v', Frames::config({
                            {21, 20}, {22, 12}, {23, 30}, {24, 3}, {25, 50},  // times
                            {28, 0x2C}, {29, 0x01}, {30, 0xC8}, {31, 0x00},   // slow distances 30 %, 20 %
                            {32, 0xB8}, {33, 0x0B}, {92, 0xD0}, {93, 0x07},   // current limits 3 A, 2 A
                            {38, 0xB8}, {39, 0x0B}, {40, 0xDC}, {41, 0x05},   // velocities: max 3000, open 1500
                            {42, 0x2C}, {43, 0x01}, {64, 0xB0}, {65, 0x04},   // slow 300, close 1200
                            {44, 0xE8}, {45, 0x03}, {46, 0xD0}, {47, 0x07},   // acceleration 10, deceleration 20
                            {48, 0x32}, {49, 0x00}, {62, 0x58}, {63, 0x02},   // brake 5, blackout 5 min
                            {96, 0xAC}, {97, 0xF4}}));                        // current basis: 30 A
        panel.send('t', Frames::counters(123456, 789));
        QByteArray record = Frames::info({{2, 0x01}, {6, 0x41}, {8, 0x05}, {10, Rows::build().oneModeReported},
                                          {15, 0x09}, {19, 0x01}, {20, 0x02}, {26, 0x05}, {27, flags}});
        record.replace(0, Rows::build().ownType.size(), Rows::build().ownType);
        panel.send('i', record);
        panel.written();
    };
    auto *stack = window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    if (!stack) {
        err << "no screen stack\n";
        return 1;
    }

    // Screens for logged-in users are pictured as an Admin sees them: the
    // settings menu with every screen it leads to, and the service screens.
    const QStringList loggedIn = {ScreenName::Settings,    ScreenName::Layout, ScreenName::Sensors,
                                  ScreenName::SetDateTime, ScreenName::Times,  ScreenName::Positions,
                                  ScreenName::Speed,       ScreenName::Current, ScreenName::Ramp,
                                  ScreenName::Service,     ScreenName::Statistics, ScreenName::IoMenu};

    bool ok = true;
    int written = 0;
    for (int page = 0; page < stack->count(); ++page) {
        const QString name = stack->widget(page)->objectName();
        panel.setLevel(loggedIn.contains(name) ? BaseFrame::LevelAdmin : BaseFrame::LevelStandard);
        feed(name);
        window.segue(name);
        feed(name);
        if (stack->currentIndex() != page) {
            err << name << ": not reached by segue\n";
            ok = false;
            continue;
        }
        ok = save(window.grab(), name, PanelSize, err) && ok;
        ++written;
    }

    {
        feed(QString());
        window.segue(QStringLiteral("user"));
        Password keypad(stack->currentWidget());
        toPanelSize(keypad);
        ok = save(keypad.grab(), QStringLiteral("password"), PanelSize, err) && ok;
        ++written;
    }

    {
        AdjustParam param;
        param.label = QStringLiteral("Open slow distance [%]");
        param.divisor = 10;
        param.max = 1000;
        param.value = 155;
        Adjust dialog(&param, stack->currentWidget());
        toPanelSize(dialog);
        ok = save(dialog.grab(), QStringLiteral("adjust"), PanelSize, err) && ok;
        ++written;
    }

    {
        panel.setLevel(BaseFrame::LevelAdmin);
        window.segue(QStringLiteral("layout"));
        Textedit keyboard(QStringLiteral("Doorname"), stack->currentWidget());
        toPanelSize(keyboard);
        ok = save(keyboard.grab(), QStringLiteral("textedit"), PanelSize, err) && ok;
        ++written;
    }

    // Looking at the screens must not touch the device.
    if (!FakePanelUtilities::calls().isEmpty()) {
        err << "panel utilities called: " << FakePanelUtilities::calls().join(QStringLiteral(", ")) << "\n";
        ok = false;
    }

    out << written << " pictures in " << SCREENSHOT_DIR << "\n";
    return ok ? 0 : 1;
}
