// Serial line rules of builds B and C.

#include "worker.h"

// A lone "+" from the controller collects nothing: the waiting request goes
// out only after a frame with a right sum that ends the receive buffer.
const bool Worker::plusReleasesRequest = false;

// The command table stops at 8 and 100: there are no sensor commands 10 to 13.
const bool Worker::hasSensorCommands = false;
