#ifndef PANELSETTINGS_H
#define PANELSETTINGS_H

#include <QRegularExpression>
#include <QSettings>
#include <QString>

// The panel's own settings file, "kelvaron.ini" in the working directory,
// with the defaults that apply while a key is missing.
class PanelSettings : public QSettings
{
public:
    enum Layout { NoLogoNoText = 0, LogoLayout = 1, TextLayout = 2 };

    PanelSettings()
        : QSettings(QStringLiteral("kelvaron.ini"), QSettings::IniFormat)
    {
    }

    int layout() const { return value(QStringLiteral("layout"), LogoLayout).toInt(); }
    QString shipsName() const { return value(QStringLiteral("shipsname"), QStringLiteral("Shipsname")).toString(); }
    QString doorName() const { return value(QStringLiteral("doorname"), QStringLiteral("Doorname")).toString(); }
    bool noExtension() const { return value(QStringLiteral("noextension"), false).toBool(); }
    bool noModes2to6() const { return value(QStringLiteral("nomodes2_6"), false).toBool(); }

    // The Service passcode: a number of 1 to 8 digits, as the keypad takes
    // it.  Anything else stored (empty, text, a sign, hex) counts as absent,
    // so `builtInDefault` applies rather than a 0 that an empty entry would match.
    int servicePasscode(int builtInDefault) const
    {
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,8}$"));
        const QString stored = value(QStringLiteral("pwd0")).toString();
        return digits.match(stored).hasMatch() ? stored.toInt() : builtInDefault;
    }
    void setServicePasscode(int passcode) { setValue(QStringLiteral("pwd0"), passcode); }
};

#endif // PANELSETTINGS_H
