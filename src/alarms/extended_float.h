// The 80-bit extended-precision form of the x87 unit, as the stored alarm bytes
// carry a date-time: 64-bit significand with an explicit integer bit (bytes 0-7,
// little-endian), then the sign bit and a 15-bit exponent with bias 16383
// (bytes 8-9). Plain bit arithmetic, independent of the compiler's long double.
#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

using ExtendedBytes = std::array<std::uint8_t, 10>;

// Exact: every double has an extended form. A signalling NaN comes out quiet,
// as the x87 unit loads it.
ExtendedBytes DoubleToExtended(double value);

// Rounded to the nearest double, ties to even; values beyond the double range
// become infinities or zeros. Encodings the x87 unit rejects (an integer bit
// that contradicts the exponent) give the unit's default NaN.
double ExtendedToDouble(const ExtendedBytes& bytes);

}  // namespace quorvel
