// SPDX-License-Identifier: GPL-3.0-or-later
// Removing keys and renaming, removing and reordering whole sections, for an
// editor that renumbers a teacher's problems without touching the other
// lines of the file.

#include "content/ini_file.h"

#include <utility>

namespace quorvia {

namespace {

// A run of plain lines holds line breaks of its own: blanks and breaks only.
bool blankText(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

bool IniFile::endsWithoutLineEnding() const {
    return !lines_.empty() && lines_.back().ending == LineEnding::None;
}

void IniFile::restoreFinalEnding(bool without) {
    if (lines_.empty()) return;
    // Every line but the last needs its ending once lines have moved.
    for (std::size_t i = 0; i + 1 < lines_.size(); ++i) {
        if (lines_[i].ending == LineEnding::None) lines_[i].ending = newline_;
    }
    if (without) {
        lines_.back().ending = LineEnding::None;
    } else if (lines_.back().ending == LineEnding::None) {
        lines_.back().ending = newline_;
    }
}

void IniFile::replaceLineText(std::size_t index, const std::string& text) {
    // As in writeString: the new text goes after the old, every other offset
    // stays valid.
    const LineEnding ending = lines_[index].ending;
    const std::size_t begin = text_.size();
    text_.append(text);
    lines_[index] = classify(begin, text.size());
    lines_[index].ending = ending;
}

std::size_t IniFile::coreEnd(const Section& section) const {
    return section.lastKey != kNoLine ? section.lastKey + 1 : section.header + 1;
}

bool IniFile::removeKey(std::string_view section, std::string_view key) {
    const std::size_t line = findKey(section, key);
    if (line == kNoLine) return false;
    const bool without = endsWithoutLineEnding();
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
    restoreFinalEnding(without);
    rebuildIndex();
    return true;
}

bool IniFile::renameSection(std::string_view from, std::string_view to) {
    const Section* found = findSection(from);
    if (!found || to.empty() || findSection(to)) return false;
    const std::size_t index = found->header;
    const Line& line = lines_[index];
    const std::string_view text = textOf(line);
    const std::string renamed = std::string(text.substr(0, line.nameBegin)) + std::string(to) +
                                std::string(text.substr(line.nameBegin + line.nameLength));
    replaceLineText(index, renamed);
    rebuildIndex();
    return true;
}

bool IniFile::removeSection(std::string_view section) {
    const Section* found = findSection(section);
    if (!found) return false;
    std::size_t first = found->header;
    std::size_t end = first + 1;
    while (end < lines_.size() && lines_[end].kind != LineKind::Header) ++end;
    if (end == lines_.size()) {
        // The last section: its trailing lines go, and so does the gap before it.
        while (first > 0 && lines_[first - 1].kind == LineKind::Other && blankText(textOf(lines_[first - 1])))
            --first;
    }
    const bool without = endsWithoutLineEnding();
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first),
                 lines_.begin() + static_cast<std::ptrdiff_t>(end));
    restoreFinalEnding(without);
    rebuildIndex();
    return true;
}

bool IniFile::swapSections(std::string_view first, std::string_view second) {
    const Section* a = findSection(first);
    const Section* b = findSection(second);
    if (!a || !b || a == b) return false;
    if (a->header > b->header) std::swap(a, b);
    const std::size_t aBegin = a->header, aEnd = coreEnd(*a);
    const std::size_t bBegin = b->header, bEnd = coreEnd(*b);
    const bool without = endsWithoutLineEnding();
    std::vector<Line> reordered;
    reordered.reserve(lines_.size());
    const auto append = [&](std::size_t from, std::size_t to) {
        reordered.insert(reordered.end(), lines_.begin() + static_cast<std::ptrdiff_t>(from),
                         lines_.begin() + static_cast<std::ptrdiff_t>(to));
    };
    append(0, aBegin);
    append(bBegin, bEnd);
    append(aEnd, bBegin);
    append(aBegin, aEnd);
    append(bEnd, lines_.size());
    lines_ = std::move(reordered);
    restoreFinalEnding(without);
    rebuildIndex();
    return true;
}

}  // namespace quorvia
