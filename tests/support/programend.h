#ifndef PROGRAMEND_H
#define PROGRAMEND_H

#include <QByteArray>

class QProcess;

// Whether a program the test started, now ended, ended as it should: with
// `exitCode`, and no report of the address, leak or undefined-behaviour
// sanitizer in `errorOutput`, what it wrote to its standard error.  When
// not, fails the running test with what went wrong, the report included,
// and returns false.  It records the failure and does not return from the
// test, so a cleanup can go on.
bool endedCleanly(const QProcess &program, const QByteArray &errorOutput, int exitCode = 0);

#endif // PROGRAMEND_H
