// SPDX-License-Identifier: GPL-3.0-or-later
// Not built: the include check must refuse this file of the display.
#include <QWidget>

#include "../toolkit/toolkit_qt.h"
#include "display/plot_scale.h"
