#ifndef PANELSETTINGS_H
#define PANELSETTINGS_H

#include <QRegularExpression>
#include <QSettings>
#include <QString>

// The panel's own settings file, "kelvaron.ini" in the working directory,
// with the defaults that apply while a key is missing.
//
// Every operation that reads or writes the file makes its own object and
// lets it go when done; the values reach the disk then, or at sync().
class PanelSettings : public QSettings
{
public:
    enum Layout { NoLogoNoText = 0, LogoLayout = 1, TextLayout = 2 };

    PanelSettings()
        : QSettings(QStringLiteral("kelvaron.ini"), QSettings::IniFormat)
    {
    }

    // What the screen headers show: a Layout value (any stored integer is
    // taken as it is).
    int layout() const { return value(QLatin1String(LayoutKey), LogoLayout).toInt(); }
    QString shipsName() const { return value(QLatin1String(ShipsNameKey), QStringLiteral("Shipsname")).toString(); }
    QString doorName() const { return value(QLatin1String(DoorNameKey), QStringLiteral("Doorname")).toString(); }
    // Hides the extension outputs.
    bool noExtension() const { return value(QLatin1String(NoExtensionKey), false).toBool(); }
    // Hides the main door screen's mode buttons 2, 6 and 7.
    bool noModes2to6() const { return value(QLatin1String(NoModesKey), false).toBool(); }

    void setLayout(int layout) { setValue(QLatin1String(LayoutKey), layout); }
    void setShipsName(const QString &name) { setValue(QLatin1String(ShipsNameKey), name); }
    void setDoorName(const QString &name) { setValue(QLatin1String(DoorNameKey), name); }
    void setNoExtension(bool on) { setValue(QLatin1String(NoExtensionKey), on); }
    void setNoModes2to6(bool on) { setValue(QLatin1String(NoModesKey), on); }

    // The Service passcode: a number of 1 to 8 digits, as the keypad takes
    // it.  Anything else stored (empty, text, a sign, hex) counts as absent,
    // so `builtInDefault` applies rather than a 0 that an empty entry would match.
    int servicePasscode(int builtInDefault) const
    {
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,8}$"));
        const QString stored = value(QLatin1String(ServicePasscodeKey)).toString();
        return digits.match(stored).hasMatch() ? stored.toInt() : builtInDefault;
    }
    void setServicePasscode(int passcode) { setValue(QLatin1String(ServicePasscodeKey), passcode); }

private:
    static constexpr const char *LayoutKey = "layout";
    static constexpr const char *ShipsNameKey = "shipsname";
    static constexpr const char *DoorNameKey = "doorname";
    static constexpr const char *NoExtensionKey = "noextension";
    static constexpr const char *NoModesKey = "nomodes2_6";
    static constexpr const char *ServicePasscodeKey = "pwd0";
};

#endif // PANELSETTINGS_H
