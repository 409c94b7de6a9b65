#pragma once

// The explorer's values of one curve live with the curves, below the windows.
#include "curves/curve_values.h"
