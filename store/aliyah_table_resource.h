// The aliyah table of the program's own resources, read once for the run.
#pragma once

#include "store/aliyah_table.h"

// The table, read from RCDATA 32764 on first use and kept in the program
// state. A table that cannot be read is empty: no aliyah is shown or offered.
const AliyahTable& ProgramAliyahTable();
