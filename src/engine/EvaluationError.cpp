// SPDX-License-Identifier: GPL-3.0-or-later
#include "EvaluationError.h"

#include "ExpressionSyntax.h"

namespace orvane {

namespace {

// The typed character at a 1-based position (UTF-8), empty past the end.
std::string characterAt(std::string_view typed, int position)
{
    int character = 1;
    for (std::size_t i = 0; i < typed.size();) {
        std::size_t next = i + 1;
        while (next < typed.size() && (static_cast<unsigned char>(typed[next]) & 0xC0) == 0x80)
            ++next;
        if (character == position) return std::string(typed.substr(i, next - i));
        ++character;
        i = next;
    }
    return {};
}

int characterCount(std::string_view typed)
{
    int count = 0;
    for (const char c : typed)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::string quoted(const std::string& text)
{
    return "“" + text + "”";
}

} // namespace

std::string describe(const EvaluationError& error, std::string_view typed)
{
    const int end = characterCount(typed) + 1;
    const bool atEnd = error.position >= end;
    const std::string n = std::to_string(error.position);
    const std::string c = characterAt(typed, error.position);
    const std::string blank = c == " " || c == "\t" ? std::string("空格") : c;
    // The place of a character that reading stopped at, and of an operation or name that
    // ends just before the position.
    const std::string at = atEnd ? "（末尾）" : "（第" + n + "个字符" + quoted(blank) + "）";
    const std::string before = atEnd ? "（末尾）" : "（第" + n + "个字符前）";
    switch (error.reason) {
    case FailureReason::None:
        return {};
    case FailureReason::Empty:
        return "表达式为空";
    case FailureReason::MissingOperand:
        return atEnd ? "表达式不完整，末尾缺少数字或名称" : "此处缺少数字、名称或括号" + at;
    case FailureReason::UnexpectedCharacter:
        return "无法识别的字符" + quoted(blank) + "（第" + n + "个字符）";
    case FailureReason::MissingOperator:
        return "缺少运算符，乘号“*”不能省略" + at;
    case FailureReason::MissingClose:
        return "缺少右括号“)”" + at;
    case FailureReason::ExtraClose:
        return "多余的右括号“)”（第" + n + "个字符）";
    case FailureReason::BadNumber:
        return "数字写法有误或超出范围（第" + n + "个字符起）";
    case FailureReason::TooDeep:
        return "括号嵌套太深（第" + n + "个字符）";
    case FailureReason::UnknownFunction:
        return quoted(error.detail) + "不是内定函数" + before;
    case FailureReason::UnknownName:
        return quoted(error.detail) + "不是已定义的常数" + before;
    case FailureReason::NoValueForUnknown:
        return "未知数" + quoted(error.detail) + "在这里没有值" + before;
    case FailureReason::DivisionByZero:
        return "除数为零" + before;
    case FailureReason::FunctionDomain:
        return "超出函数" + error.detail + "的定义域" + before;
    case FailureReason::PowerDomain:
        return "乘方无法计算（负数的非整数次方或0的负数次方）" + before;
    case FailureReason::OutOfRange:
        return "计算结果超出范围" + before;
    }
    return {};
}

} // namespace orvane
