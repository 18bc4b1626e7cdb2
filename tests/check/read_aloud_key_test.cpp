// SPDX-License-Identifier: GPL-3.0-or-later
// GENERALE.INI may start every run with reading aloud on; the check knows the key.

#include "check_fixture.h"

#include "check/generale_lint.h"

#include <QFile>

namespace quorvia::check::testing {
namespace {

TEST(GeneraleLint, KnowsTheReadAloudKey)
{
    const FixtureFolder folder;
    QFile clean(kFixtures + QStringLiteral("/clean/GENERALE.INI"));
    ASSERT_TRUE(clean.open(QIODevice::ReadOnly));
    QByteArray generale = clean.readAll();
    ASSERT_TRUE(generale.contains("[AREA_PROGRAMMA]\n"));
    generale.replace("[AREA_PROGRAMMA]\n", "[AREA_PROGRAMMA]\nLEGGI_AD_ALTA_VOCE=1\nLEGGI_AD_ALTA=1\n");
    folder.write(QStringLiteral("GENERALE.INI"), generale);

    std::vector<std::string> unknown;
    for (const Finding& f : lintGenerale(folder.path().toStdString()).findings) {
        if (f.code == "unknown-key")
            unknown.push_back(f.message);
    }
    // The misspelt one alone.
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_NE(unknown[0].find("LEGGI_AD_ALTA"), std::string::npos) << unknown[0];
    EXPECT_EQ(unknown[0].find("LEGGI_AD_ALTA_VOCE"), std::string::npos) << unknown[0];
}

}  // namespace
}  // namespace quorvia::check::testing
