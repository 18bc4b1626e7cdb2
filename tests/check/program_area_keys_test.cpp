// SPDX-License-Identifier: GPL-3.0-or-later
// GENERALE.INI's optional keys of [AREA_PROGRAMMA] (the progress folder,
// reading aloud from the start, the child's path) are known to the check; a
// misspelling of each still is not.

#include "check_fixture.h"

#include "check/generale_lint.h"

#include <QFile>

namespace quorvia::check::testing {
namespace {

TEST(GeneraleLint, KnowsTheOptionalProgramKeys)
{
    const struct {
        const char* key;
        const char* misspelt;
    } cases[] = {
        {"CARTELLA_PROGRESSI=progressi", "CARTELLA_PROGRESS=x"},
        {"LEGGI_AD_ALTA_VOCE=1", "LEGGI_AD_ALTA=1"},
        {"PERCORSO=0", "PERCORSI=0"},
    };
    QFile clean(kFixtures + QStringLiteral("/clean/GENERALE.INI"));
    ASSERT_TRUE(clean.open(QIODevice::ReadOnly));
    const QByteArray original = clean.readAll();
    ASSERT_TRUE(original.contains("[AREA_PROGRAMMA]\n"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const FixtureFolder folder;
        QByteArray generale = original;
        generale.replace("[AREA_PROGRAMMA]\n",
                         QByteArray("[AREA_PROGRAMMA]\n") + c.key + '\n' + c.misspelt + '\n');
        folder.write(QStringLiteral("GENERALE.INI"), generale);

        std::vector<std::string> unknown;
        for (const Finding& f : lintGenerale(folder.path().toStdString()).findings) {
            if (f.code == "unknown-key")
                unknown.push_back(f.message);
        }
        // The misspelt one alone.
        const std::string key(c.key, std::string(c.key).find('='));
        const std::string misspelt(c.misspelt, std::string(c.misspelt).find('='));
        ASSERT_EQ(unknown.size(), 1u);
        EXPECT_NE(unknown[0].find(misspelt), std::string::npos) << unknown[0];
        EXPECT_EQ(unknown[0].find(key), std::string::npos) << unknown[0];
    }
}

}  // namespace
}  // namespace quorvia::check::testing
