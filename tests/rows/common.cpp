#include "rows.h"

#include "frames.h"

namespace Rows {

QStringList allScreens()
{
    return {"standard", "utilities", "user", "systeminfo", "vekinfo", "settings", "service",
            "eventlog", "totmann", "times", "positions", "setdatetime", "start", "speed", "current",
            "ramp", "statistics", "io", "in0_0", "in0_1", "out0_0", "out0_1", "out0_2", "layout",
            "screensaver", "sensors"};
}

QVector<QPair<int, QByteArray>> sharedCommands()
{
    return {
        {1, Frames::hex("21 03 63 58 DF")}, {2, Frames::hex("21 03 63 1B A2")}, {3, Frames::hex("21 03 63 44 CB")},
        {4, Frames::hex("21 03 63 52 D9")}, {5, Frames::hex("21 02 74 97")},    {6, Frames::hex("21 03 63 53 DA")},
        {7, Frames::hex("21 03 63 4F D6")}, {8, Frames::hex("21 03 63 4C D3")}, {100, Frames::hex("21 02 76 99")},
        {0, {}}, {9, {}}, {14, {}}, {99, {}}, {101, {}},
    };
}

} // namespace Rows
