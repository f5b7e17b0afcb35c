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

// Degrees to radians with the fixed value 3.1415926535, whatever the constant Pi holds.
double DegToRad(double degrees);

// Catalogue numbers: 1-13 areas, 101-104 volumes, 201-204 series, 301-302 counting.
bool Exists(int number);
// How many of a, b, c the formula reads (1 to 3); 0 for an unknown number.
int InputCount(int number);
// Dispatches on the catalogue number (the formulas with pi read the engine's Pi); an unknown number
// gives OutOfRange.
Result Compute(engine::Engine& engine, int number, double a, double b, double c);

Result TriangleBaseHeight(double a, double b);                      // 1
Result TriangleSidesAngle(double a, double b, double c);            // 2: a is the angle in degrees
Result TriangleHeron(double a, double b, double c);                 // 3
Result Rectangle(double a, double b);                               // 4
Result ParallelogramBaseHeight(double a, double b);                 // 5
Result ParallelogramSidesAngle(double a, double b, double c);       // 6
Result Trapezoid(double a, double b, double c);                     // 7
Result Circle(engine::Engine& engine, double a);                    // 8
Result SectorArc(double a, double b);                               // 9
Result SectorAngle(engine::Engine& engine, double a, double b);     // 10
Result Ellipse(engine::Engine& engine, double a, double b);         // 11
Result SphereSurface(engine::Engine& engine, double a);             // 12
Result CylinderSurface(engine::Engine& engine, double a, double b); // 13
Result SphereVolume(engine::Engine& engine, double a);              // 101
Result CylinderVolume(engine::Engine& engine, double a, double b);  // 102
Result ConeVolume(engine::Engine& engine, double a, double b);      // 103
Result PyramidVolume(double a, double b);                           // 104
Result ArithmeticSum(double a, double b, double c);                 // 201
Result GeometricSum(double a, double b, double c);                  // 202
Result SumOfSquares(double a);                                      // 203
Result SumOfCubes(double a);                                        // 204
Result Permutations(double a, double b);                            // 301
Result Combinations(double a, double b);                            // 302

} // namespace orvane::FormulaCatalogue
