// SPDX-License-Identifier: GPL-3.0-or-later
// GENERALE.INI is linted by the same table the main window reads it by:
// every key the program reads is known where the program reads it, and only
// there; a "|" is a warning in every key shown as written; a required key is
// missed by name.

#include "check_fixture.h"

#include "check/generale_lint.h"
#include "content/generale_keys.h"

#include <QFile>

namespace quorvia::check::testing {
namespace {

QByteArray cleanGenerale()
{
    QFile clean(kFixtures + QStringLiteral("/clean/GENERALE.INI"));
    EXPECT_TRUE(clean.open(QIODevice::ReadOnly));
    return clean.readAll();
}

// The clean GENERALE.INI with `line` set in [section]: a line of the same key
// is replaced, an empty `value` removes it, a key not there is added.
QByteArray withLine(const QByteArray& generale, const std::string& section, const std::string& key,
                    const char* value)
{
    QList<QByteArray> lines = generale.split('\n');
    const QByteArray header = QByteArray("[") + section.c_str() + ']';
    const QByteArray prefix = QByteArray(key.c_str()) + '=';
    const QByteArray line = value ? prefix + value : QByteArray();
    int at = lines.indexOf(header);
    EXPECT_GE(at, 0) << section;
    for (++at; at < lines.size() && !lines[at].startsWith('['); ++at) {
        if (lines[at].startsWith(prefix)) {
            if (value)
                lines[at] = line;
            else
                lines.removeAt(at);
            return lines.join('\n');
        }
    }
    if (value)
        lines.insert(lines.indexOf(header) + 1, line);
    return lines.join('\n');
}

std::vector<Finding> findingsOf(const QByteArray& generale, const std::string& code)
{
    const FixtureFolder folder;
    folder.write(QStringLiteral("GENERALE.INI"), generale);
    std::vector<Finding> found;
    for (const Finding& f : lintGenerale(folder.path().toStdString()).findings) {
        if (f.code == code)
            found.push_back(f);
    }
    return found;
}

TEST(GeneraleLint, KnowsTheOptionalProgramKeys)
{
    const struct {
        const char* key;
        const char* misspelt;
    } cases[] = {
        {"CARTELLA_PROGRESSI=progressi", "CARTELLA_PROGRESS=x"},
        {"LEGGI_AD_ALTA_VOCE=1", "LEGGI_AD_ALTA=1"},
        {"PERCORSO=0", "PERCORSI=0"},
        {"SITO=https://scuola.example/", "SIT=x"},
        {"PIN_INSEGNANTE=sha256:00:0000000000000000000000000000000000000000000000000000000000000000",
         "PIN_INSEGNANT=x"},
    };
    const QByteArray original = cleanGenerale();
    ASSERT_TRUE(original.contains("[AREA_PROGRAMMA]\n"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        QByteArray generale = original;
        generale.replace("[AREA_PROGRAMMA]\n",
                         QByteArray("[AREA_PROGRAMMA]\n") + c.key + '\n' + c.misspelt + '\n');
        const std::vector<Finding> unknown = findingsOf(generale, "unknown-key");
        // The misspelt one alone.
        const std::string key(c.key, std::string(c.key).find('='));
        const std::string misspelt(c.misspelt, std::string(c.misspelt).find('='));
        ASSERT_EQ(unknown.size(), 1u);
        EXPECT_NE(unknown[0].message.find(misspelt), std::string::npos) << unknown[0].message;
        EXPECT_EQ(unknown[0].message.find(key), std::string::npos) << unknown[0].message;
    }
}

TEST(GeneraleLint, WarnsOfATeachersPinThatIsNoHash)
{
    const struct {
        const char* value;
        bool warned;
    } cases[] = {
        {"sha256:00ff:0000000000000000000000000000000000000000000000000000000000000000", false},
        {"1234", true},
        {"sha256:00ff:0000", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const std::vector<Finding> found =
            findingsOf(withLine(cleanGenerale(), generale::kProgramSection, "PIN_INSEGNANTE", c.value), "pin-format");
        ASSERT_EQ(found.size(), c.warned ? 1u : 0u);
        if (c.warned)
            EXPECT_GT(found[0].line, 0);
    }
}

TEST(GeneraleLint, KnowsAKeyOnlyInTheSectionTheProgramReadsItFrom)
{
    const std::string lastScheme = std::to_string(kAllSchemes.size());
    const std::string pastLast = std::to_string(kAllSchemes.size() + 1);
    const struct {
        const char* section;
        std::string key;
        bool known;
    } cases[] = {
        {"AREA_PROGRAMMA", "LEV" + pastLast, false},
        {"AREA_PROGRAMMA", "LABEL", false},
        {"AREA_PROGRAMMA", "MAX1", false},
        {"PRINCIPIANTE", "BTN_FINE", false},
        {"AVANZATO", "INI_FILE" + pastLast, false},
        {"AVANZATO", "LEV1", false},
        {"PRINCIPIANTE", "SITO", false},
    };
    const QByteArray original = cleanGenerale();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " " + c.key);
        const std::vector<Finding> unknown = findingsOf(withLine(original, c.section, c.key, "x"), "unknown-key");
        EXPECT_EQ(unknown.size(), c.known ? 0u : 1u);
    }
    // The last scheme's keys are the clean folder's own: nothing to say.
    ASSERT_TRUE(original.contains(QByteArray("\nLEV") + lastScheme.c_str() + '='));
    EXPECT_TRUE(findingsOf(original, "unknown-key").empty());
}

TEST(GeneraleLint, WarnsOfAPipeInEveryKeyShownAsWritten)
{
    const QByteArray original = cleanGenerale();
    for (const generale::Key& key : generale::kKeys) {
        for (std::size_t scheme : {std::size_t{0}, kAllSchemes.size() - 1}) {
            const std::string name = generale::keyName(key, scheme);
            SCOPED_TRACE(name);
            const std::vector<Finding> pipes =
                findingsOf(withLine(original, generale::sectionOf(key), name, "uno|due"), "pipe-shown");
            if (key.shown != generale::Shown::AsWritten) {
                EXPECT_TRUE(pipes.empty());
                continue;
            }
            ASSERT_EQ(pipes.size(), 1u);
            EXPECT_NE(pipes[0].message.find("in " + name + " "), std::string::npos) << pipes[0].message;
            EXPECT_NE(pipes[0].message.find(key.shows), std::string::npos) << pipes[0].message;
        }
    }
}

TEST(GeneraleLint, MissesEveryRequiredProgramKeyByName)
{
    const QByteArray original = cleanGenerale();
    for (const generale::Key& key : generale::kKeys) {
        if (key.place != generale::Place::Program || key.each_scheme)
            continue;
        SCOPED_TRACE(key.name);
        const std::vector<Finding> missing =
            findingsOf(withLine(original, generale::kProgramSection, key.name, nullptr), "missing-key");
        ASSERT_EQ(missing.size(), key.required ? 1u : 0u);
        if (key.required) {
            EXPECT_NE(missing[0].message.find(std::string("manca la chiave ") + key.name), std::string::npos);
            EXPECT_NE(missing[0].message.find(std::string("«") + key.fallback + "»"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace quorvia::check::testing
