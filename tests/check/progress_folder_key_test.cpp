// SPDX-License-Identifier: GPL-3.0-or-later
// GENERALE.INI may name the progress folder; the check knows the key.

#include "check_fixture.h"

#include "check/generale_lint.h"

#include <QFile>

namespace quorvia::check::testing {
namespace {

TEST(GeneraleLint, KnowsTheProgressFolderKey)
{
    const FixtureFolder folder;
    QFile clean(kFixtures + QStringLiteral("/clean/GENERALE.INI"));
    ASSERT_TRUE(clean.open(QIODevice::ReadOnly));
    QByteArray generale = clean.readAll();
    ASSERT_TRUE(generale.contains("[AREA_PROGRAMMA]\n"));
    generale.replace("[AREA_PROGRAMMA]\n", "[AREA_PROGRAMMA]\nCARTELLA_PROGRESSI=progressi\nCARTELLA_PROGRESS=x\n");
    folder.write(QStringLiteral("GENERALE.INI"), generale);

    std::vector<std::string> unknown;
    for (const Finding& f : lintGenerale(folder.path().toStdString()).findings) {
        if (f.code == "unknown-key")
            unknown.push_back(f.message);
    }
    // The misspelt one alone.
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_NE(unknown[0].find("CARTELLA_PROGRESS"), std::string::npos) << unknown[0];
    EXPECT_EQ(unknown[0].find("CARTELLA_PROGRESSI"), std::string::npos) << unknown[0];
}

}  // namespace
}  // namespace quorvia::check::testing
