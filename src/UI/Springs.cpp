#include "Springs.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double omega(double response)
{
    return 2 * std::numbers::pi / std::max(response, 0.001);
}

// The sum of the two roots e^{s·step} of the oscillator over one step.
double rootSum(double w, double z)
{
    const double h = Springs::stepSeconds;
    if (z < 1)
        return 2 * std::exp(-z * w * h) * std::cos(w * std::sqrt(1 - z * z) * h);
    const double spread = std::sqrt(z * z - 1) * w * h;
    return std::exp(-z * w * h) * (std::exp(spread) + std::exp(-spread));
}

}  // namespace

double Springs::damping(double response, double dampingFraction)
{
    return 1 - std::exp(-2 * dampingFraction * omega(response) * stepSeconds);
}

double Springs::spring(double response, double dampingFraction)
{
    return (2 - damping(response, dampingFraction) - rootSum(omega(response), dampingFraction)) / stepSeconds;
}

double Springs::position(double response, double dampingFraction, double t)
{
    const double w = omega(response);
    const double z = dampingFraction;
    if (z < 1) {
        const double wd = w * std::sqrt(1 - z * z);
        return 1 - std::exp(-z * w * t) * (std::cos(wd * t) + z * w / wd * std::sin(wd * t));
    }
    if (z == 1)
        return 1 - std::exp(-w * t) * (1 + w * t);
    const double root = std::sqrt(z * z - 1);
    const double r1 = -w * (z - root), r2 = -w * (z + root);
    return 1 - (r2 * std::exp(r1 * t) - r1 * std::exp(r2 * t)) / (r2 - r1);
}
