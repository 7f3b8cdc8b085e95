#pragma once

#include <QObject>

// Springs are given as (response, damping fraction): the period in seconds the
// spring would swing with if undamped, and how much of the critical damping it has
// (1 settles without overshoot, less overshoots).
//
// Qt Quick's SpringAnimation takes `spring`, `damping` and `mass` and integrates in
// fixed steps of 16 ms: every step velocity += (spring·Δ − damping·velocity) / mass,
// then value += velocity · 0.016. Per second that is the oscillator
//     x″ = (spring / (0.016·mass))·Δ − (damping / (0.016·mass))·x′,
// so with mass 1 its stiffness is spring / 0.016 and its damping coefficient
// damping / 0.016. The spring wanted has stiffness ω² and damping coefficient 2ζω,
// with ω = 2π / response and ζ the damping fraction. Hence
//     spring  = 0.016 · (2π / response)²
//     damping = 0.016 · 2ζ · (2π / response),   mass = 1.
// (A spring (0.45, 0.86) becomes spring 3.12, damping 0.38.)
class Springs : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    static constexpr double stepSeconds = 0.016;

    Q_INVOKABLE static double spring(double response);
    Q_INVOKABLE static double damping(double response, double dampingFraction);

    // Where the spring stands t seconds after it was pulled from 0 towards 1.
    static double position(double response, double dampingFraction, double t);
};
