// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "LeadingNumber.h"

#include <cmath>
#include <cstdlib>
#include <limits>

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool anyDigit = false;
    auto takeDigits = [&] {
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            number += text[i++];
            anyDigit = true;
        }
    };
    takeDigits();
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        takeDigits();
    }
    if (!anyDigit)
        return 0.0;
    // strtod reads exactly the prefix collected above; "C" digits and '.' are locale-neutral
    // because the program never changes the C locale.
    return std::strtod(number.c_str(), nullptr);
}

double roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction < 0.5)
        return floor;
    if (fraction > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

namespace {

template <typename Int> std::optional<Int> roundToInt(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

std::optional<std::int32_t> roundToInt32(double value) {
    return roundToInt<std::int32_t>(value);
}

std::optional<std::int16_t> roundToInt16(double value) {
    return roundToInt<std::int16_t>(value);
}

std::string formatTimeText(std::string_view timeText) {
    if (timeText.empty() || timeText.find_first_not_of("0123456789") != std::string_view::npos)
        return std::string(timeText);
    std::string digits(timeText.substr(timeText.find_first_not_of('0') == std::string_view::npos
                                           ? timeText.size()
                                           : timeText.find_first_not_of('0')));
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    return digits.substr(0, digits.size() - 2) + ':' + digits.substr(digits.size() - 2);
}

std::optional<std::int16_t> hourOffsetFromText(std::string_view text) {
    const auto offset = roundToInt16(LeadingNumber(text));
    if (!offset || *offset < -24 || *offset > 24)
        return std::nullopt;
    return offset;
}
