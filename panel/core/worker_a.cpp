// Serial line rules of build A.

#include "worker.h"

// The controller may send a lone "+" to collect the waiting request.
const bool Worker::plusReleasesRequest = true;

// Commands 10 to 13 switch the door's four sensors.
const bool Worker::hasSensorCommands = true;
