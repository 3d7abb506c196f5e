// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "Translation.h"

namespace {

Translator current = nullptr;

} // namespace

void setTranslator(Translator translator) {
    current = translator;
}

std::string translated(const char* context, const char* source) {
    return current ? current(context, source) : std::string(source);
}

std::string withArgs(std::string text, std::initializer_list<std::string> args) {
    // One pass from the left: what an argument brings in is never taken for a marker.
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t number =
            text[i] == '%' && i + 1 < text.size() ? std::size_t(text[i + 1] - '0') : 0;
        if (number >= 1 && number <= args.size()) {
            result += *(args.begin() + (number - 1));
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}
