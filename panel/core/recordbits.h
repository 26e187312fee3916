#ifndef RECORDBITS_H
#define RECORDBITS_H

// What the single bits of the controller's records mean, where the panel
// reads them by meaning: the flags of the information record, the inputs and
// outputs that screens and status texts test (beside the I/O pages' own
// tables), and the configuration block's option bit.  Where the I/O words
// stand in the records is iolayout.h's business.  The test frames and the
// door-controller simulator use the same names.

// Bit `bit` (0 the lowest) of byte `byte` of a record.
struct RecordBit
{
    int byte;
    int bit;
};

// The information record's flags.
namespace InfoBit {

// Byte 2: the controller's state.
constexpr RecordBit Reference{2, 0};        // reference flag: "Ref OK", only the status text shows
constexpr RecordBit ControlOff{2, 1};
constexpr RecordBit NoSafety{2, 2};
constexpr RecordBit SensorError{2, 3};      // sensor or switch error
constexpr RecordBit FaultOnOperation{2, 4};
constexpr RecordBit SystemFailure{2, 5};    // logged as "battery error"
constexpr RecordBit FaultOnReboot{2, 6};
constexpr RecordBit EmergencyHalt{2, 7};
// Byte 3: the door's motion (both: preparing to slide).
constexpr RecordBit Opening{3, 1};
constexpr RecordBit Closing{3, 2};
constexpr RecordBit MotionFault{3, 7};      // a fault on operation too
// Byte 5: bit 13 of the 16-bit flags of bytes 4 and 5.
constexpr RecordBit SafetyStop{5, 5};
// Byte 7, inside the main I/O word: the supplies good.
constexpr RecordBit Supply230V{7, 3};
constexpr RecordBit Supply230VHP{7, 4};
// Byte 26: the reference-run step in the low four bits, and the service due.
constexpr int ReferenceStepByte = 26;
constexpr int ReferenceStepMask = 0x0F;
constexpr RecordBit ServiceNeeded{26, 4};
// Byte 27: hold-to-run (also the deadman function on), build B's sealing
// request, and bits 0 to 3 each a sensor the controller has switched off.
constexpr RecordBit HoldToRun{27, 0};
constexpr RecordBit Sealing{27, 1};
constexpr RecordBit sensorOff(int sensor) { return {27, sensor}; }

} // namespace InfoBit

// Bits of the main I/O word, tested with DoorControl::isIoActive().
namespace MainIo {

constexpr int DoorClosed = 0;       // input: limit switch "close"
constexpr int Pirate = 5;           // input "Central Command": the header's pirate label (A, C)
constexpr int DeflateSeal = 19;     // output: hold-to-run's "Seaworthy"
// Build B's own inputs.
constexpr int Seaworthy = 4;        // the door sealed
constexpr int Fire = 5;
constexpr int SecuritySystem = 9;
constexpr int Locked = 19;

} // namespace MainIo

// Bits of I/O group words, tested with DoorControl::isGroupIoActive(); the
// group-0 bits are the operating modes' lamps (OperatingMode::all()).
struct GroupIoBit
{
    int group;
    int bit;
};

namespace GroupIo {

constexpr GroupIoBit AllOff{1, 0};          // the "All Off" switch: control off
constexpr GroupIoBit SealingRequest{1, 1};  // build B: sealing asked for
constexpr GroupIoBit ExternSealing{2, 1};   // build B: sealing asked from outside

} // namespace GroupIo

// The configuration block's options.
namespace ConfigBit {

// Build B: mode 4, "Pushbutton EXIT ONLY", may be chosen.
constexpr RecordBit ExitOnlyOffered{34, 0};

} // namespace ConfigBit

#endif // RECORDBITS_H
