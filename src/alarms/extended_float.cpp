#include "alarms/extended_float.h"

#include <bit>

namespace quorvel {
namespace {

constexpr std::uint64_t kDoubleFraction = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kDoubleInfinity = std::uint64_t{0x7FF} << 52;
constexpr std::uint64_t kDoubleQuiet = std::uint64_t{1} << 51;
// The x87 "indefinite": a negative quiet NaN.
constexpr std::uint64_t kDefaultNaN = 0xFFF8'0000'0000'0000;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kExtendedQuiet = std::uint64_t{1} << 62;
constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;
constexpr unsigned kMaxExtendedExponent = 0x7FFF;

// m / 2^shift rounded to nearest, ties to even; shift in 1..64.
std::uint64_t ShiftRoundEven(std::uint64_t m, int shift) {
    const std::uint64_t kept = shift == 64 ? 0 : m >> shift;
    const std::uint64_t dropped = shift == 64 ? m : m & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    return dropped > half || (dropped == half && (kept & 1)) ? kept + 1 : kept;
}

}  // namespace

ExtendedBytes DoubleToExtended(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto sign = static_cast<unsigned>(bits >> 63);
    const auto exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & kDoubleFraction;

    unsigned e = 0;
    std::uint64_t m = 0;
    if (exponent == 0x7FF) {
        e = kMaxExtendedExponent;
        m = kIntegerBit | (fraction << 11);
        if (fraction != 0) m |= kExtendedQuiet;
    } else if (exponent == 0) {
        if (fraction != 0) {
            // A subnormal double is a normal extended: normalise it.
            const int top = 63 - std::countl_zero(fraction);
            m = fraction << (63 - top);
            e = static_cast<unsigned>(top - 1074 + kExtendedBias);
        }
    } else {
        e = static_cast<unsigned>(exponent - kDoubleBias + kExtendedBias);
        m = kIntegerBit | (fraction << 11);
    }

    ExtendedBytes out{};
    for (int i = 0; i < 8; ++i) out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(m >> (8 * i));
    const unsigned se = (sign << 15) | e;
    out[8] = static_cast<std::uint8_t>(se);
    out[9] = static_cast<std::uint8_t>(se >> 8);
    return out;
}

double ExtendedToDouble(const ExtendedBytes& bytes) {
    std::uint64_t m = 0;
    for (int i = 0; i < 8; ++i) m |= std::uint64_t{bytes[static_cast<std::size_t>(i)]} << (8 * i);
    const unsigned se = bytes[8] | (unsigned{bytes[9]} << 8);
    const std::uint64_t sign = std::uint64_t{se >> 15} << 63;
    const unsigned e = se & kMaxExtendedExponent;
    const bool integerBit = (m & kIntegerBit) != 0;

    std::uint64_t bits = 0;
    if (e == 0) {
        // Zero, or a (pseudo-)denormal far below the smallest double.
        bits = sign;
    } else if (!integerBit) {
        // Pseudo-infinity, pseudo-NaN or unnormal.
        bits = kDefaultNaN;
    } else if (e == kMaxExtendedExponent) {
        const std::uint64_t payload = m & ~kIntegerBit;
        bits = payload == 0 ? sign | kDoubleInfinity
                            : sign | kDoubleInfinity | kDoubleQuiet | ((m >> 11) & kDoubleFraction);
    } else {
        const int exponent = static_cast<int>(e) - kExtendedBias;
        if (exponent > kDoubleBias) {
            bits = sign | kDoubleInfinity;
        } else if (exponent >= 1 - kDoubleBias) {
            // Normal: 53 of the 64 bits. A carry out of the significand moves
            // into the exponent field, up to infinity, as it should.
            const std::uint64_t significand = ShiftRoundEven(m, 11);
            bits = sign | ((static_cast<std::uint64_t>(exponent + kDoubleBias) << 52) +
                           (significand - (std::uint64_t{1} << 52)));
        } else {
            // Subnormal: units of 2^-1074. A carry to 2^52 is the smallest normal.
            const int shift = 11 + (1 - kDoubleBias - exponent);
            bits = sign | (shift > 64 ? 0 : ShiftRoundEven(m, shift));
        }
    }
    return std::bit_cast<double>(bits);
}

}  // namespace quorvel
