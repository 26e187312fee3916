#ifndef SCREENNAMES_H
#define SCREENNAMES_H

// The object names of the screens in the main window's stack: the names by
// which a screen is found and that every segue carries.  A build that lacks a
// screen simply has no page of that name.
namespace ScreenName {

constexpr char Standard[] = "standard";
constexpr char Utilities[] = "utilities";
constexpr char User[] = "user";
constexpr char SystemInfo[] = "systeminfo";
constexpr char VekInfo[] = "vekinfo";
constexpr char Settings[] = "settings";
constexpr char Service[] = "service";
constexpr char EventLog[] = "eventlog";
constexpr char Totmann[] = "totmann";
constexpr char Times[] = "times";
constexpr char Positions[] = "positions";
constexpr char SetDateTime[] = "setdatetime";
constexpr char Start[] = "start";
constexpr char Speed[] = "speed";
constexpr char Current[] = "current";
constexpr char Ramp[] = "ramp";
constexpr char Statistics[] = "statistics";
constexpr char IoMenu[] = "io";
constexpr char InputsMain[] = "in0_0";
constexpr char InputsExtension[] = "in0_1";
constexpr char OutputsMain[] = "out0_0";
constexpr char OutputsExtension[] = "out0_1";
constexpr char OutputsExtension2[] = "out0_2";
constexpr char Layout[] = "layout";
constexpr char Screensaver[] = "screensaver";
constexpr char Sensors[] = "sensors";

} // namespace ScreenName

#endif // SCREENNAMES_H
