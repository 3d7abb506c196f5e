// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text helpers for the core. Text is UTF-8; field limits and file columns count code points.

// Removes blanks (spaces) at both ends; other white space is content.
std::string trimBlanks(std::string_view text);
bool isBlank(std::string_view text);
std::string upperAscii(std::string_view text);

std::size_t codePointCount(std::string_view utf8);
// Up to `count` code points starting at code point `start` (0-based); empty past the end.
std::string midCodePoints(std::string_view utf8, std::size_t start, std::size_t count);
std::string leftCodePoints(std::string_view utf8, std::size_t count);
// Appends blanks until the text is `width` code points long.
std::string padRight(std::string_view utf8, std::size_t width);

bool isAsciiDigit(char c);
// Whether the text has the shape's length, a digit wherever the shape has a 9 and the shape's
// own character everywhere else: "99/99/99" is a date written mm/dd/yy.
bool hasShape(std::string_view text, std::string_view shape);
// The number written by the two digits at `at`; the caller has checked they are digits.
int twoDigitsAt(std::string_view text, std::size_t at);
// A number with at least two digits: 7 gives 07, 100 gives 100.
std::string twoDigitText(std::int64_t value);

// Whether a text holds a control character other than a tab (below 0x20, or DEL): what no text
// file holds, and no field may. Bytes 0x80 to 0x9F of a Windows-1252 file are its own text.
bool hasControlCharacter(std::string_view utf8);

bool isValidUtf8(std::string_view bytes);
std::string cp1252ToUtf8(std::string_view bytes);
// The Windows-1252 bytes of a UTF-8 text, or nothing when a character does not fit the code page.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);
