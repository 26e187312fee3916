#ifndef LONGPRESS_H
#define LONGPRESS_H

#include <QtGlobal>

// A press held long enough to mean more than a tap.
//
// The press is timed from press to release with the device's wall clock in
// milliseconds; there is no timer, so nothing happens while the finger stays
// down.  A clock that went back while the finger was down counts as a short
// press.
class LongPress
{
public:
    static constexpr qint64 HoldMs = 1500;

    void press();
    bool isLongOnRelease() const;

private:
    qint64 pressTime = 0;
};

#endif // LONGPRESS_H
