// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "Text.h"

namespace {

constexpr int kQuartersInADay = 24 * 4;

std::optional<int> minutesWithinADay(int quarters) {
    if (std::abs(quarters) > kQuartersInADay)
        return std::nullopt;
    return quarters * 15;
}

bool allDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Any cap above a day's hours keeps a long run of digits from overflowing and still refuses it.
int cappedValue(std::string_view digits) {
    int value = 0;
    for (const char c : digits)
        value = std::min(value * 10 + (c - '0'), 1000);
    return value;
}

// Whole minutes never fall halfway between two quarters, so no tie needs breaking.
std::optional<int> quartersWithMinutes(int hours, std::string_view minuteDigits) {
    if (minuteDigits.size() != 2 || !allDigits(minuteDigits) || cappedValue(minuteDigits) > 59)
        return std::nullopt;
    const int minutes = hours * 60 + cappedValue(minuteDigits);
    return minutes / 15 + (minutes % 15 > 7 ? 1 : 0);
}

// The quarter and its halfway points (.125, .375, ...) lie within the first three decimals, so
// those and whether any later digit is not 0 round exactly, however many digits were typed.
std::optional<int> quartersWithFraction(int hours, std::string_view fractionDigits) {
    if (fractionDigits.empty() || !allDigits(fractionDigits))
        return std::nullopt;
    std::string thousandths(fractionDigits.substr(0, 3));
    thousandths.append(3 - thousandths.size(), '0');
    const int fraction = cappedValue(thousandths);
    const bool moreAfterThousandths =
        fractionDigits.size() > 3 &&
        fractionDigits.substr(3).find_first_not_of('0') != std::string_view::npos;
    int quarters = hours * 4 + fraction / 250;
    const int rest = fraction % 250;
    if (rest > 125 || (rest == 125 && (moreAfterThousandths || quarters % 2 != 0)))
        ++quarters;
    return quarters;
}

} // namespace

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
    // Read without the C library's locale: the toolkit sets it from the user's, and strtod would
    // then stop at the point of "5.5" where the decimal mark is a comma.
    double value = 0;
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    std::from_chars(first, number.data() + number.size(), value);
    return value;
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
    const auto hours = leadingNumberIn(text);
    if (!hours)
        return std::nullopt;
    const auto quarters = roundToInt32(*hours * 4);
    if (!quarters)
        return std::nullopt;
    return minutesWithinADay(*quarters);
}

std::optional<int> offsetFromAnswer(std::string_view text) {
    const std::string trimmed = trimBlanks(text);
    std::string_view answer = trimmed;
    const bool negative = !answer.empty() && answer.front() == '-';
    if (!answer.empty() && (answer.front() == '-' || answer.front() == '+'))
        answer.remove_prefix(1);
    const std::size_t wholeEnd = std::min(answer.find_first_not_of("0123456789"), answer.size());
    if (wholeEnd == 0)
        return std::nullopt;
    const int hours = cappedValue(answer.substr(0, wholeEnd));
    const std::string_view rest = answer.substr(wholeEnd);
    std::optional<int> quarters;
    if (rest.empty())
        quarters = hours * 4;
    else if (rest.front() == ':')
        quarters = quartersWithMinutes(hours, rest.substr(1));
    else if (rest.front() == '.' || rest.front() == ',')
        quarters = quartersWithFraction(hours, rest.substr(1));
    if (!quarters)
        return std::nullopt;
    return minutesWithinADay(negative ? -*quarters : *quarters);
}

std::string offsetText(int minutes) {
    const int whole = minutes / 60;
    const int quarters = std::abs(minutes % 60) / 15;
    static constexpr const char* kFractions[] = {"", ".25", ".5", ".75"};
    // Between 0 and -1 hour the sign has no whole hour to ride on.
    const std::string sign = minutes < 0 && whole == 0 ? "-" : "";
    return sign + std::to_string(whole) + kFractions[quarters];
}
