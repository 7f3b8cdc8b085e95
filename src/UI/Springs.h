#pragma once

// Springs are given as (response, damping fraction): the period in seconds the
// spring would swing with if undamped, and how much of the critical damping it has
// (1 settles without overshoot, less overshoots). That is the oscillator
//     x″ = ω²·(target − x) − 2ζω·x′,   ω = 2π / response,  ζ = damping fraction.
//
// Qt Quick's SpringAnimation (mass 1) steps every 16 ms:
//     v ← v + spring·(target − x) − damping·v;   x ← x + v·0.016
// The distance to the target then follows e[n+2] − (2 − 0.016·spring − damping)·e[n+1]
// + (1 − damping)·e[n] = 0. Choosing spring and damping so that the roots of that
// recurrence are the oscillator's own motion over one step, e^{s·0.016} with
// s = −ζω ± iω√(1 − ζ²), makes the animation land on the spring's curve frame by
// frame:
//     damping = 1 − e^{−2ζω·0.016}
//     spring  = (2 − damping − (z₁ + z₂)) / 0.016,   z₁ + z₂ = 2e^{−ζω·0.016}·cos(ω√(1 − ζ²)·0.016)
// (For small steps these are the familiar 2ζω·0.016 and ω²·0.016.)
namespace Springs {

constexpr double stepSeconds = 0.016;

double spring(double response, double dampingFraction);
double damping(double response, double dampingFraction);

// Where the spring stands t seconds after it was pulled from 0 towards 1.
double position(double response, double dampingFraction, double t);

}  // namespace Springs
