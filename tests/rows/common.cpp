#include "rows.h"

#include "frames.h"

namespace Rows {

QVector<QPair<int, QByteArray>> sharedCommands()
{
    return {
        {1, Frames::hex("21 03 63 58 DF")}, {2, Frames::hex("21 03 63 1B A2")}, {3, Frames::hex("21 03 63 44 CB")},
        {4, Frames::hex("21 03 63 52 D9")}, {5, Frames::hex("21 02 74 97")},    {6, Frames::hex("21 03 63 53 DA")},
        {7, Frames::hex("21 03 63 4F D6")}, {8, Frames::hex("21 03 63 4C D3")}, {100, Frames::hex("21 02 76 99")},
        {0, {}}, {9, {}}, {14, {}}, {99, {}}, {101, {}},
    };
}

QVector<IoLamp> baseLamps()
{
    QVector<IoLamp> lamps;
    const auto run = [&lamps](const char *page, int group, int firstBit, int count) {
        for (int n = 0; n < count; ++n)
            lamps.append({page, n, group, firstBit + n});
    };
    run("in0_0", -1, 0, 10);
    run("in0_1", 1, 0, 2);
    run("out0_0", -1, 16, 4);
    run("out0_1", 1, 8, 5);
    run("out0_2", 2, 8, 3);
    return lamps << IoLamp{"out0_2", 1, 2, 17} << IoLamp{"out0_2", 2, 2, 18};
}

} // namespace Rows
