#ifndef IOLAYOUT_H
#define IOLAYOUT_H

// Where the controller's records hold the inputs and outputs: the words of
// the information record and their active levels in the configuration
// block.  A bit is active while it equals its level.
namespace IoLayout {

// Information record bytes 6 to 9: the 32-bit main I/O word (the main inputs
// in bits 0 to 9, the main outputs in bits 16 to 19).
constexpr int MainWord = 6;
// Configuration block bytes 16 to 19: one active level per bit of it.
constexpr int MainLevels = 16;
constexpr int MainLevelBytes = 4;

// An I/O group: its 32-bit word in the information record, and in the
// configuration block the 16-bit active levels of its bits 0 to 15.  Bits 16
// to 31 of a group are active when set.
struct Group
{
    int word;
    int levels;
};
constexpr int GroupLevelBytes = 2;
constexpr Group Groups[] = {{10, 68}, {14, 70}, {18, 82}};

// Groups 1 and 2 by their number; any other number is group 0.
constexpr Group group(int number)
{
    return number == 1 || number == 2 ? Groups[number] : Groups[0];
}

} // namespace IoLayout

#endif // IOLAYOUT_H
