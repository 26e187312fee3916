#ifndef FRAMES_H
#define FRAMES_H

#include "commandcode.h"

#include <QByteArray>
#include <QList>
#include <QPair>

#include <initializer_list>

// Frames and records as the door controller sends them.
namespace Frames {

// '?', N, type, payload, sum.
QByteArray controller(char type, const QByteArray &payload);

// '!', N, type, payload, sum: a frame as the panel writes it.
QByteArray panel(char type, const QByteArray &payload);

// Bytes written as hex text, spaces allowed: "21 03 63 1B A2".
QByteArray hex(const char *text);

// The requests the panel writes.  The fixed frame of a command code: 'c'
// and the command's letter, or the counters request 't' and the
// configuration request 'v' without payload; empty for a code no build
// knows.
QByteArray command(CommandCode code);
// A mode switch: 'd', the mode mask and three zero bytes.
QByteArray modeSwitch(quint8 mask);

using ByteValues = std::initializer_list<QPair<int, quint8>>;

// A 28-byte information record of build A's controller type 0x18 with both
// supplies good (byte 7 = 0x18), other bytes zero, then `bytes` set.
QByteArray info(ByteValues bytes = {});

// A valid 100-byte configuration block: version text "V1.2", '=' in byte 4,
// every active level 1 (bits active when set), then `bytes` set.
QByteArray config(ByteValues bytes = {});

// A counters record: two little-endian 32-bit counters.
QByteArray counters(qint32 a, qint32 b);

} // namespace Frames

#endif // FRAMES_H
