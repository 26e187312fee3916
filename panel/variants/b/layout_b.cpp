// Build B's layout screen has no switches: it neither reads nor writes
// "noextension" or "nomodes2_6", so a file that holds them keeps them.

#include "layout.h"

const QVector<Layout::Switch> Layout::switches = {};
