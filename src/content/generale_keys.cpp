// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generale_keys.h"

#include "content/problem_file.h"

#include <algorithm>
#include <cstdlib>

namespace quorvia::generale {

const char* modeSection(Mode mode)
{
    return mode == Mode::Beginner ? "PRINCIPIANTE" : "AVANZATO";
}

std::string keyName(const Key& key, std::size_t schemeIndex)
{
    if (!key.each_scheme)
        return key.name;
    return key.name + std::to_string(schemeIndex + 1);
}

const char* sectionOf(const Key& key, Mode mode)
{
    return key.place == Place::Program ? kProgramSection : modeSection(mode);
}

std::string read(const IniFile& ini, const Key& key, Mode mode, std::size_t schemeIndex)
{
    const std::string value = ini.readString(sectionOf(key, mode), keyName(key, schemeIndex), key.fallback);
    return key.shown == Shown::BreakingLines ? withLineBreaks(value) : value;
}

int problemCount(const IniFile& ini, Mode mode, std::size_t schemeIndex)
{
    const int fallback = std::atoi(kProblemCount.fallback);
    return std::clamp(ini.readInteger(modeSection(mode), keyName(kProblemCount, schemeIndex), fallback), 1,
                      kMaxProblems);
}

namespace {

// `written` is `key` itself, or for a key of each scheme its stem and the
// number of a scheme.
bool names(const Key& key, const std::string& written)
{
    if (!key.each_scheme)
        return written == key.name;
    for (std::size_t i = 0; i < kAllSchemes.size(); ++i) {
        if (written == keyName(key, i))
            return true;
    }
    return false;
}

}  // namespace

bool knownSection(const std::string& section)
{
    if (section == kProgramSection)
        return true;
    return std::any_of(kModes.begin(), kModes.end(), [&](Mode mode) { return section == modeSection(mode); });
}

const Key* find(const std::string& section, const std::string& key)
{
    if (!knownSection(section))
        return nullptr;
    const Place place = section == kProgramSection ? Place::Program : Place::EachMode;
    for (const Key& row : kKeys) {
        if (row.place == place && names(row, key))
            return &row;
    }
    return nullptr;
}

}  // namespace quorvia::generale
