#include "Springs.h"

#include <cmath>
#include <numbers>

namespace {

double omega(double response)
{
    return 2 * std::numbers::pi / std::max(response, 0.001);
}

}  // namespace

double Springs::spring(double response)
{
    const double w = omega(response);
    return stepSeconds * w * w;
}

double Springs::damping(double response, double dampingFraction)
{
    return stepSeconds * 2 * dampingFraction * omega(response);
}

double Springs::position(double response, double dampingFraction, double t)
{
    const double w = omega(response);
    const double z = dampingFraction;
    if (z < 1) {
        const double wd = w * std::sqrt(1 - z * z);
        return 1 - std::exp(-z * w * t) * (std::cos(wd * t) + z * w / wd * std::sin(wd * t));
    }
    return 1 - std::exp(-w * t) * (1 + w * t);  // critically damped
}
