#include "rows.h"

#include "frames.h"

namespace Rows {

QVector<QPair<int, QByteArray>> sharedCommands()
{
    QVector<QPair<int, QByteArray>> commands;
    for (CommandCode code : {CmdX, CmdOnOff, CmdDeadman, CmdReference, CmdRequestCounters, CmdResetService, CmdOpen,
                             CmdSealing, CmdRequestConfig})
        commands << qMakePair(int(code), Frames::command(code));
    for (int unknown : {0, 9, 14, 99, 101})
        commands << qMakePair(unknown, QByteArray());
    return commands;
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
