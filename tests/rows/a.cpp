// Build A: seven modes, the sensor commands, "+" collects the request.

#include "rows.h"

#include "frames.h"

namespace Rows {

const Build &build()
{
    static const Build a = [] {
        Build b;
        b.records = {
            {"0x18", "\x18", true}, {"0x1F", "\x1f", true}, {"0xAB", "\xab", true},
            {"0x17", "\x17", false}, {"0x20", "\x20", false}, {"0xAA", "\xaa", false},
            {"0xAC 0x02", "\xac\x02", false}, {"0x24 (build B)", "\x24", false}, {"0x11 (build C)", "\x11", false},
        };
        b.ownType = "\x18";
        b.statusTexts = {
            {"ref step 0", {{26, 0x00}}, false, "Ref: Find close"},
            {"ref step 1", {{26, 0x01}}, false, "Ref: Full open"},
            {"ref step 2", {{26, 0x02}}, false, "Ref: Half open"},
            {"ref step 3", {{26, 0x03}}, false, "Ref: PB open"},
            {"ref step 4", {{26, 0x14}}, false, "Homing"},
            {"ref step 5 falls through", {{26, 0x05}}, false, "Door open"},
            {"no safety", {{26, 0x05}, {2, 0x04}}, false, "No safety"},
            {"preparing slide", {{26, 0x05}, {3, 0x06}}, false, "Preparing slide"},
            {"closed", {{26, 0x05}, {6, 0x01}}, true, "Door closed"},
            {"open", {{26, 0x05}}, true, "Door open"},
        };
        b.modeMasks = {{1, 0x02}, {2, 0x04}, {3, 0x08}, {4, 0x10}, {5, 0x20}, {6, 0x40}, {7, 0x01}, {0, 0x00}, {8, 0x00}};
        b.commands = sharedCommands();
        b.commands += {{10, Frames::hex("21 03 63 31 B8")}, {11, Frames::hex("21 03 63 32 B9")},
                       {12, Frames::hex("21 03 63 33 BA")}, {13, Frames::hex("21 03 63 34 BB")}};
        b.plusReleasesRequest = true;
        b.screens = allScreens();
        b.alarmLabels = {
            {"none", {}, false, false, false},
            {"bit 5", {5}, false, false, true},
            {"bit 9", {9}, false, false, false},
        };
        b.vekInfoShown = false;
        b.buildDate = "11.08.2022";
        b.oneModeReported = 0x02;
        b.holdToOpen = false;
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
