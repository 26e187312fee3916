#ifndef PARAMTABLE_H
#define PARAMTABLE_H

#include "baseframe.h"
#include "controllertype.h"

#include <QVector>
#include <QtGlobal>

// What a parameter screen shows and edits, as data.  Each screen's table
// lives in a file of its own (<screen>_<build>.cpp, or <screen>.cpp where all
// builds share it) that a door build picks in its source list; the screen
// (ParamScreen) loops over the table and never asks which build it is in.
// Where the builds' tables differ, the parameters they share are defined
// once (<screen>.cpp) and each build's table names only what it makes of
// them: captions, which rows show, which hide for a controller type.

// A parameter as every build that has it lays it out: its widgets and their
// place, the field of the configuration block behind it, its scale, limits
// and steps, and who may change it.
struct ParamField
{
    const char *captionName;   // object name of the caption label
    const char *caption;       // caption text; nullptr: each build's table names it
    const char *buttonName;    // object name of the value button
    const char *dialogCaption; // caption in the value dialog; nullptr: the caption
    int position;              // screen row, 0 at the top
    qint32 divisor;
    qint32 min;
    qint32 max;                // until a run-time maximum replaces it
    qint32 step[4];            // large up, small up, small down, large down
    int byte;                  // first byte of the field in the block
    int width;                 // 1: one unsigned byte; 2: unsigned 16-bit little-endian
    BaseFrame::auth_level level; // lowest login level that may tap the value button
};

// One row of a screen: a parameter and what the build makes of it.  Rows
// are listed in the order of their button ids, which is the order of the
// screen's records.
struct ParamRow
{
    static constexpr bool NotShown = false; // built disabled, so never seen

    ParamField field;
    const char *caption = nullptr; // nullptr: the field's
    bool shown = true;
    QVector<ControllerType> hiddenFor = {}; // the row hides for good once one of these reports

    const char *captionText() const { return caption ? caption : field.caption; }
    const char *dialogText() const { return field.dialogCaption ? field.dialogCaption : captionText(); }
};

// A maximum taken from the held block on every refresh, for all rows.
enum class RunTimeMax {
    None,
    Word,         // the unsigned 16-bit field at maxByte
    CurrentLimit, // 1000 * (1 - s / 100), s the signed 16-bit field at maxByte
};

struct ParamTable
{
    const char *title;
    QVector<ParamRow> rows;
    RunTimeMax runTimeMax = RunTimeMax::None;
    int maxByte = 0;
};

#endif // PARAMTABLE_H
