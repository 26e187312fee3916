// Saves a part of the X screen named by DISPLAY as a PNG file, so the
// end-to-end test can compare what the panel shows:
//     screengrab <file> <x> <y> <width> <height>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6)
        return 2;
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1;
    const QPixmap picture = screen->grabWindow(0, args[2].toInt(), args[3].toInt(), args[4].toInt(), args[5].toInt());
    return picture.save(args[1], "PNG") ? 0 : 1;
}
