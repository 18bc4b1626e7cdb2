// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Resource folders for the checker's tests: a copy of the clean fixture
// folder with the bundled animations and sounds, and the files of one fault
// folder laid over it.

#include "check/check_report.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace quorvia::check::testing {

inline const QString kFixtures = QStringLiteral(QUORVIA_TEST_DATA);

class FixtureFolder {
public:
    // `fault`: a folder of data/faults, or empty for the clean folder alone.
    explicit FixtureFolder(const QString& fault = QString());
    QString path() const { return dir_.path() + QLatin1Char('/'); }
    // Writes one more file into the folder (UTF-8 text as given).
    void write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

// Every finding of a report, wherever it is grouped.
std::vector<Finding> allFindings(const CheckReport& report);
std::string describe(const std::vector<Finding>& findings);

}  // namespace quorvia::check::testing
