// SPDX-License-Identifier: GPL-3.0-or-later
#include "Integral.h"

#include "Engine.h"
#include "NumberText.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_integration.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

// Why GSL's QAGS: the integrals typed here are mostly smooth, but teachers also type
// endpoint singularities (1/sqr(x), log(x) at 0), which QAGS handles by Wynn's epsilon
// extrapolation over its Gauss-Kronrod bisections; it never evaluates the integrand at
// the ends of an interval; and it tells, besides its error estimate, when the integral
// diverges or the estimate cannot be reached (GSL_EDIVERGE, GSL_ESING, GSL_EMAXITER,
// GSL_EROUND), which is what the window must say. Boost's tanh-sinh is as good at the
// singularities but reports no such verdicts. Each of the user's sub-intervals is an
// integral of its own: one QAGP run over thousands of break points loses its error
// estimate to rounding near a singular end (1/sqr(1-x^2) on -1..1 came back 5E-4 off
// with an estimate of 3E-11).

namespace orvane::Integral {

namespace {

// Relative accuracy asked of every sub-interval, and an absolute floor for the ones
// whose integral is practically 0.
constexpr double RelativeTolerance = 1e-10;
constexpr double AbsoluteTolerance = 1e-14;
// Subdivisions QAGS may make within one sub-interval.
constexpr std::size_t SubdivisionLimit = 1000;
// Points where the integrand fails are cut out (they become ends, never evaluated); more
// than this many in one sub-interval mean it is undefined on a stretch, not at a point.
constexpr std::size_t MaxFailingPoints = 8;
constexpr int MaxCutRounds = 3;

struct Workspace {
    gsl_integration_workspace* w = gsl_integration_workspace_alloc(SubdivisionLimit);
    ~Workspace() { gsl_integration_workspace_free(w); }
    Workspace() = default;
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;
};

struct Integrand {
    engine::Engine& engine;
    const CompiledExpression& program;
    std::vector<double> failingPoints;

    static double at(double x, void* self)
    {
        auto& f = *static_cast<Integrand*>(self);
        const double v = f.engine.evaluateAtX(f.program, x);
        if (v == ErrorValue) {
            if (f.failingPoints.size() <= MaxFailingPoints) f.failingPoints.push_back(x);
            return 0;
        }
        return v;
    }
};

struct Piece {
    double value = 0;
    double error = 0;
    int status = GSL_SUCCESS;
    bool undefined = false;
    double undefinedAt = 0;
};

// One sub-interval; the points where the integrand fails are cut out and the parts
// integrated again, a few rounds at most.
Piece integratePiece(Integrand& f, Workspace& workspace, double lo, double hi, int round = 0)
{
    gsl_function function{&Integrand::at, &f};
    f.failingPoints.clear();
    Piece piece;
    piece.status = gsl_integration_qags(&function, lo, hi, AbsoluteTolerance, RelativeTolerance,
                                        SubdivisionLimit, workspace.w, &piece.value, &piece.error);
    if (f.failingPoints.empty()) return piece;

    // Bisecting towards a singular end, QAGS ends with intervals so short that their
    // points round onto the end itself, where the integrand fails (1/(1-x) at 1): no
    // point to cut out, but a sign that the end could not be mastered.
    std::vector<double> cuts;
    for (const double x : f.failingPoints)
        if (x > lo && x < hi) cuts.push_back(x);
    if (cuts.empty()) {
        if (piece.status != GSL_SUCCESS) piece.status = GSL_EDIVERGE;
        return piece;
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    if (cuts.size() > MaxFailingPoints || round >= MaxCutRounds) {
        piece.undefined = true;
        piece.undefinedAt = cuts.front();
        return piece;
    }
    Piece total;
    double from = lo;
    cuts.push_back(hi);
    for (const double to : cuts) {
        if (!(to > from)) continue;
        const Piece part = integratePiece(f, workspace, from, to, round + 1);
        if (part.undefined) return part;
        total.value += part.value;
        total.error += part.error;
        if (part.status != GSL_SUCCESS && total.status != GSL_EDIVERGE) total.status = part.status;
        from = to;
    }
    return total;
}

int decimalsFor(double error)
{
    // A tenth of a unit of the last shown decimal covers ten times the estimate: the
    // estimate is an estimate.
    if (error <= 0) return 17;
    return static_cast<int>(std::floor(-std::log10(10 * error)));
}

} // namespace

Result integrate(engine::Engine& engine, std::string_view integrand, double a, double b, int pieces)
{
    Result result;
    if (a == b) {
        result.supportedDecimals = 17;
        return result;
    }
    const double sign = b < a ? -1 : 1;
    const double lo = std::min(a, b);
    const double hi = std::max(a, b);
    pieces = std::clamp(pieces, 1, MaxPieces);
    const double width = hi - lo;
    if (!std::isfinite(width)) {
        result.status = Result::Status::TooLarge;
        return result;
    }

    gsl_set_error_handler_off(); // statuses come back as values; nothing may abort
    const std::shared_ptr<const CompiledExpression> program = engine.compile(integrand);
    Integrand f{engine, *program, {}};
    Workspace workspace;
    double sum = 0;
    double error = 0;
    int worst = GSL_SUCCESS;
    double from = lo;
    for (int i = 1; i <= pieces; ++i) {
        const double to = i == pieces ? hi : lo + width * i / pieces;
        if (!(to > from)) continue; // a range too narrow for so many pieces
        const Piece piece = integratePiece(f, workspace, from, to);
        if (piece.undefined) {
            result.status = Result::Status::Undefined;
            result.undefinedAt = piece.undefinedAt;
            engine.evaluateAtX(*program, piece.undefinedAt);
            result.failure = engine.lastError();
            return result;
        }
        sum += piece.value;
        error += piece.error;
        if (piece.status == GSL_EDIVERGE || !std::isfinite(piece.value))
            worst = GSL_EDIVERGE;
        else if (piece.status != GSL_SUCCESS && worst == GSL_SUCCESS)
            worst = piece.status;
        from = to;
    }

    result.value = sign * sum;
    result.errorEstimate = error;
    result.supportedDecimals = decimalsFor(error);
    if (worst == GSL_EDIVERGE) {
        result.status = Result::Status::Divergent;
    } else if (!std::isfinite(sum) || !std::isfinite(error)) {
        result.status = Result::Status::TooLarge;
    } else if (worst != GSL_SUCCESS && result.supportedDecimals < 3) {
        // The quadrature stopped short (a singularity it cannot master, too many
        // subdivisions, rounding) and cannot vouch for the three decimals: a
        // logarithmic divergence such as 1/x at 0 ends here.
        result.status = Result::Status::Unreliable;
    }
    return result;
}

std::string valueText(const Result& result)
{
    const double v = result.value;
    const double magnitude = std::fabs(v);
    // Whole digits of the value; 15 significant digits at most.
    const int wholeDigits =
        magnitude < 1 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const int decimals = std::min(result.supportedDecimals, 15 - wholeDigits);
    // A tiny value would show as 0.00: its significant digits in the general form
    // (3.33333333333333E-16), as many as the estimate vouches for.
    const int leading = magnitude > 0 ? static_cast<int>(std::floor(std::log10(magnitude))) : 0;
    const int significant = std::min(result.supportedDecimals + leading + 1, 15);
    if (magnitude > 0 && magnitude < 0.001 && significant >= 3) {
        const double unit = std::pow(10.0, leading - significant + 1);
        return NumberText::generalForm(std::round(v / unit) * unit);
    }
    if (decimals >= 2) {
        std::string pattern = "#0.00";
        pattern.append(static_cast<std::size_t>(decimals - 2), '#');
        return NumberText::formatPattern(v, pattern);
    }
    // Fewer decimals than two are vouched for: the value rounded to what is, in the
    // general form (a large value: 5.00000000000000E+19 shows as 5E+19).
    const double unit = std::pow(10.0, -std::max(decimals, -300));
    const double rounded = decimals >= 0 ? v : std::round(v / unit) * unit;
    if (decimals >= 0) return NumberText::formatPattern(rounded, decimals == 0 ? "#0" : "#0.0");
    return NumberText::generalForm(rounded);
}

} // namespace orvane::Integral
