// SPDX-License-Identifier: GPL-3.0-or-later
#include "TipTexts.h"

namespace orvane {

namespace {

// The tips in their order; the inner double quotes belong to the texts.
const char* const Tips[TipCount] = {
    R"tip(欢迎使用 Orvane!本程序是专门为中学学生和教师编写的数学工具，主要功能为函数作图、符号运算(计算表达式)、解方程(测试版)、几何运算、公式计算、计算反三角函数，希望本程序能为您的学习或教学提供帮助！)tip",
    R"tip(画一般函数图像的方法：选择画图栏的"一般函数"，在的输入枢中输入函数表达式，然后按"回车键"或点击"确定"即可。函数表达式中的未知数请用"x"或"y"表示。)tip",
    R"tip(函数表达方式：加、减、乘、除分别用"+"、"-"、"*"、"/"表示；指数用"^"表示，(如：3的8次方可用"3^8")；注意：在写函数表达式过程中请别省略"*";"^"的运算顺序和"*、/"一样，必要时请加"( )"。)tip",
    R"tip(本软件拥有一部分内定函数，在写函数表达式时可使用这些内定函数。请注在使用内定函数时用标准模式"函数名()"表示。如:"sin(x)"。)tip",
    R"tip(三角函数：正弦：SIN()、余弦：COS()、正切：TAN()、余切：CTG()、正割：SEC()、余割：CSC()；反三角函数：反正弦：ASN()、反余弦：ACS()、反正切：ATN()、反余切：ACG()。)tip",
    R"tip(其它函数：绝对值：ABS()、以自然数e为底的对数函数：LOG()、以自然数e为底的指数函数：EXP()、取整函数：FIX()、不大于()内的数的最大整数：INT()。阶乘Fact()。角度转弧度RAD())tip",
    R"tip(内定函数使用技巧：在画对数函数时，您会发现LOG()和平时LOG的用法的不附合，它是以自然数e为底的对数函数，这时您可用LOG(x)/LOG(a)来表示LOGa(x)。)tip",
    R"tip(画圆锥函数的方法：选择画图栏的"圆锥函数"，选择要画的函数类型，再输入相应数据即可。)tip",
    R"tip(本软件还支持对座标轴进行修改，包括修改座标轴的大小、颜色，支持调整函数图像的平滑度。)tip",
    R"tip(本软件同时附带一些小工具，如计算表达式、两点距离、点到直线的距离、计算反三角函数等。)tip",
    R"tip(本软件支持用鼠标在画板上直接画图和插入文字。)tip",
    R"tip(其它操作请见帮助。谢谢使用本软件！)tip",
};

} // namespace

QString tipText(int number)
{
    if (number < FirstTipNumber || number >= FirstTipNumber + TipCount) return {};
    return QString::fromUtf8(Tips[number - FirstTipNumber]);
}

} // namespace orvane
