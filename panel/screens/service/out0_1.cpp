// The extension outputs page of builds A and C: bits 8 to 12 of I/O group 1.
// Whether row 5 is ever renamed is the build's relabel rule
// (out0_1relabel.cpp).

#include "iopage.h"
#include "screennames.h"

namespace {

const IoPageTable page = {
    "Outputs: extension",
    {
        {"Out1", " Seal Inflated", {{1, 8}}},
        {"Out2", " Battery Error", {{1, 9}}},
        {"Out3", " Drive Error", {{1, 10}}},
        {"Out4", " Door Open", {{1, 11}}},
        {"Out5", " Door Closed", {{1, 12}}},
    },
    {ScreenName::OutputsMain, true},
    {ScreenName::OutputsExtension2, false},
};

} // namespace

Out0_1::Out0_1(QWidget *parent)
    : IoPage(page, parent, relabel)
{
}
