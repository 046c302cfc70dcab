// SPDX-License-Identifier: GPL-3.0-or-later
// Not built: the include check must refuse this file of the model.
#include "model/rounding.h"
#include "toolkit/toolkit.h"
