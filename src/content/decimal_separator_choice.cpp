// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/decimal_separator_choice.h"

#include "content/resource_path.h"

namespace quorvia {

std::optional<char> generaleDecimalSeparator(const IniFile& generale)
{
    const std::string value = generale.readString(kDecimalSeparatorSection, kDecimalSeparatorKey, "");
    if (value == "," || value == ".")
        return value[0];
    return std::nullopt;
}

DecimalSeparatorChoice chooseDecimalSeparator(const IniFile& generale, char localeSeparator)
{
    if (const std::optional<char> set = generaleDecimalSeparator(generale))
        return {*set, SeparatorSource::Generale};
    return {localeSeparator, SeparatorSource::Locale};
}

DecimalSeparatorChoice chooseDecimalSeparator(const std::string& resourceFolder, char localeSeparator)
{
    return chooseDecimalSeparator(IniFile::read(findResourceFile(resourceFolder, "GENERALE.INI")),
                                  localeSeparator);
}

}  // namespace quorvia
