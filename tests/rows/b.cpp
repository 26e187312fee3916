// Build B: four modes, no sensor commands, no "+" case, no sensors screen,
// "Seaworthy", fire and pirate from main I/O bits 5 and 9, "VEK Info", five
// times and four positions rows, "Deadman", a layout screen without switches.

#include "rows.h"

#include "frames.h"

namespace Rows {

const Build &build()
{
    static const Build b = [] {
        Build b;
        b.records = {
            {"0x24", "\x24", true}, {"0x24 0x01", "\x24\x01", true}, {"0xAC 0x02", "\xac\x02", true},
            {"0xAC 0x01", "\xac\x01", false}, {"0xAC 0x03", "\xac\x03", false}, {"0x23", "\x23", false},
            {"0x25", "\x25", false}, {"0x18 (build A)", "\x18", false}, {"0x11 (build C)", "\x11", false},
            {"0xAA", "\xaa", false},
        };
        b.ownType = "\x24";
        b.statusTexts = {
            {"ref step 0", {{26, 0x00}}, false, "Ref: Find close"},
            {"ref step 1", {{26, 0x01}}, false, "Ref: Full open"},
            {"ref step 2", {{26, 0x12}}, false, "Homing"},
            {"ref step 3 falls through", {{26, 0x03}}, false, "Door open"},
            {"no safety", {{26, 0x03}, {2, 0x04}}, false, "No safety"},
            {"closing", {{26, 0x03}, {3, 0x04}}, false, "Closing"},
            {"open, locked and sealed", {{26, 0x03}, {6, 0x10}, {8, 0x08}}, true, "Door open"},
            {"closed, not locked", {{26, 0x03}, {6, 0x11}}, true, "Door closed"},
            {"closed and locked", {{26, 0x03}, {6, 0x01}, {8, 0x08}}, true, "Door closed & locked"},
            {"closed, locked, sealed", {{26, 0x03}, {6, 0x11}, {8, 0x08}}, true, "Seaworthy"},
        };
        b.modeMasks = {{1, 0x08}, {2, 0x10}, {3, 0x20}, {4, 0x40}, {0, 0x00}, {5, 0x00}, {7, 0x00}};
        b.commands = sharedCommands();
        b.commands += {{10, {}}, {11, {}}, {12, {}}, {13, {}}};
        b.plusReleasesRequest = false;
        b.alarmLabels = {
            {"none", {}, false, false, false},
            {"bit 5", {5}, true, true, false},
            {"bit 9", {9}, false, false, true},
            {"bits 5 and 9", {5, 9}, true, true, true},
        };
        b.vekInfoShown = true;
        b.buildDate = "24.04.2022";
        b.oneModeReported = 0x08;
        b.holdToOpen = true;
        b.modeButtons = true;
        b.modeOneAsked = {{0x02, true}, {0x01, true}}; // no mode of build B's; tst_standard_b owns the rest
        const QStringList times = {"btnSetBlackoutTime", "btnSetDockingTime", "btnSetPreAlarmTime",
                                   "btnSetReClosingTime", "btnSetSafetyStroke"};
        b.paramButtons = {
            {"times", "\x24", times},
            {"times", "\x18", times},
            {"times", "\xab\x08", times},
            {"positions", "\x24", {"btnOpenSlowDist", "btnCloseSlowDist", "btnOpenSensOffDist", "btnCloseSensOffDist"}},
        };
        b.paramEdits = {
            {"times", "btnSetDockingTime", 25, 1, 30, "btn1p", 31},
            {"times", "btnSetPreAlarmTime", 22, 1, 20, "btn10p", 40},
            {"positions", "btnOpenSensOffDist", 76, 2, 300, "btn10p", 400},
        };
        const QStringList service = {"btnPositions", "btnSetDateTime", "btnLayout", "btnSpeed", "btnRamp", "btnDeadman"};
        const QStringList engineer = {"btnTimes", "btnCurrent"};
        b.settingsMenu = {service, service + engineer, service + engineer};
        b.layoutSwitches = {};
        return b;
    }();
    return b;
}

const Io &io()
{
    static const Io b = [] {
        const QStringList all = {"Inputs\nmain", "Inputs\nextension", "Outputs\nmain", "Outputs\nextension",
                                 "Outputs\next. 2"};
        Io io;
        io.menu = {
            {"no file", {}, all, true},
            {"noextension true", "[General]\nnoextension=true\n", all, true},
        };
        io.pages = {{"in0_0", false, true}, {"in0_1", true, false}, {"out0_0", false, true},
                    {"out0_1", true, true}, {"out0_2", true, false}};
        io.lamps = baseLamps();
        io.lamps += {{"in0_1", 4, 2, 1}, {"in0_1", 5, 2, 2}};
        io.turns = {
            {"inputs, next, previous", {"btnTimes", "btnNext", "btnPrev"}, "in0_0"},
            {"outputs, next twice, previous twice", {"btnMode3_3", "btnNext", "btnNext", "btnPrev", "btnPrev"}, "out0_0"},
            {"extension inputs", {"btnPositions"}, "in0_1"},
            {"extension 2, previous", {"btnMode4_4", "btnPrev"}, "out0_1"},
        };
        io.relabels = {{"\x18", false}, {"\xab\x08", false}, {"\x24", false}, {"\xac\x02", false}};
        return io;
    }();
    return b;
}

} // namespace Rows
