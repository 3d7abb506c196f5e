// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "SkedFile.h"

#include "AtomicFile.h"
#include "Text.h"
#include "Translation.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

namespace {

// The reader never needs more than 40 lines, so a huge file is read only this far.
constexpr std::uintmax_t kMaxBytesRead = 64 * 1024 * 1024;

// Splits off the next line; CR LF, LF and a lone CR all end a line. False when no line is left.
bool nextLine(std::string_view& rest, std::string_view& line) {
    if (rest.empty())
        return false;
    const auto end = rest.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        line = rest;
        rest = {};
        return true;
    }
    line = rest.substr(0, end);
    std::size_t skip = 1;
    if (rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n')
        skip = 2;
    rest.remove_prefix(end + skip);
    return true;
}

ReadResult cannotOpen(std::string why) {
    return {ReadStatus::CannotOpen, 0, {}, std::move(why)};
}

constexpr std::size_t kLongestSkedLine = 80;

std::string column(std::string_view line, std::size_t first, std::size_t width) {
    return trimBlanks(midCodePoints(line, first - 1, width));
}

ReadResult problemAt(ReadStatus status, int line, std::string_view text) {
    return {status, line, leftCodePoints(text, kLongestSkedLine), {}};
}

std::string rowLine(const SkedEntry& entry) {
    std::string line = entry.skip ? "S " : "  ";
    line += padRight(entry.date, 12);
    line += padRight(entry.time, 6);
    line += entry.message;
    return line;
}

// Whether a line has the shape of a sked line: text of at most 80 characters. What its fields
// hold is the user's (a date field may hold "Done", which ends the printout, or a date that
// cannot ring), so it never makes a file less than whole; a binary file or one long line does.
bool isSkedLine(std::string_view line) {
    return codePointCount(line) <= kLongestSkedLine && !hasControlCharacter(line);
}

} // namespace

ReadResult readSked(std::string_view fileBytes, SkedTable& table) {
    if (fileBytes.substr(0, 3) == "\xEF\xBB\xBF")
        fileBytes.remove_prefix(3);
    const std::string text =
        isValidUtf8(fileBytes) ? std::string(fileBytes) : cp1252ToUtf8(fileBytes);
    if (text.empty())
        return {};
    std::string_view rest = text;
    std::string_view line;
    // The first thing wrong is what the user hears of; reading goes on past a line that is no
    // sked line, so the table holds what the file holds.
    ReadResult first;
    auto stop = [&first](ReadStatus status, int number, std::string_view what) {
        return first.status == ReadStatus::Ok ? problemAt(status, number, what) : first;
    };
    // Every line up to the 40th uses up a row, the weekly line and a blank one included.
    int row = 0;
    for (int number = 1; nextLine(rest, line); ++number) {
        const std::string head = upperAscii(line.substr(0, 4));
        if (head.substr(0, 3) == "END")
            return first;
        const bool full = row == SkedTable::kRows;
        if (!full)
            ++row;
        if (head == "WEEK") {
            const char last = line.back();
            if (last < '0' || last > '2')
                return stop(ReadStatus::BadWeeklyLine, number, line);
            table.setWeekly(last - '0');
        } else if (full) {
            // After a full table only its weekly and end lines may come; a sked line here would
            // be lost by the next save.
            if (!isBlank(line))
                return stop(ReadStatus::RowsLeftUnread, number, line);
        } else {
            if (first.status == ReadStatus::Ok && !isSkedLine(line))
                first = problemAt(ReadStatus::NotASked, number, line);
            const int slot = row - 1;
            table.setSkip(slot, !line.empty() && (line[0] == 'S' || line[0] == 's'));
            table.setDate(slot, column(line, 3, 10));
            table.setTime(slot, column(line, 15, 4));
            table.setMessage(slot, column(line, 21, 60));
        }
    }
    return stop(ReadStatus::NoEndLine, 0, {});
}

std::string notWholeReason(const ReadResult& read) {
    const std::string line = std::to_string(read.line);
    switch (read.status) {
    case ReadStatus::Ok:
    case ReadStatus::Missing:
        return {};
    case ReadStatus::CannotOpen:
        return withArgs(translated("SkedFile", "could not be read (%1)"), {read.error});
    case ReadStatus::NoEndLine:
        return translated("SkedFile", "has no end line");
    case ReadStatus::BadWeeklyLine:
        return withArgs(
            translated("SkedFile", "line %1 is a weekly line with a switch other than 0, 1 or 2"),
            {line});
    case ReadStatus::NotASked:
        return withArgs(translated("SkedFile", "line %1 is not a sked"), {line});
    case ReadStatus::RowsLeftUnread:
        return withArgs(translated("SkedFile", "holds more than 40 skeds (line %1)"), {line});
    }
    return {};
}

ReadResult readSkedFile(const std::string& path, SkedTable& table) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return {ReadStatus::Missing, 0, {}, {}};
    // Refusing anything but a regular file keeps a FIFO or a device from blocking the program.
    if (status.type() == std::filesystem::file_type::directory)
        return cannotOpen(translated("SkedFile", "it is a folder"));
    if (error)
        return cannotOpen(error.message());
    if (status.type() != std::filesystem::file_type::regular)
        return cannotOpen(translated("SkedFile", "it is not a plain file"));
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return cannotOpen(error.message());
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return cannotOpen(std::strerror(errno));
    std::string bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMaxBytesRead)),
                      '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return cannotOpen(translated("SkedFile", "it cannot be read"));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return readSked(bytes, table);
}

ReadResult loadSkedFile(const std::string& path, SkedTable& table) {
    SkedTable loaded = table;
    loaded.setListener(nullptr);
    loaded.blank(0, SkedTable::kRows - 1);
    const ReadResult result = readSkedFile(path, loaded);
    if (result.status != ReadStatus::CannotOpen)
        table.copyFrom(loaded);
    return result;
}

bool holdsData(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) &&
           std::filesystem::file_size(path, error) > 0 && !error;
}

std::string skedFileText(const SkedTable& table) {
    std::string text;
    for (int i = 0; i < SkedTable::kRows; ++i) {
        if (!table.isEmpty(i))
            text += rowLine(table.row(i)) + "\r\n";
    }
    text += "WeeklyIncr: " + std::to_string(table.weekly()) + "\r\n";
    text += "end\r\n";
    return text;
}

std::string encodeSkedFile(std::string_view utf8Text) {
    // Bytes that happen to form valid UTF-8 would be read back as UTF-8, so such a text is
    // written as UTF-8 in the first place; plain ASCII is the same either way.
    auto cp1252 = utf8ToCp1252(utf8Text);
    if (cp1252 && (*cp1252 == utf8Text || !isValidUtf8(*cp1252)))
        return *cp1252;
    return std::string(utf8Text);
}

WriteResult writeSkedFile(const std::string& path, const SkedTable& table) {
    return writeFileAtomically(path, encodeSkedFile(skedFileText(table)));
}
