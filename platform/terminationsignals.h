#ifndef TERMINATIONSIGNALS_H
#define TERMINATIONSIGNALS_H

// SIGTERM (how Linux stops a service), SIGINT (Ctrl+C) and SIGHUP (the
// terminal that started it closed) end the program the way closing its
// window does: the event loop quits, so the destructors run and
// the serial port and the single-instance lock are released.
//
// A signal the program was started to ignore (as nohup does) stays ignored.
// Call once, after the application object exists.  The signal handler only
// writes a byte to a pipe; the event loop reads it and quits.
void quitOnTerminationSignals();

#endif // TERMINATIONSIGNALS_H
