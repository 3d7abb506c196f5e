// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Timers.h"

#include "Numbers.h"
#include "Text.h"

#include <limits>

std::string remainingText(std::int64_t seconds) {
    if (seconds < 0)
        seconds = 0;
    return twoDigitText(seconds / 60) + ":" + twoDigitText(seconds % 60);
}

std::optional<std::int32_t> countdownFromAnswer(std::string_view answer) {
    const std::string text = trimBlanks(answer);
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.size() <= 12 &&
               part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const auto point = text.find('.');
    if (text.find(':') == std::string::npos) {
        const bool plain = point == std::string::npos
                               ? digits(text)
                               : digits(std::string_view(text).substr(0, point)) &&
                                     digits(std::string_view(text).substr(point + 1));
        return plain ? roundToInt32(leadingNumber(text)) : std::nullopt;
    }
    // From the right: seconds, minutes, then hours of any size.
    std::int64_t seconds = 0;
    std::int64_t unit = 1;
    std::string_view rest = text;
    for (int part = 0; part < 3 && !rest.empty(); ++part) {
        const auto colon = part < 2 ? rest.rfind(':') : std::string_view::npos;
        const std::string_view field =
            colon == std::string_view::npos ? rest : rest.substr(colon + 1);
        const bool last = colon == std::string_view::npos;
        if (!digits(field) || (!last && (field.size() != 2 || field >= "60" || colon == 0)))
            return std::nullopt;
        seconds += std::stoll(std::string(field)) * unit;
        unit *= 60;
        rest = last ? std::string_view() : rest.substr(0, colon);
    }
    if (!rest.empty() || seconds > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(seconds);
}

void StopwatchCount::tick() {
    if (++seconds == 60) {
        seconds = 0;
        ++minutes;
    }
    if (minutes == 60) {
        minutes = 0;
        ++hours;
    }
}
