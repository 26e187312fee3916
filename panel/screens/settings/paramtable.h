#ifndef PARAMTABLE_H
#define PARAMTABLE_H

#include "baseframe.h"

#include <QVector>
#include <QtGlobal>

// What a parameter screen shows and edits, as data.  Each screen's table
// lives in a file of its own (<screen>_<build>.cpp, or <screen>.cpp where all
// builds share it) that a door build picks in its source list; the screen
// (ParamScreen) loops over the table and never asks which build it is in.

// A controller type, as bytes 0 and 1 of the information record tell it.
struct ControllerType
{
    quint8 type;
    int variant; // byte 1, or AnyVariant
    static constexpr int AnyVariant = -1;
};

// One row: a caption on the left, a value button on the right, and the
// bytes of the configuration block behind it.  Rows are listed in the order
// of their button ids, which is the order of the screen's records.
struct ParamRow
{
    const char *captionName;   // object name of the caption label
    const char *caption;       // caption text
    const char *buttonName;    // object name of the value button
    const char *dialogCaption; // caption in the value dialog; nullptr: the caption
    int position;              // screen row, 0 at the top
    qint32 divisor;
    qint32 min;
    qint32 max;                // until a run-time maximum replaces it
    qint32 step[4];            // large up, small up, small down, large down
    int byte;                  // first byte of the field in the block
    int width;                 // 1: one unsigned byte; 2: unsigned 16-bit little-endian
    bool shown;                // false: built disabled, so never seen
    BaseFrame::auth_level level; // lowest login level that may tap the value button
    QVector<ControllerType> hiddenFor; // the row hides for good once one of these reports
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
