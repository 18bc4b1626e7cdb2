// SPDX-License-Identifier: GPL-3.0-or-later
// The decimal separator of a check run over locales and GENERALE.INI's
// SEPARATORE_DECIMALE: the key decides whatever the computer's language, and
// a folder without it follows the locale and is warned about formulas that
// only read in the other notation.

#include "check_fixture.h"

#include "check/folder_check.h"
#include "evaluator/decimal_number.h"
#include "shell/locale_separator.h"

#include <QFile>

#include <algorithm>

namespace quorvia::check::testing {
namespace {

struct SeparatorCase {
    const char* name;
    const char* locale;  // as QLocale names it
    const char* key;     // value of SEPARATORE_DECIMALE; nullptr: no such line
    const char* r1;      // R1 of the beginner scheme-3 problem, 4,5 in all
    char separator;      // in force for the check
    SeparatorSource source;
    bool solved;  // that problem can be finished
    std::vector<std::string> general;  // codes of the findings about GENERALE.INI
};

std::ostream& operator<<(std::ostream& out, const SeparatorCase& c)
{
    return out << c.name;
}

QByteArray fixtureFile(const char* name)
{
    QFile file(kFixtures + QStringLiteral("/clean/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

class DecimalSeparator : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(DecimalSeparator, ComesFromTheKeyElseFromTheLocale)
{
    const SeparatorCase& c = GetParam();
    const FixtureFolder folder;
    QByteArray generale = fixtureFile("GENERALE.INI");
    if (c.key)
        generale.replace("[AREA_PROGRAMMA]\n", QByteArray("[AREA_PROGRAMMA]\nSEPARATORE_DECIMALE=") + c.key + "\n");
    folder.write(QStringLiteral("GENERALE.INI"), generale);
    folder.write(QStringLiteral("P_SCHEMA3.INI"),
                 fixtureFile("P_SCHEMA3.INI").replace("R1=12 + 5", QByteArray("R1=") + c.r1));

    const char before = decimalSeparator();
    const QLocale locale(QString::fromLatin1(c.locale));
    const CheckReport report = checkResourceFolder(folder.path(), localeDecimalSeparator(locale));
    EXPECT_EQ(decimalSeparator(), before) << "the check leaves the separator as it found it";

    EXPECT_EQ(report.decimal_separator, c.separator);
    EXPECT_EQ(report.decimal_separator_source, c.source);
    const auto file = std::find_if(report.files.begin(), report.files.end(),
                                   [](const ProblemFileReport& f) { return f.file_name == "P_SCHEMA3.INI"; });
    ASSERT_NE(file, report.files.end());
    ASSERT_EQ(file->problems.size(), 1u);
    EXPECT_EQ(file->problems[0].outcome, c.solved ? Outcome::Solved : Outcome::NotSolved)
        << describe(allFindings(report));
    std::vector<std::string> general;
    for (const Finding& f : report.general)
        general.push_back(f.code);
    EXPECT_EQ(general, c.general) << describe(report.general);
    // Every other problem has whole numbers only and is finished either way.
    EXPECT_EQ(report.count(Outcome::Solved), c.solved ? 8 : 7);
}

const SeparatorCase kSeparatorCases[] = {
    // The bundled folder's notation, on each kind of computer.
    {"EnglishWithComma", "en_US", ",", "1,5 x 3", ',', SeparatorSource::Generale, true, {}},
    {"EnglishWithPoint", "en_US", ".", "1,5 x 3", '.', SeparatorSource::Generale, false, {}},
    {"EnglishWithoutKey", "en_US", nullptr, "1,5 x 3", '.', SeparatorSource::Locale, false,
     {"decimal-separator-unset"}},
    {"ItalianWithComma", "it_IT", ",", "1,5 x 3", ',', SeparatorSource::Generale, true, {}},
    {"ItalianWithPoint", "it_IT", ".", "1,5 x 3", '.', SeparatorSource::Generale, false, {}},
    {"ItalianWithoutKey", "it_IT", nullptr, "1,5 x 3", ',', SeparatorSource::Locale, true, {}},
    {"BareCWithComma", "C", ",", "1,5 x 3", ',', SeparatorSource::Generale, true, {}},
    {"BareCWithPoint", "C", ".", "1,5 x 3", '.', SeparatorSource::Generale, false, {}},
    {"BareCWithoutKey", "C", nullptr, "1,5 x 3", ',', SeparatorSource::Locale, true, {}},
    // A folder written with the point.
    {"PointFolderOnItalian", "it_IT", ".", "1.5 x 3", '.', SeparatorSource::Generale, true, {}},
    {"PointFolderWithoutKeyOnItalian", "it_IT", nullptr, "1.5 x 3", ',', SeparatorSource::Locale, false,
     {"decimal-separator-unset"}},
    {"PointFolderWithoutKeyOnEnglish", "en_US", nullptr, "1.5 x 3", '.', SeparatorSource::Locale, true, {}},
    // A value the program does not take leaves the choice to the locale.
    {"KeyNeitherCommaNorPoint", "en_US", "virgola", "1,5 x 3", '.', SeparatorSource::Locale, false,
     {"decimal-separator-value", "decimal-separator-unset"}},
};

INSTANTIATE_TEST_SUITE_P(LocalesAndKey, DecimalSeparator, ::testing::ValuesIn(kSeparatorCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DecimalSeparatorUnset, NamesTheFormulasAndTheLineToAdd)
{
    const FixtureFolder folder;
    folder.write(QStringLiteral("P_SCHEMA3.INI"),
                 fixtureFile("P_SCHEMA3.INI").replace("R1=12 + 5", "R1=1,5 x 3"));
    const CheckReport report = checkResourceFolder(folder.path(), '.');
    ASSERT_EQ(report.general.size(), 1u);
    const Finding& warning = report.general[0];
    EXPECT_EQ(warning.severity, Severity::Warning);
    EXPECT_EQ(warning.file, "GENERALE.INI");
    EXPECT_EQ(warning.line, 1);  // [AREA_PROGRAMMA], where the line goes
    EXPECT_NE(warning.message.find("una formula ha i decimali scritti con la virgola (P_SCHEMA3.INI riga 13)"),
              std::string::npos)
        << warning.message;
    EXPECT_NE(warning.message.find("«SEPARATORE_DECIMALE=,»"), std::string::npos) << warning.message;
}

}  // namespace
}  // namespace quorvia::check::testing
