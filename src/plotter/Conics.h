// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MessageIcon.h"
#include "Surface.h"

#include <QString>

#include <functional>
#include <optional>

namespace orvane {

enum class ConicKind { Circle = 1, Ellipse = 2, Hyperbola = 3 };

// The current conic as the page's boxes give it: a circle is centred at (A, B) with
// radius X; an ellipse or hyperbola is centred at (X, Y) with semi-axes A and B.
struct ConicParameters {
    ConicKind kind = ConicKind::Circle;
    double a = 0;             // ConicA
    double b = 0;             // ConicB
    double x = 0;             // ConicX
    float y = 0;              // ConicY
    bool alongX = true;       // hyperbola opens along x (OQX) or along y (OQY)
    bool directrices = false; // cheZLINE
    bool asymptotes = false;  // CQX
};

struct ConicMessage {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

// The row text of the list, numbers with a leading blank when not negative.
QString conicRowText(const ConicParameters& p);

// Picks the colour of one auxiliary line (directrix, asymptote, focus mark).
using HelpColorFn = std::function<Colour(Colour)>;

// Each returns the message to show when the parameters cannot be drawn.
std::optional<ConicMessage> drawCircle(Surface& s, const ConicParameters& p, Colour c, int width);
std::optional<ConicMessage> drawEllipse(Surface& s, const ConicParameters& p, Colour c, int width,
                                        const HelpColorFn& helpColor);
std::optional<ConicMessage> drawHyperbola(Surface& s, const ConicParameters& p, Colour c, int width,
                                          const HelpColorFn& helpColor);
// Draws (or, in the background colour, erases) the conic of its kind.
std::optional<ConicMessage> drawConic(Surface& s, const ConicParameters& p, Colour c, int width,
                                      const HelpColorFn& helpColor);

} // namespace orvane
