// SPDX-License-Identifier: GPL-3.0-or-later
#include "IntegralReport.h"

#include "Integral.h"
#include "NumberText.h"

#include <cmath>
#include <optional>

namespace orvane {

namespace {

bool blank(const std::string& text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

IntegralReport refusal(std::string notice)
{
    return {{}, std::move(notice)};
}

// Two significant digits are enough to say how far off a value may be.
std::string roughly(double value)
{
    if (!(value > 0) || !std::isfinite(value)) return NumberText::generalForm(value);
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - 1);
    return NumberText::generalForm(std::round(value / unit) * unit);
}

// The value of a limit box, or why it has none.
std::optional<double> limit(engine::Engine& engine, const std::string& text, const char* label,
                            std::string& notice)
{
    if (blank(text)) {
        notice = std::string("请输入") + label;
        return std::nullopt;
    }
    const double v = engine.evaluate(text);
    if (v == ErrorValue) {
        notice = std::string(label) + "：" + describe(engine.lastError(), text);
        return std::nullopt;
    }
    return v;
}

} // namespace

IntegralReport IntegralReport::compute(engine::Engine& engine, const std::string& lower,
                                       const std::string& upper, const std::string& integrand,
                                       const std::string& count)
{
    std::string notice;
    const std::optional<double> a = limit(engine, lower, "积分下限a", notice);
    if (!a) return refusal(notice);
    const std::optional<double> b = limit(engine, upper, "积分上限b", notice);
    if (!b) return refusal(notice);

    const std::string countRange =
        "精度必须是1到" + std::to_string(Integral::MaxPieces) + "之间的整数";
    if (blank(count))
        return refusal("请输入精度（1到" + std::to_string(Integral::MaxPieces) + "之间的整数）");
    const double n = engine.evaluate(count);
    if (n == ErrorValue) return refusal("精度：" + describe(engine.lastError(), count));
    const std::optional<std::int16_t> pieces = NumberText::toInt16(n);
    if (!pieces || *pieces < 1)
        return refusal(countRange + "（现为" + NumberText::generalForm(n) + "）");

    if (blank(integrand)) return refusal("请输入被积函数");
    const EvaluationError unreadable = engine.check(integrand, true);
    if (unreadable.failed()) return refusal("被积函数：" + describe(unreadable, integrand));

    const Integral::Result r = Integral::integrate(engine, integrand, *a, *b, *pieces);
    switch (r.status) {
    case Integral::Result::Status::Value:
        return {Integral::valueText(r), {}};
    case Integral::Result::Status::Divergent:
        return refusal("积分可能发散");
    case Integral::Result::Status::Unreliable:
        return refusal("积分可能发散，或被积函数变化太剧烈，无法可靠计算（误差估计约" +
                       roughly(r.errorEstimate) + "）");
    case Integral::Result::Status::Undefined:
        return refusal("被积函数在x=" + NumberText::generalForm(r.undefinedAt) + "处无法计算：" +
                       describe(r.failure, integrand));
    case Integral::Result::Status::TooLarge:
        return refusal("积分值超出计算范围");
    }
    return refusal("积分可能发散");
}

} // namespace orvane
