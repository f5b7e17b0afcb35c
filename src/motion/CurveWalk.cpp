// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurveWalk.h"

#include "CompiledExpression.h"

#include <algorithm>
#include <cmath>

namespace orvane::CurveWalk {

namespace {

// A walk along a function passes over at most this many undefined columns (a window is a
// few thousand wide).
constexpr long long MaxColumns = 1'000'000;

double screenLength(PlanePoint a, PlanePoint b, PixelScale s)
{
    return std::hypot((b.x - a.x) * s.x, (b.y - a.y) * s.y);
}

std::size_t segmentCount(const std::vector<PlanePoint>& piece)
{
    return piece.size() > 1 ? piece.size() - 1 : 0;
}

// The first and the last place of a piece.
Place startOf(std::size_t piece)
{
    return {piece, 0, 0};
}

Place endOf(const Pieces& pieces, std::size_t piece)
{
    const std::size_t n = segmentCount(pieces[piece]);
    return n == 0 ? Place{piece, 0, 0} : Place{piece, n - 1, 1};
}

} // namespace

PlanePoint pointAt(const Pieces& pieces, const Place& place)
{
    if (place.piece >= pieces.size() || pieces[place.piece].empty()) return {};
    const auto& piece = pieces[place.piece];
    if (place.segment + 1 >= piece.size()) return piece.back();
    const PlanePoint a = piece[place.segment], b = piece[place.segment + 1];
    if (place.t >= 1) return b;
    return {a.x + (b.x - a.x) * place.t, a.y + (b.y - a.y) * place.t};
}

std::optional<Nearest> nearest(const Pieces& pieces, PlanePoint pointer, PixelScale scale)
{
    std::optional<Nearest> best;
    const auto consider = [&](const Place& place) {
        const PlanePoint p = pointAt(pieces, place);
        const double d = screenLength(p, pointer, scale);
        if (!best || d < best->pixels) best = Nearest{place, p, d};
    };
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const auto& piece = pieces[k];
        if (piece.size() == 1) consider(startOf(k));
        for (std::size_t i = 0; i + 1 < piece.size(); ++i) {
            // The foot of the perpendicular on the screen, kept on the segment.
            const double dx = (piece[i + 1].x - piece[i].x) * scale.x;
            const double dy = (piece[i + 1].y - piece[i].y) * scale.y;
            const double px = (pointer.x - piece[i].x) * scale.x;
            const double py = (pointer.y - piece[i].y) * scale.y;
            const double length2 = dx * dx + dy * dy;
            const double t = length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0;
            consider({k, i, t});
        }
    }
    return best;
}

Place stepAlong(const Pieces& pieces, const Place& from, double pixels, PixelScale scale)
{
    if (from.piece >= pieces.size() || !std::isfinite(pixels)) return from;
    Place at = from;
    const bool forwards = pixels > 0;
    double left = std::fabs(pixels);
    while (left > 0) {
        const auto& piece = pieces[at.piece];
        if (at.segment + 1 < piece.size()) {
            const double length = screenLength(piece[at.segment], piece[at.segment + 1], scale);
            const double room = length * (forwards ? 1 - at.t : at.t);
            if (left <= room) {
                at.t += (forwards ? left : -left) / length;
                return at;
            }
            left -= room;
            at.t = forwards ? 1 : 0;
            // On to the neighbouring segment of the piece, if there is one.
            if (forwards && at.segment + 2 < piece.size()) {
                at = {at.piece, at.segment + 1, 0};
                continue;
            }
            if (!forwards && at.segment > 0) {
                at = {at.piece, at.segment - 1, 1};
                continue;
            }
        }
        // At an end of the piece: across the break to the next piece with points.
        std::size_t next = at.piece;
        do {
            if (forwards ? next + 1 >= pieces.size() : next == 0) return at;
            next = forwards ? next + 1 : next - 1;
        } while (pieces[next].empty());
        at = forwards ? startOf(next) : endOf(pieces, next);
    }
    return at;
}

std::optional<PlanePoint> stepAlongFunction(const std::function<double(double)>& f, double x,
                                            int pixels, PixelScale scale, double min, double max)
{
    if (pixels == 0 || !(scale.x > 0) || !std::isfinite(x)) return std::nullopt;
    const double column = 1 / scale.x;
    const int direction = pixels > 0 ? 1 : -1;
    // Columns counted from x, so that no rounding builds up along the way.
    const long long first = std::abs((long long)pixels);
    for (long long k = first; k < first + MaxColumns; ++k) {
        double at = x + double(direction * k) * column;
        const bool edge = direction > 0 ? at >= max : at <= min;
        if (edge) at = direction > 0 ? max : min;
        if (direction > 0 ? at <= x : at >= x) return std::nullopt; // already at the edge
        const double y = f(at);
        if (y != ErrorValue && std::isfinite(y)) return PlanePoint{at, y};
        if (edge) return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::size_t> nextCurve(std::size_t count, std::size_t current, int direction,
                                     const std::function<bool(std::size_t)>& hasPoint)
{
    if (count == 0 || direction == 0) return std::nullopt;
    std::size_t k = current % count;
    for (std::size_t tried = 1; tried < count; ++tried) {
        k = direction > 0 ? (k + 1) % count : (k + count - 1) % count;
        if (hasPoint(k)) return k;
    }
    return std::nullopt;
}

} // namespace orvane::CurveWalk
