// Build A's seven operating modes and their bits in the mode-switch frame.

#include "mainwindow.h"

quint8 MainWindow::modeMask(int mode)
{
    switch (mode) {
    case 1: return 0x02;
    case 2: return 0x04;
    case 3: return 0x08;
    case 4: return 0x10;
    case 5: return 0x20;
    case 6: return 0x40;
    case 7: return 0x01;
    default: return 0x00;
    }
}
