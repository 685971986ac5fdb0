// Twips to pixels in whole numbers, without floating-point surprises.
#include "catalogue/twips.h"

#include <cstdlib>

namespace orvane {
namespace {

// numerator / denominator (denominator > 0) rounded to nearest, halves to even.
int divide_rounding_half_even(int numerator, int denominator) {
    const bool negative = numerator < 0;
    const long long magnitude = std::llabs(static_cast<long long>(numerator));
    long long quotient = magnitude / denominator;
    const long long twice_remainder = 2 * (magnitude % denominator);
    if (twice_remainder > denominator || (twice_remainder == denominator && quotient % 2 == 1)) ++quotient;
    return static_cast<int>(negative ? -quotient : quotient);
}

}  // namespace

int twips_per_pixel(int dpi) {
    if (dpi <= 0) dpi = 96;
    const int rounded = divide_rounding_half_even(1440, dpi);
    return rounded < 1 ? 1 : rounded;
}

int twips_to_pixels(int twips, int twips_per_pixel) {
    return divide_rounding_half_even(twips, twips_per_pixel > 0 ? twips_per_pixel : 15);
}

}  // namespace orvane
