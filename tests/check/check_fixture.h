// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Resource folders for the checker's tests (and the teacher's area's): a
// copy of the clean fixture folder with the bundled animations and sounds,
// and the files of fault folders laid over it.

#include "check/check_report.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace quorvia::check::testing {

inline const QString kFixtures = QStringLiteral(QUORVIA_CHECK_FIXTURES);

class FixtureFolder {
public:
    // `fault`: a folder of data/faults, or empty for the clean folder alone.
    explicit FixtureFolder(const QString& fault = QString());
    // Several folders of data/faults, laid over the clean folder in order.
    explicit FixtureFolder(const QStringList& faults);
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
