// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud in a scheme-3 window, with a recording voice: what is said
// for each trigger, nothing said while automatic reading is off, silence
// when the window closes or a problem starts, no controls without a voice.

#include "exercise_fixture.h"

#include "platform/speech_fake.h"

#include <QTest>

#include <functional>

namespace quorvia::testing {
namespace {

const QString kProblemSpoken = QString::fromUtf8(
    "Luca ha dodici bustine di figurine. In ogni bustina ci sono tre figurine. "
    "Quante figurine ha Luca?");

class ReadAloud : public ExerciseFixture {
protected:
    static void pressF2(ExerciseWindow& w, const QString& focused = QString())
    {
        QWidget* target = &w;
        if (!focused.isEmpty()) {
            target = find<QWidget>(w, focused);
            target->setFocus(Qt::OtherFocusReason);
        }
        // Shortcuts reach the active window only.
        QApplication::setActiveWindow(&w);
        QTest::keyClick(target, Qt::Key_F2);
    }
};

TEST_F(ReadAloud, EachTriggerSaysTheTextAsTheChildSeesItWithItsNumbersWritten)
{
    const struct {
        const char* trigger;
        Mode mode;
        std::function<void(ExerciseWindow&)> act;
        QString spoken;
    } cases[] = {
        {"speaker button", Mode::Beginner, [](ExerciseWindow& w) { click(w, "LMDleggi"); }, kProblemSpoken},
        {"F2 on a step not yet answered", Mode::Advanced, [](ExerciseWindow& w) { pressF2(w); }, kProblemSpoken},
        {"F2 on a chosen sentence", Mode::Beginner,
         [](ExerciseWindow& w) {
             choose(w, "EB01", rightPosition(w, "EB01", "Quante figurine ha Luca?"));
             pressF2(w, "EB01");
         },
         "Quante figurine ha Luca?"},
        {"F2 on a typed sentence", Mode::Advanced,
         [](ExerciseWindow& w) {
             type(w, "LMDdomanda", "Luca ha 2,5 euro");
             pressF2(w, "LMDdomanda");
         },
         QString::fromUtf8("Luca ha due euro e cinquanta centesimi")},
        {"F2 on a number box", Mode::Advanced,
         [this](ExerciseWindow& w) {
             answerStepsBeforeScheme(w, problemIn(kAdvancedFile, 1, Scheme::S3));
             type(w, "dato1", "1,5");
             pressF2(w, "dato1");
         },
         "uno virgola cinque"},
        {"Shift+F2 on the scheme", Mode::Advanced,
         [this](ExerciseWindow& w) {
             answerStepsBeforeScheme(w, problemIn(kAdvancedFile, 1, Scheme::S3));
             type(w, "dato1", "12");
             pickSign(w, "Loper1", menuItemFor("X"));
             type(w, "dato2", "3");
             type(w, "Risultato2", "36");
             QApplication::setActiveWindow(&w);
             QTest::keyClick(find<QWidget>(w, "Risultato2"), Qt::Key_F2, Qt::ShiftModifier);
         },
         "dodici per tre uguale trentasei"},
        {"hint", Mode::Advanced, [](ExerciseWindow& w) { click(w, "H1"); }, QString::fromUtf8("Rileggi l'ultima frase del testo.")},
        {"error message", Mode::Advanced,
         [](ExerciseWindow& w) {
             type(w, "LMDdomanda", "Quante mele ha Sara?");
             click(w, "B1");
         },
         "Ricopia bene la domanda."},
        {"arrow key on a list", Mode::Beginner,
         [](ExerciseWindow& w) {
             auto* list = find<QComboBox>(w, "EB01");
             QTest::keyClick(list, Qt::Key_Down);
         },
         QString()},  // the sentence now at the top of the list, filled in below
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.trigger);
        platform::ScopedFakeSpeech voice(true);
        auto w = open(c.mode);
        voice->clear();
        c.act(*w);
        const QString expected =
            c.spoken.isEmpty() ? find<QComboBox>(*w, "EB01")->itemText(0) : c.spoken;
        EXPECT_EQ(voice->said().join(" | ").toStdString(), expected.toStdString());
    }
}

TEST_F(ReadAloud, WithAutomaticReadingOffOnlyTheChildsOwnRequestsSpeak)
{
    platform::ScopedFakeSpeech voice(false);
    auto w = open(Mode::Beginner);
    voice->clear();
    click(*w, "H1");
    QTest::keyClick(find<QComboBox>(*w, "EB01"), Qt::Key_Down);
    choose(*w, "EB01", 0);
    click(*w, "B1");
    EXPECT_TRUE(voice->said().isEmpty()) << voice->said().join(" | ").toStdString();

    click(*w, "LMDleggi");
    EXPECT_EQ(voice->said().join(" | ").toStdString(), kProblemSpoken.toStdString());
}

TEST_F(ReadAloud, TheVoiceStopsWhenTheWindowClosesAndWhenAProblemStarts)
{
    platform::ScopedFakeSpeech voice(true);
    const struct {
        const char* how;
        std::function<void(ExerciseWindow&)> act;
    } ends[] = {
        {"close", [](ExerciseWindow& w) { w.close(); }},
        {"next problem", [this](ExerciseWindow& w) {
             dialogs_->setNextYesNo(true);
             click(w, "LMDButton1");
         }},
        {"solution", [](ExerciseWindow& w) { click(w, "LMDsoluzione"); }},
    };
    for (const auto& end : ends) {
        SCOPED_TRACE(end.how);
        auto w = open(Mode::Advanced);
        click(*w, "LMDleggi");
        voice->clear();
        end.act(*w);
        ASSERT_FALSE(voice->events().isEmpty());
        EXPECT_EQ(voice->events().first(), platform::RecordingSpeechService::kStop);
    }
}

TEST_F(ReadAloud, WithoutAVoiceTheSpeakerIsHiddenAndNothingIsSaid)
{
    platform::ScopedFakeSpeech voice(true);
    voice->setVoiceMissing(true);
    for (Mode mode : {Mode::Advanced, Mode::Beginner}) {
        auto w = open(mode);
        EXPECT_TRUE(find<QAbstractButton>(*w, "LMDleggi")->isHidden());
        pressF2(*w);
        click(*w, "H1");
        EXPECT_TRUE(voice->said().isEmpty()) << voice->said().join(" | ").toStdString();
    }
    voice->setVoiceMissing(false);
    auto w = open(Mode::Advanced);
    EXPECT_FALSE(find<QAbstractButton>(*w, "LMDleggi")->isHidden());
}

// The voice starts in the background: an open window shows its speaker when
// the voice answers, and reads from then on.
TEST_F(ReadAloud, TheSpeakerAppearsWhenTheVoiceAnswers)
{
    platform::ScopedFakeSpeech voice;
    voice->setVoiceMissing(true);
    auto w = open(Mode::Advanced);
    EXPECT_TRUE(find<QAbstractButton>(*w, "LMDleggi")->isHidden());

    voice->setVoiceMissing(false);
    platform::announceVoiceAnswered();
    EXPECT_FALSE(find<QAbstractButton>(*w, "LMDleggi")->isHidden());
    click(*w, "LMDleggi");
    EXPECT_EQ(voice->said().size(), 1);
}

}  // namespace
}  // namespace quorvia::testing
