#ifndef ROWS_H
#define ROWS_H

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

// What one door build does where the builds differ: the expectations that
// the shared rule tests (tst_rules) check against that build's library.
// Each build brings its own rows/<build>.cpp; the test body never names a
// build.
namespace Rows {

using Bytes = QVector<QPair<int, quint8>>;

// An information record's leading bytes and whether the build takes it.
struct Record { const char *name; QByteArray lead; bool accepted; };
// The status text of a record the build takes with `bytes` set, with or
// without a configuration block that reads every bit active when set.
struct Status { const char *name; Bytes bytes; bool configHeld; QString text; };
// The header's alarm labels while the given main I/O bits are active.
struct AlarmLabels { const char *name; QVector<int> mainIoBits; bool fireShown, fireBlinks, pirateShown; };
// The value buttons an Admin sees while the held record reports the
// controller type `type` (bytes 0 and 1).
struct ParamButtons { const char *screen; QByteArray type; QStringList shown; };
// One row edited on a parameter screen: its field (byte, width), the value
// the controller sent, the dialog's step and the value written back.
struct ParamEdit { const char *screen; const char *button; int byte, width, start; const char *step; int written; };
// A layout switch, the settings key it keeps and the lowest level that sees it.
struct LayoutSwitch { const char *button; const char *key; int minLevel; };

struct Build
{
    QVector<Record> records;
    QByteArray ownType;               // leading bytes of a record the build takes
    QVector<Status> statusTexts;
    QVector<QPair<int, quint8>> modeMasks;     // mode -> byte 0 of the mode switch
    QVector<QPair<int, QByteArray>> commands;  // code -> frame; empty: not in the table
    bool plusReleasesRequest;
    QVector<AlarmLabels> alarmLabels;
    bool vekInfoShown;                // "VEK Info" on the utilities menu at level 0
    QString buildDate;
    quint8 oneModeReported;           // group-0 byte (info byte 10) of exactly one mode
    bool holdToOpen;                  // the main door screen has the "Open" button
    bool modeButtons;                 // ... and mode buttons
    QVector<QPair<quint8, bool>> modeOneAsked; // group-0 byte -> mode 1 asked for
    QVector<ParamButtons> paramButtons;
    QVector<ParamEdit> paramEdits;
    QVector<QStringList> settingsMenu; // buttons seen at levels 1, 2, 3
    QVector<LayoutSwitch> layoutSwitches;
};

const Build &build();

// The I/O menu and pages.  Menu: the settings file (empty: none), the texts
// of the entries shown, "next part" shown on the main outputs.  Page: whether
// "previous part" and "next part" show.  Lamp: a bit (group -1: the main I/O
// word) that lights a row; a page shows exactly the rows that have lamps.
// Turns: buttons clicked from the menu (">name": an in-place move) and the
// page they end on.  Relabels: leading record bytes held -> "out0_1" row 5
// renamed.
struct IoMenu { const char *name; QByteArray settings; QStringList entries; bool outputsNext; };
struct IoPageButtons { const char *page; bool previous; bool next; };
struct IoLamp { const char *page; int row; int group; int bit; };
struct IoTurns { const char *name; QStringList steps; QString page; };

struct Io
{
    QVector<IoMenu> menu;
    QVector<IoPageButtons> pages;
    QVector<IoLamp> lamps;
    QVector<IoTurns> turns;
    QVector<QPair<QByteArray, bool>> relabels;
};

const Io &io();

// Build A's commands 1 to 8 and 100, and codes outside every table.
QVector<QPair<int, QByteArray>> sharedCommands();
// The bits behind the rows of build A's pages, "in0_0" first, its hidden row 2 too.
QVector<IoLamp> baseLamps();

} // namespace Rows

#endif // ROWS_H
