// SPDX-License-Identifier: GPL-3.0-or-later
// The derivation reports of the four geometry problems.
//
// Input: lines, taken in turn as the texts of the input boxes (two points, point and
// line, two lines, line and curve twice so that the kept slope sentence is used).
// Every report and its result text must be built without a fault.
#include "FuzzSupport.h"

#include "Engine.h"
#include "GeometryReports.h"

using namespace orvane;
using namespace orvane::geometry;

namespace {

class Texts {
public:
    explicit Texts(std::vector<std::string_view> lines) : lines_(std::move(lines)) {}
    std::string next()
    {
        if (lines_.empty()) return {};
        const std::string_view line = lines_[next_++ % lines_.size()];
        return std::string(line);
    }

private:
    std::vector<std::string_view> lines_;
    std::size_t next_ = 0;
};

void show(const ReportLines& lines)
{
    const std::string text = resultText(lines);
    fuzz::require(text.size() >= 2 * lines.size(), "result text shorter than its line breaks");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    engine::Engine engine;
    engine.addUserConstant("Pi", "3.14159265358979");
    Texts texts(fuzz::lines(data, size));

    show(twoPointDistanceReport(engine, {texts.next(), texts.next(), texts.next(), texts.next()}));
    show(pointLineReport(engine,
                         {texts.next(), texts.next(), texts.next(), texts.next(), texts.next()}));
    show(twoLinesReport(engine, {texts.next(), texts.next(), texts.next(), texts.next(),
                                 texts.next(), texts.next()}));
    LineCurveReport report;
    for (int round = 0; round < 2; ++round) {
        LineCurveReport::Texts boxes;
        for (std::string& box : boxes)
            box = texts.next();
        show(report.build(engine, boxes));
    }
    return 0;
}
