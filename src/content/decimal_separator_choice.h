// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which decimal separator the problem files are read with, the numbers shown
// and the child's numbers compared with. The problem files say in which
// notation their numbers are written, through GENERALE.INI; only a folder
// that does not say so follows the computer's language.

#include "content/generale_keys.h"
#include "content/ini_file.h"

#include <optional>
#include <string>

namespace quorvia {

inline constexpr const char* kDecimalSeparatorSection = generale::kProgramSection;
inline constexpr const char* kDecimalSeparatorKey = generale::kDecimalSeparator.name;

enum class SeparatorSource {
    Generale,  // SEPARATORE_DECIMALE in GENERALE.INI
    Locale,    // the user's locale, for want of the key
};

struct DecimalSeparatorChoice {
    char separator = ',';
    SeparatorSource source = SeparatorSource::Locale;
};

// The separator that GENERALE.INI sets: "," or "." exactly. Nothing when the
// key is missing or holds anything else.
std::optional<char> generaleDecimalSeparator(const IniFile& generale);

// The key of GENERALE.INI when it sets one, else `localeSeparator`.
DecimalSeparatorChoice chooseDecimalSeparator(const IniFile& generale, char localeSeparator);
// The same for the GENERALE.INI of `resourceFolder` (ending with a separator;
// the file is found without regard to case).
DecimalSeparatorChoice chooseDecimalSeparator(const std::string& resourceFolder, char localeSeparator);

}  // namespace quorvia
