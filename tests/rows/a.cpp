// Build A: seven modes, the sensor commands, "+" collects the request.

#include "rows.h"

#include "frames.h"

namespace Rows {

const Build &build()
{
    static const Build a = [] {
        Build b;
        // tst_doorcontrol and tst_worker own build A's records, status texts
        // and commands; one row each shows the rule tests reach them.
        b.records = {{"0x1F", "\x1f", true}, {"0x24 (build B)", "\x24", false}};
        b.ownType = "\x18";
        b.statusTexts = {{"no safety", {{26, 0x05}, {2, 0x04}}, false, "No safety"}};
        b.modeMasks = {{1, 0x02}, {2, 0x04}, {3, 0x08}, {4, 0x10}, {5, 0x20}, {6, 0x40}, {7, 0x01}, {0, 0x00}, {8, 0x00}};
        b.commands = {{CmdSensor1, Frames::command(CmdSensor1)}, {9, {}}};
        b.plusReleasesRequest = true;
        b.alarmLabels = {
            {"none", {}, false, false, false},
            {"bit 5", {5}, false, false, true},
            {"bit 9", {9}, false, false, false},
        };
        b.vekInfoShown = false;
        b.buildDate = "11.08.2022";
        b.oneModeReported = 0x02;
        b.holdToOpen = false;
        b.modeButtons = true;
        b.modeOneAsked = {{0x01, false}}; // mode 7; tst_standard owns the rest
        const QStringList times = {"btnSetBlackoutTime", "btnSetDockingTime", "btnSetPreAlarmTime",
                                   "btnSetReClosingTime", "btnSetSafetyStroke", "btnSetOpeningTimeSafetyStrip"};
        QStringList timesNoPin = times;
        timesNoPin.removeOne("btnSetDockingTime");
        b.paramButtons = {
            {"times", "\x19", times},
            {"times", "\x18", timesNoPin},
            {"positions", "\x18", {"btnOpenSlowDist", "btnCloseSlowDist"}},
        };
        b.paramEdits = {{"times", "btnSetOpeningTimeSafetyStrip", 23, 1, 3, "btn1p", 4}};
        const QStringList service = {"btnPositions", "btnSetDateTime", "btnSensors", "btnLayout", "btnSpeed", "btnRamp"};
        const QStringList engineer = {"btnTimes", "btnCurrent"};
        b.settingsMenu = {service, service + engineer, service + engineer};
        b.layoutSwitches = {{"btnNoExtension", "noextension", 3}, {"btnNoModes2_6", "nomodes2_6", 1}};
        return b;
    }();
    return a;
}

const Io &io()
{
    static const Io a = [] {
        const QStringList main = {"Inputs\nmain", "Outputs\nmain"};
        Io io;
        io.menu = {
            {"no file", {}, main + QStringList{"Outputs\nextension"}, true},
            {"noextension false", "[General]\nnoextension=false\n", main + QStringList{"Outputs\nextension"}, true},
            {"noextension true", "[General]\nnoextension=true\n", main, false},
        };
        io.pages = {{"in0_0", false, false}, {"in0_1", true, false}, {"out0_0", false, true},
                    {"out0_1", true, false}, {"out0_2", true, false}};
        io.lamps = baseLamps();
        io.lamps.removeAt(1); // "in0_0" row 2, the card reader, is not shown
        io.turns = {
            {"outputs, next, previous, next", {"btnMode3_3", "btnNext", "btnPrev", "btnNext"}, "out0_1"},
            {"inputs, extension, previous", {"btnTimes", ">in0_1", "btnPrev"}, "in0_0"},
            {"extension 2, previous twice", {"btnMode4_3", ">out0_2", "btnPrev", "btnPrev"}, "out0_0"},
        };
        io.relabels = {{"\x18", true}, {"\x1f", false}, {"\xab\x08", true}, {"\xab\x09", false}};
        return io;
    }();
    return a;
}

} // namespace Rows
