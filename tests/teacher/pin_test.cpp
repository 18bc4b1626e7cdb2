// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's area's PIN: kept as a salted hash, asked before entering,
// set from the area, and GENERALE.INI's for the whole school first.

#include "base/teacher_pin.h"
#include "platform/fakes.h"
#include "teacher/pin_questions.h"
#include "teacher_fixture.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace quorvia::teacher::testing {
namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PinHash, IsSaltedNamesItsMethodAndMatchesOnlyThePin)
{
    const QString pin = QStringLiteral("2468");
    const QString stored = hashPin(pin);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^sha256:[0-9a-f]{32}:[0-9a-f]{64}$")).match(stored).hasMatch())
        << stored.toStdString();
    EXPECT_FALSE(stored.contains(pin));
    EXPECT_NE(hashPin(pin), stored) << "the salt is drawn anew";
    EXPECT_TRUE(pinMatches(stored, pin));
    EXPECT_TRUE(pinMatches(QStringLiteral("  ") + stored.toUpper() + QStringLiteral(" "), pin));
    for (const QString& wrong : {QStringLiteral("2469"), QStringLiteral("24680"), QString()})
        EXPECT_FALSE(pinMatches(stored, wrong)) << wrong.toStdString();
}

TEST(PinHash, ADamagedValueMatchesNoPinAtAll)
{
    const QString good = hashPin(QString());
    const QString salt = good.section(QLatin1Char(':'), 1, 1);
    const QString hash = good.section(QLatin1Char(':'), 2, 2);
    const QString cases[] = {
        QString(),
        QStringLiteral("1234"),                                  // a PIN written in clear
        QStringLiteral("md5:%1:%2").arg(salt, hash),             // a method not known
        QStringLiteral("sha256:%1").arg(hash),                   // no salt
        QStringLiteral("sha256:%1:%2").arg(salt, hash.left(62)), // a hash cut short
        QStringLiteral("sha256:%1:%2x").arg(salt, hash.left(63)),
    };
    EXPECT_TRUE(pinMatches(good, QString()));
    for (const QString& stored : cases) {
        SCOPED_TRACE(stored.toStdString());
        EXPECT_FALSE(isPinHash(stored));
        EXPECT_FALSE(pinMatches(stored, QString()));
        EXPECT_FALSE(pinMatches(stored, QStringLiteral("1234")));
    }
}

class PinQuestions : public ::testing::Test {
protected:
    UserConfig config_;
    FaultFolder folder_;
    platform::ScopedFakeDialogs dialogs_;
};

TEST_F(PinQuestions, SettingAPinKeepsOnlyItsHashAndAsksForItAfterwards)
{
    EXPECT_TRUE(askPinToEnter(nullptr, folder_.path()));
    EXPECT_TRUE(dialogs_->inputPrompts().isEmpty()) << "no PIN, no question";

    dialogs_->setNextInput(QStringLiteral("2468"));
    dialogs_->setNextInput(QStringLiteral("2468"));
    offerPin(nullptr, folder_.path());
    const PinInForce pin = pinInForce(folder_.path());
    EXPECT_EQ(pin.place, PinPlace::User);
    const QByteArray file = fileBytes(userPinFile());
    EXPECT_TRUE(file.contains(pin.hash.toUtf8())) << file.toStdString();
    EXPECT_FALSE(file.contains("2468")) << file.toStdString();
    ASSERT_FALSE(dialogs_->messages().isEmpty());
    EXPECT_TRUE(dialogs_->messages().last().contains(QStringLiteral("PIN_INSEGNANTE=") + pin.hash));

    struct Case {
        QStringList typed;  // a null string cancels
        bool enters;
        int asked;
    } cases[] = {
        {{QStringLiteral("2468")}, true, 1},
        {{QStringLiteral("1111"), QStringLiteral("2468")}, true, 2},
        {{QStringLiteral("1111"), QStringLiteral("2222"), QStringLiteral("3333"), QStringLiteral("2468")}, false, 3},
        {{QString()}, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.join(QLatin1Char(',')).toStdString());
        platform::ScopedFakeDialogs asked;
        for (const QString& typed : c.typed)
            asked->setNextInput(typed.isNull() ? std::nullopt : std::optional<QString>(typed));
        EXPECT_EQ(askPinToEnter(nullptr, folder_.path()), c.enters);
        EXPECT_EQ(asked->inputPrompts().size(), c.asked);
    }
}

TEST_F(PinQuestions, ANewPinMustBeTypedTwiceAlikeAndLongEnough)
{
    struct Case {
        QStringList typed;
        bool set;
    } cases[] = {
        {{QStringLiteral("2468"), QStringLiteral("2469")}, false},
        {{QStringLiteral("246")}, false},  // asked no second time
        {{QString()}, false},  // no PIN to take away
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.join(QLatin1Char(',')).toStdString());
        for (const QString& typed : c.typed)
            dialogs_->setNextInput(typed);
        dialogs_->clearRecords();
        offerPin(nullptr, folder_.path());
        EXPECT_EQ(dialogs_->inputPrompts().size(), c.typed.size());
        EXPECT_EQ(pinInForce(folder_.path()).place, PinPlace::None);
    }

    dialogs_->setNextInput(QStringLiteral("2468"));
    dialogs_->setNextInput(QStringLiteral("2468"));
    offerPin(nullptr, folder_.path());
    ASSERT_EQ(pinInForce(folder_.path()).place, PinPlace::User);
    // An empty new PIN takes it away, once the teacher says yes.
    dialogs_->setNextInput(QString());
    dialogs_->setNextYesNo(true);
    offerPin(nullptr, folder_.path());
    EXPECT_EQ(pinInForce(folder_.path()).place, PinPlace::None);
    EXPECT_TRUE(askPinToEnter(nullptr, folder_.path()));
}

TEST_F(PinQuestions, TheFoldersPinWinsOverTheUsersAndIsChangedOnlyThere)
{
    ASSERT_TRUE(storeUserPin(hashPin(QStringLiteral("1111"))).isEmpty());
    QByteArray generale = fileBytes(folder_.path() + QStringLiteral("GENERALE.INI"));
    const QString school = hashPin(QStringLiteral("9999"));
    generale.replace("[AREA_PROGRAMMA]", "[AREA_PROGRAMMA]\r\nPIN_INSEGNANTE=" + school.toUtf8());
    folder_.write(QStringLiteral("GENERALE.INI"), generale);

    const PinInForce pin = pinInForce(folder_.path());
    EXPECT_EQ(pin.place, PinPlace::Generale);
    EXPECT_EQ(pin.hash, school);
    dialogs_->setNextInput(QStringLiteral("1111"));
    dialogs_->setNextInput(std::nullopt);
    EXPECT_FALSE(askPinToEnter(nullptr, folder_.path()));
    dialogs_->setNextInput(QStringLiteral("9999"));
    EXPECT_TRUE(askPinToEnter(nullptr, folder_.path()));

    dialogs_->clearRecords();
    offerPin(nullptr, folder_.path());
    EXPECT_TRUE(dialogs_->inputPrompts().isEmpty());
    ASSERT_EQ(dialogs_->messages().size(), 1);
    EXPECT_TRUE(dialogs_->messages()[0].contains(QStringLiteral("GENERALE.INI")));
}

TEST_F(PinQuestions, APinWrittenInClearInGeneraleIsExplainedNotAskedThreeTimes)
{
    QByteArray generale = fileBytes(folder_.path() + QStringLiteral("GENERALE.INI"));
    generale.replace("[AREA_PROGRAMMA]", "[AREA_PROGRAMMA]\r\nPIN_INSEGNANTE=1234");
    folder_.write(QStringLiteral("GENERALE.INI"), generale);
    dialogs_->setNextInput(QStringLiteral("1234"));
    EXPECT_FALSE(askPinToEnter(nullptr, folder_.path()));
    EXPECT_EQ(dialogs_->inputPrompts().size(), 1);
    ASSERT_EQ(dialogs_->messages().size(), 1);
    EXPECT_TRUE(dialogs_->messages()[0].contains(QStringLiteral("PIN_INSEGNANTE")));
}

}  // namespace
}  // namespace quorvia::teacher::testing
