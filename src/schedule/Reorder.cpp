#include "Reorder.h"

#include "AtomicFile.h"
#include "SkedFile.h"
#include "Text.h"

#include <utility>

namespace {

// "mm/dd/yy hh:mm" with every digit in its place.
bool hasKeyShape(std::string_view text) {
    static constexpr std::string_view kShape = "99/99/99 99:99";
    if (text.size() != kShape.size())
        return false;
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        if (kShape[i] == '9' ? !isAsciiDigit(text[i]) : text[i] != kShape[i])
            return false;
    }
    return true;
}

} // namespace

std::string reorderRowLine(const SkedEntry& row) {
    return std::string(row.skip ? "S" : " ") + " " + row.date + "    " + row.time + "  " +
           row.message;
}

std::optional<ReorderKey> reorderKey(std::string_view line) {
    const std::string time = midCodePoints(line, 14, 4);
    const std::string text = midCodePoints(line, 2, 8) + " " + time.substr(0, 2) + ":" +
                             (time.size() > 2 ? time.substr(2) : std::string());
    if (!hasKeyShape(text))
        return std::nullopt;
    const auto date = readSkedDate(text.substr(0, 8));
    const int hour = twoDigitsAt(text, 9);
    const int minute = twoDigitsAt(text, 12);
    if (!date || hour > 23 || minute > 59)
        return std::nullopt;
    return ReorderKey{*date, hour, minute};
}

bool isWellFormedForReorder(const SkedEntry& row) {
    // The key is read from fixed columns, so a field of another length would shift them.
    return row.date.size() == 8 && row.time.size() == 4 &&
           reorderKey(reorderRowLine(row)).has_value();
}

Gathered gatherForReorder(const SkedTable& table) {
    Gathered gathered;
    for (int slot = 0; slot < SkedTable::kRows; ++slot) {
        const SkedEntry& row = table.row(slot);
        if (!isBlank(row.date) && isBlank(row.time))
            return {GatherStatus::MissingTime, slot, {}};
        if (isBlank(row.date))
            break;
        if (!isWellFormedForReorder(row))
            return {GatherStatus::Malformed, slot, {}};
        std::string line = reorderRowLine(row);
        const ReorderKey key = *reorderKey(line);
        gathered.lines.push_back({std::move(line), key});
    }
    if (gathered.lines.empty())
        gathered.status = GatherStatus::NothingToSort;
    return gathered;
}

void shellSortByKey(std::vector<WorkLine>& lines) {
    // Kept to the letter, 1-based like the lines it numbers: the order it leaves equal keys in is
    // the order users have always seen.
    const auto n = static_cast<std::ptrdiff_t>(lines.size());
    auto at = [&lines](std::ptrdiff_t number) -> WorkLine& {
        return lines[static_cast<std::size_t>(number - 1)];
    };
    for (std::ptrdiff_t gap = n / 2; gap > 0; gap /= 2) {
        for (std::ptrdiff_t i = 1; i <= n - gap; ++i) {
            for (std::ptrdiff_t j = i; j >= 1; j -= gap) {
                if (at(j).key <= at(j + gap).key)
                    break;
                std::swap(at(j), at(j + gap));
            }
        }
    }
}

std::string reorderedFileText(const std::vector<WorkLine>& lines, int weekly) {
    std::string text;
    for (const WorkLine& line : lines)
        text += line.line + "\r\n";
    text += "WeeklyIncr: " + std::to_string(weekly) + "\r\n";
    text += "end\r\n";
    return text;
}

ReorderResult reorderSkeds(SkedTable& table, const std::string& path) {
    using Status = ReorderResult::Status;
    Gathered gathered = gatherForReorder(table);
    switch (gathered.status) {
    case GatherStatus::NothingToSort:
        return {Status::NothingToSort, -1, {}};
    case GatherStatus::MissingTime:
        return {Status::MissingTime, gathered.slot, {}};
    case GatherStatus::Malformed:
        return {Status::Malformed, gathered.slot, {}};
    case GatherStatus::Ok:
        break;
    }
    shellSortByKey(gathered.lines);
    const WriteResult written = writeFileAtomically(
        path, encodeSkedFile(reorderedFileText(gathered.lines, table.weekly())));
    if (!written.ok)
        return {Status::WriteFailed, -1, written.error};

    // Read into a copy first, so a file that cannot be read back leaves the table whole.
    SkedTable reloaded = table;
    reloaded.setListener(nullptr);
    const ReadResult read = readSkedFile(path, reloaded);
    if (!read.ok())
        return {Status::ReadBackFailed, -1,
                read.error.empty() ? "cannot read it back" : read.error};
    table.copyFrom(reloaded);
    return {};
}
