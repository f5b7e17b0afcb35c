#pragma once

#include "mFormula.h"

#include <QString>

namespace orvane {

// What the formula windows tell the user when a formula gives no value.
QString formulaFaultText(mFormula::Fault fault);

} // namespace orvane
