#pragma once

// Dialog units are shared by every dialog of the program; they live in src/common.
#include "common/dialogunits.h"
