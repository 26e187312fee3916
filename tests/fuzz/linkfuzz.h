#ifndef LINKFUZZ_H
#define LINKFUZZ_H

#include <cstddef>
#include <cstdint>

// One run of the serial link and the door-state object over hostile bytes,
// wired as the main window wires them.
//
// The first input byte sets how the rest is cut into reads (1 to 64 bytes
// each); the rest is what the controller sends.  A request waits before
// every other read.  Then right information frames follow, each holding a
// 0x3F byte, each in a read of its own.  Returns whether the link kept its
// promises: it answered only with whole requests, it found the right frames
// again (the last one handed on and answered), and the door state kept no
// more than its limit of events.
bool fuzzLink(const std::uint8_t *data, std::size_t size);

#endif // LINKFUZZ_H
