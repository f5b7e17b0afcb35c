// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FormulaCatalogue.h"

#include <QString>

namespace orvane {

// What the formula windows tell the user when a formula gives no value.
QString formulaFaultText(FormulaCatalogue::Fault fault);

} // namespace orvane
