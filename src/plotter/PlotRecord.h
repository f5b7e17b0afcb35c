// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

#include <array>
#include <cstdint>

namespace orvane {

// Kinds of plotted entries as the list keeps them.
enum PlotKindCode : std::int16_t {
    KindFunctionY = 0,
    KindFunctionX = -1,
    KindPolar = -2,
    KindParametric = -3,
    KindCircle = 1,
    KindEllipse = 2,
    KindHyperbola = 3,
};

// The settings one row of the plotted-function list was drawn with.
struct PlotRecord {
    std::int16_t Kind = 0;
    Colour Color = 0;
    std::int16_t Width = 1;
    std::int16_t ParamA = 0;
    std::int16_t ParamB = 0;
    std::int16_t Param1 = 0;
    std::int16_t Param2 = 0;
    double Smoothness = 0;
    double RangeMax = 0;
    double RangeMin = 0;
    std::int16_t Directrix = 0;
    std::int16_t Asymptotes = 0;
    std::int16_t AlongX = 0; // -1 selected, 0 not
};

inline constexpr int PlotSlots = 33;

// One record per row of the list, rows 0 to 32.
class PlotRecords {
public:
    PlotRecord& operator[](int n) { return slots_.at(std::size_t(n)); }
    const PlotRecord& operator[](int n) const { return slots_.at(std::size_t(n)); }
    // Copies every field of slot n + 1 into slot n.
    void delValue(int n)
    {
        if (n >= 0 && n + 1 < PlotSlots)
            slots_[std::size_t(n)] = slots_[std::size_t(n) + 1];
    }

private:
    std::array<PlotRecord, PlotSlots> slots_{};
};

} // namespace orvane
