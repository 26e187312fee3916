#include "passcodes.h"

#include <QtGlobal>

namespace {

// Read at run time, so the compiler cannot fold the codes into constants.
volatile quint16 unscrambleKey = 0xB5C3;

// A code as its two scrambled halves: the hundreds and the last two digits.
struct ScrambledCode
{
    quint16 high;
    quint16 low;
};

const ScrambledCode EngineerCode = {0xB58A, 0x05F5};
const ScrambledCode AdminCode = {0xB5F9, 0x05B6};
const ScrambledCode ServiceCode = {0xB5DC, 0x05A8};

int unscramble(const ScrambledCode &code)
{
    const quint16 key = unscrambleKey;
    const int high = code.high ^ key;
    const int low = code.low ^ static_cast<quint16>(key >> 5);
    return high * 100 + low;
}

} // namespace

namespace Passcodes {

int engineer()
{
    return unscramble(EngineerCode);
}

int admin()
{
    return unscramble(AdminCode);
}

int serviceDefault()
{
    return unscramble(ServiceCode);
}

} // namespace Passcodes
