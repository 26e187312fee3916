#ifndef FUZZTARGET_H
#define FUZZTARGET_H

#include <cstddef>
#include <cstdint>

// One run of a fuzz target over one input; returns whether the panel kept
// its promises.  libFuzzer calls it (fuzzmain.cpp) and so does the corpus
// replay (tst_fuzzcorpus.cpp).  Each kind is built once per door build.
//
// link_<build> (linkfuzz.cpp): the serial link (Worker) and the door state
// it feeds through the record intake, as the main window wires them, short
// of the screens.  The first input byte says how the rest is cut into
// reads (its low 6 bits: 1 to 64 bytes each) and which requests wait before
// them (its top 2 bits: a reference run before every other read; a command
// whose code is the read's first byte; a mode switch of the read's first 4
// bytes and a configuration block of the read's bytes in turn; the counters
// request and a reference run in turn).  The rest is what the controller
// sends.  Right information frames follow, each in a read of its own with a
// reference run waiting.  The link kept its promises when
//   - every record handed to the door state is the payload of a frame of
//     its type with a right sum among the bytes received;
//   - every answer is empty or one whole panel frame with a right sum, one
//     of the requests left since the last answer (the intake's request for
//     the configuration block among them after an information record);
//   - an answer goes out only when the bytes received so far end with a
//     right controller frame, or, where the build has it, on a lone "+";
//   - an answer is a data request (counters, configuration block) only when
//     no command, mode switch or block was left since the last answer: a
//     newer request replaces a waiting one, but a data request never
//     replaces one of another kind;
//   - the right frames after the stream are found again within one longest
//     frame (257 bytes) and one frame more, so the buffer never holds more
//     than a frame's worth of old bytes: the first found and the one after
//     it are each handed on whole and release the request waiting;
//   - the door state keeps no more than its limit of events.
//
// screens_<build> (screensfuzz.cpp): the real main window, offscreen, with
// the platform double, fresh for every input.  The first byte sets the
// settings file (layout, the build options); the rest is a list of actions:
// controller frames (records of the build's own controller type,
// configuration blocks whole, short or unmarked, counters, other types,
// raw bytes), segues to every screen of the build, login levels, taps and
// held presses on the showing screen's buttons, blink and screensaver
// steps, the clock moving on.  A tap that opens a dialog is followed by
// taps on the dialog's buttons and frames, from inside its exec(), until it
// closes.  At the end the request still waiting is let out.  The panel
// kept its promises when every frame it writes
//   - is whole with a right sum;
//   - if a 'W', follows a change (a step, then Enter) on a parameter screen
//     since the last block the controller sent, and carries that block, sent
//     whole, its '=' in byte 4, changed only in the fields of the changed
//     screens' rows (their static table()), each to a value the dialog can
//     reach there or one the controller sent for it;
//   - if a mode switch, carries a mask of the build's table
//     (OperatingMode::all()) and three zero bytes;
//   - if a command or a data request, is one byte of command or none.
// A run ends where the program would: at the utilities' "Exit", or when
// going back past the first screen closes the window; and, as building a
// dialog takes longer than all else, when a third dialog opens.  Nothing
// is painted: every pixel is Qt's.  One main window serves all runs (see
// Panel in screensfuzz.cpp).
bool fuzzTarget(const std::uint8_t *data, std::size_t size);

#endif // FUZZTARGET_H
