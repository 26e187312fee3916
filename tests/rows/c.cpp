// Build C: six modes on masks 0x02 to 0x40, no sensor commands, no "+" case,
// no sensors screen, reference texts counted from 1, header as build A,
// four times rows shown of six, only the extension outputs switch.

#include "rows.h"

#include "frames.h"

namespace Rows {

const Build &build()
{
    static const Build c = [] {
        Build b;
        b.records = {
            {"0x11", "\x11", true}, {"0xAA", "\xaa", true}, {"0x10", "\x10", false}, {"0x12", "\x12", false},
            {"0xAB", "\xab", false}, {"0x18 (build A)", "\x18", false}, {"0x24 (build B)", "\x24", false},
            {"0xAC 0x02", "\xac\x02", false},
        };
        b.ownType = "\x11";
        b.statusTexts = {
            {"ref step 0 falls through", {{26, 0x00}}, false, "Door open"},
            {"ref step 1", {{26, 0x01}}, false, "Ref: Find close"},
            {"ref step 2", {{26, 0x02}}, false, "Ref: Full open"},
            {"ref step 3", {{26, 0x13}}, false, "Homing"},
            {"ref step 4 falls through", {{26, 0x04}}, false, "Door open"},
            {"no safety", {{2, 0x04}}, false, "No safety"},
            {"opening", {{3, 0x02}}, false, "Opening"},
            {"closed", {{6, 0x01}}, true, "Door closed"},
            {"open", {}, true, "Door open"},
        };
        b.modeMasks = {{1, 0x02}, {2, 0x04}, {3, 0x08}, {4, 0x10}, {5, 0x20}, {6, 0x40}, {7, 0x00}, {0, 0x00}};
        b.commands = sharedCommands();
        b.commands += {{10, {}}, {11, {}}, {12, {}}, {13, {}}};
        b.plusReleasesRequest = false;
        b.alarmLabels = {
            {"none", {}, false, false, false},
            {"bit 5", {5}, false, false, true},
            {"bit 9", {9}, false, false, false},
        };
        b.vekInfoShown = false;
        b.buildDate = "24.04.2022";
        b.oneModeReported = 0x02;
        b.holdToOpen = true;
        b.modeButtons = false;
        // Exactly one of group-0 bits 1 to 6, whatever bits 0 and 7 read.
        b.modeOneAsked = {{0x02, false}, {0x04, false}, {0x08, false}, {0x10, false}, {0x20, false}, {0x40, false},
                          {0x00, true}, {0x01, true}, {0x80, true}, {0x03, false}, {0x06, true}, {0x7E, true}};
        const QStringList times = {"btnSetDockingTime", "btnSetReClosingTime", "btnSetSafetyStroke",
                                   "btnSetOpeningTimeSafetyStrip"};
        b.paramButtons = {
            {"times", "\x11", times},
            {"times", "\x18", times},
            {"times", "\xab\x08", times},
            {"positions", "\x11", {"btnOpenSlowDist", "btnCloseSlowDist"}},
        };
        // The hidden rows (62-63, 22) go back with the values read.
        b.paramEdits = {
            {"times", "btnSetDockingTime", 25, 1, 30, "btn10n", 20},
            {"times", "btnSetOpeningTimeSafetyStrip", 23, 1, 3, "btn1p", 4},
        };
        const QStringList service = {"btnPositions", "btnSetDateTime", "btnLayout", "btnSpeed", "btnRamp"};
        const QStringList engineer = {"btnTimes", "btnCurrent"};
        b.settingsMenu = {service, service + engineer, service + engineer};
        b.layoutSwitches = {{"btnNoExtension", "noextension", 3}};
        return b;
    }();
    return c;
}

const Io &io()
{
    static const Io c = [] {
        const QStringList main = {"Inputs\nmain", "Outputs\nmain"};
        Io io;
        io.menu = {
            {"no file", {}, main, false},
            {"noextension true", "[General]\nnoextension=true\n", main, false},
        };
        io.pages = {{"in0_0", false, false}, {"in0_1", true, false}, {"out0_0", false, false},
                    {"out0_1", true, false}, {"out0_2", true, false}};
        io.lamps = baseLamps();
        io.turns = {
            {"inputs, extension, previous", {"btnTimes", ">in0_1", "btnPrev"}, "in0_0"},
            {"outputs, extension, previous", {"btnMode3_3", ">out0_1", "btnPrev"}, "out0_0"},
        };
        io.relabels = {{"\x18", false}, {"\xab\x08", false}, {"\x11", false}, {"\xaa", false}};
        return io;
    }();
    return c;
}

} // namespace Rows
