// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Numbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>

double leadingNumber(std::string_view text) {
    return leadingNumberIn(text).value_or(0.0);
}

std::optional<double> leadingNumberIn(std::string_view text) {
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
        return std::nullopt;
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

std::optional<std::int32_t> roundToInt32(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
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

std::optional<int> offsetFromText(std::string_view text) {
    constexpr int kQuartersInADay = 24 * 4;
    const auto hours = leadingNumberIn(text);
    if (!hours)
        return std::nullopt;
    const auto quarters = roundToInt32(*hours * 4);
    if (!quarters || std::abs(*quarters) > kQuartersInADay)
        return std::nullopt;
    return *quarters * 15;
}

std::string offsetText(int minutes) {
    const int whole = minutes / 60;
    const int quarters = std::abs(minutes % 60) / 15;
    static constexpr const char* kFractions[] = {"", ".25", ".5", ".75"};
    // Between 0 and -1 hour the sign has no whole hour to ride on.
    const std::string sign = minutes < 0 && whole == 0 ? "-" : "";
    return sign + std::to_string(whole) + kFractions[quarters];
}
