// The verse map of the program's own resources, read once for the run.
#pragma once

#include "store/verse_map.h"

// The map, read from RCDATA 32766 on first use and kept in the program state.
// A map that cannot be read is empty, so that every lookup finds nothing.
const VerseMap& ProgramVerseMap();
