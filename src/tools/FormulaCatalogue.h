// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

// The catalogue of ready-made school formulas shared by the formula window and the
// console calculator. Each formula takes its inputs in the order a, b, c; the windows
// only collect the inputs and show what comes back.
namespace orvane::FormulaCatalogue {

// Why a formula gave no value.
enum class Fault {
    None,
    NotATriangle, // three lengths that make no triangle (Heron's root of a negative)
    RatioOne,     // geometric series with ratio 1 (division by zero)
    OutOfRange,   // overflow or an invalid operation anywhere else
};

struct Result {
    double value = 0; // rounded to at most 13 decimals
    Fault fault = Fault::None;
    bool ok() const { return fault == Fault::None; }
};

// Degrees to radians with the double nearest to pi, whatever the constant Pi holds.
double degToRad(double degrees);

// Catalogue numbers: 1-13 areas, 101-104 volumes, 201-204 series, 301-302 counting.
bool exists(int number);
// How many of a, b, c the formula reads (1 to 3); 0 for an unknown number.
int inputCount(int number);
// Dispatches on the catalogue number (the formulas with pi read the engine's Pi); an unknown number
// gives OutOfRange.
Result compute(engine::Engine& engine, int number, double a, double b, double c);

Result triangleBaseHeight(double a, double b);                      // 1
Result triangleSidesAngle(double a, double b, double c);            // 2: a is the angle in degrees
Result triangleHeron(double a, double b, double c);                 // 3
Result rectangle(double a, double b);                               // 4
Result parallelogramBaseHeight(double a, double b);                 // 5
Result parallelogramSidesAngle(double a, double b, double c);       // 6
Result trapezoid(double a, double b, double c);                     // 7
Result circle(engine::Engine& engine, double a);                    // 8
Result sectorArc(double a, double b);                               // 9
Result sectorAngle(engine::Engine& engine, double a, double b);     // 10
Result ellipse(engine::Engine& engine, double a, double b);         // 11
Result sphereSurface(engine::Engine& engine, double a);             // 12
Result cylinderSurface(engine::Engine& engine, double a, double b); // 13
Result sphereVolume(engine::Engine& engine, double a);              // 101
Result cylinderVolume(engine::Engine& engine, double a, double b);  // 102
Result coneVolume(engine::Engine& engine, double a, double b);      // 103
Result pyramidVolume(double a, double b);                           // 104
Result arithmeticSum(double a, double b, double c);                 // 201
Result geometricSum(double a, double b, double c);                  // 202
Result sumOfSquares(double a);                                      // 203
Result sumOfCubes(double a);                                        // 204
Result permutations(double a, double b);                            // 301
Result combinations(double a, double b);                            // 302

} // namespace orvane::FormulaCatalogue
