// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's "Leggi ad alta voce" switch.

#include "shell/main_window.h"

#include "platform/speech_fake.h"
#include "shell_fixture.h"

#include <QCheckBox>

namespace quorvia {
namespace {

class ReadAloudSwitch : public testing::ShellTest {};

TEST_F(ReadAloudSwitch, StartsAsGeneraleSaysAndTurnsAutomaticReadingOnAndOff)
{
    const struct {
        const char* key_line;
        bool on;
    } cases[] = {{"", false}, {"LEGGI_AD_ALTA_VOCE=1\n", true}, {"LEGGI_AD_ALTA_VOCE=0\n", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key_line);
        platform::ScopedFakeSpeech voice;
        writeResource("GENERALE.INI", QByteArray("[AREA_PROGRAMMA]\n") + c.key_line);
        TForm1 window(folder());
        auto* box = window.findChild<QCheckBox*>(QStringLiteral("LeggiAdAltaVoce"));
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text(), QStringLiteral("Leggi ad alta voce"));
        EXPECT_FALSE(box->isHidden());
        EXPECT_EQ(box->isChecked(), c.on);
        EXPECT_EQ(platform::automaticReading(), c.on);
        box->toggle();
        EXPECT_EQ(platform::automaticReading(), !c.on);
    }
}

TEST_F(ReadAloudSwitch, WithoutAVoiceItIsHiddenAndReadingStaysOff)
{
    platform::ScopedFakeSpeech voice;
    voice->setVoiceMissing(true);
    writeResource("GENERALE.INI", "[AREA_PROGRAMMA]\nLEGGI_AD_ALTA_VOCE=1\n");
    TForm1 window(folder());
    auto* box = window.findChild<QCheckBox*>(QStringLiteral("LeggiAdAltaVoce"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isHidden());
    EXPECT_FALSE(platform::automaticReading());
}

// The voice starts in the background and may answer after the window is up.
TEST_F(ReadAloudSwitch, AppearsWhenTheVoiceAnswersSetAsGeneraleSays)
{
    platform::ScopedFakeSpeech voice;
    voice->setVoiceMissing(true);  // not answered yet
    writeResource("GENERALE.INI", "[AREA_PROGRAMMA]\nLEGGI_AD_ALTA_VOCE=1\n");
    TForm1 window(folder());
    auto* box = window.findChild<QCheckBox*>(QStringLiteral("LeggiAdAltaVoce"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isHidden());

    voice->setVoiceMissing(false);
    platform::announceVoiceAnswered();
    EXPECT_FALSE(box->isHidden());
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(platform::automaticReading());

    // A voice that answers it cannot speak leaves it hidden and reading off.
    voice->setVoiceMissing(true);
    platform::announceVoiceAnswered();
    EXPECT_TRUE(box->isHidden());
    EXPECT_FALSE(platform::automaticReading());
}

}  // namespace
}  // namespace quorvia
