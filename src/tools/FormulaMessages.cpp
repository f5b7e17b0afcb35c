// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormulaMessages.h"

namespace orvane {

QString formulaFaultText(FormulaCatalogue::Fault fault)
{
    switch (fault) {
    case FormulaCatalogue::Fault::NotATriangle:
        return QStringLiteral("这三条边构不成三角形，请重新输入。");
    case FormulaCatalogue::Fault::RatioOne:
        return QStringLiteral("公比不能为1，请重新输入。");
    case FormulaCatalogue::Fault::OutOfRange:
        return QStringLiteral("输入的数值超出了公式的计算范围，请重新输入。");
    case FormulaCatalogue::Fault::None:
        break;
    }
    return {};
}

} // namespace orvane
