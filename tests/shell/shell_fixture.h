// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A resource folder of its own for each test, and the fakes every window
// test installs.

#include "platform/fakes.h"
#include "support/wave_fixture.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quorvia::testing {

inline const char* const kGenerale = R"(
[AREA_PROGRAMMA]
BTN_FINE=Esci
BTN_INIZIO=Inizia
LBL_NOME=Scrivi il tuo nome
LBL_PROBLEMA=Problema
BTN_INTRO=Istruzioni
MSG_SCEGLI_PROBLEMA=Scegli il problema
MSG_LAVAGNA=Ciao|bambini
LEV1=Schema 3
LEV2=Schema 4a
LEV3=Schema 4b
LEV4=Schema 5

[PRINCIPIANTE]
LABEL=Principiante
INI_FILE1=P3.INI
INI_FILE2=P4A.INI
INI_FILE3=P4B.INI
INI_FILE4=P5.INI
MAX1=6
MAX2=4
MAX4=30

[AVANZATO]
LABEL=Esperto
INI_FILE1=A3.INI
INI_FILE4=A5.INI
MAX1=3
MAX2=0
MAX4=8
)";

class ShellTest : public ::testing::Test {
protected:
    QString folder() const { return QDir(dir_.path()).absolutePath() + QLatin1Char('/'); }
    QString path(const QString& name) const { return folder() + name; }
    void writeResource(const QString& name, const QByteArray& bytes)
    {
        ASSERT_TRUE(writeFile(path(name), bytes));
    }
    void writeGenerale() { writeResource("GENERALE.INI", kGenerale); }

    QTemporaryDir dir_;
    platform::ScopedFakeDialogs dialogs_;
    platform::ScopedFakeSound sound_;
};

}  // namespace quorvia::testing
