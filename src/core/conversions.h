#pragma once

// Conversions between cell texts and numbers, both ways. The decimal separator is a parameter;
// the uptime engine and the settings store always pass '.', so their numbers read the same
// under every locale.

#include "core/number_formatting.h"  // IWYU pragma: export
#include "core/number_reading.h"     // IWYU pragma: export
