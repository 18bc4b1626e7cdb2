// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/step_indicators.h"

#include "evaluator/decimal_number.h"
#include "widgets/contrast.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace quorvia {
namespace {

// An exercise window in miniature: per step two entry boxes (Tag = step),
// a choice list, the B and H buttons and the round indicator; and a line
// shape that is not an indicator.
class StepWindow : public QDialog {
public:
    StepWindow(int steps, bool beginner)
    {
        int y = 0;
        for (int s = 1; s <= steps; ++s, y += 30) {
            if (beginner) {
                auto* list = new QComboBox(this);
                list->setObjectName(QStringLiteral("EB0%1").arg(s));
                list->setGeometry(0, y, 60, 25);
            }
            for (int k = 0; k < 2; ++k) {
                auto* box = new QLineEdit(this);
                box->setObjectName(QStringLiteral("box%1_%2").arg(s).arg(k));
                box->setGeometry(70 + 60 * k, y, 55, 25);
                setTag(box, s);
            }
            auto* verifica = new StepButton(QStringLiteral("B%1").arg(s), this);
            setTag(verifica, s);
            new StepButton(QStringLiteral("H%1").arg(s), this);
            auto* shape = new ShapeIndicator(QStringLiteral("Shape0%1").arg(s),
                                             ShapeIndicator::Form::Circle, this);
            shape->setBrushColor(Qt::white);
        }
        auto* line = new ShapeIndicator(QStringLiteral("Shape1"), ShapeIndicator::Form::Rectangle, this);
        line->setBrushColor(Qt::black);
        resize(400, y + 40);
    }

    QWidget* w(const QString& name) { return qobject_cast<QWidget*>(findControl(this, name)); }
    QColor shape(const QString& name) { return findControlAs<ShapeIndicator>(this, name)->brushColor(); }
    QLineEdit* box(int step, int k)
    {
        return qobject_cast<QLineEdit*>(w(QStringLiteral("box%1_%2").arg(step).arg(k)));
    }
};

class StepIndicators : public ::testing::Test {
protected:
    void show(StepWindow& window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
    }
};

TEST_F(StepIndicators, NextShapeClosesTheStepAndOpensTheNext)
{
    StepWindow window(5, false);
    show(window);
    NextShape(0, &window);
    NextShape(1, &window);
    NextShape(2, &window);

    EXPECT_EQ(window.shape("Shape02"), kStepDone);
    EXPECT_EQ(window.shape("Shape03"), kStepCurrent);
    EXPECT_EQ(window.shape("Shape04"), kStepAhead);
    EXPECT_FALSE(window.w("B2")->isEnabled());
    EXPECT_FALSE(window.w("H2")->isEnabled());
    EXPECT_TRUE(window.w("B3")->isEnabled());
    EXPECT_TRUE(window.w("H3")->isEnabled());
    for (int s = 1; s <= 5; ++s) {
        EXPECT_EQ(window.box(s, 0)->isEnabled(), s == 3) << s;
        EXPECT_EQ(window.box(s, 1)->isEnabled(), s == 3) << s;
    }
    EXPECT_EQ(QApplication::focusWidget(), window.box(3, 0));
}

TEST_F(StepIndicators, NextShapeOfTheLastStepOpensNothing)
{
    StepWindow window(5, false);
    show(window);
    NextShape(0, &window);
    for (int s = 1; s <= 5; ++s)
        NextShape(s, &window);
    for (int s = 1; s <= 5; ++s) {
        EXPECT_EQ(window.shape(QStringLiteral("Shape0%1").arg(s)), kStepDone) << s;
        EXPECT_FALSE(window.w(QStringLiteral("B%1").arg(s))->isEnabled()) << s;
        EXPECT_FALSE(window.box(s, 0)->isEnabled()) << s;
    }
}

TEST_F(StepIndicators, NextShapeZeroOpensStepOneOfABeginnerWindow)
{
    StepWindow window(5, true);
    new QLineEdit(&window);  // an unnamed box is no control: left alone
    show(window);
    NextShape(0, &window);

    EXPECT_EQ(window.shape("Shape01"), kStepCurrent);
    for (int s = 2; s <= 5; ++s)
        EXPECT_EQ(window.shape(QStringLiteral("Shape0%1").arg(s)), kStepAhead) << s;
    EXPECT_EQ(window.shape("Shape1"), kStepAhead);  // the line turns red too
    for (int s = 1; s <= 5; ++s) {
        const bool open = s == 1;
        EXPECT_EQ(window.w(QStringLiteral("EB0%1").arg(s))->isEnabled(), open) << s;
        EXPECT_EQ(window.w(QStringLiteral("B%1").arg(s))->isEnabled(), open) << s;
        EXPECT_EQ(window.w(QStringLiteral("H%1").arg(s))->isEnabled(), open) << s;
        // Entry boxes are opened by NextShape(0) only by the question names.
        EXPECT_FALSE(window.box(s, 0)->isEnabled()) << s;
    }
}

TEST_F(StepIndicators, NextShapeZeroOpensTheQuestionEntries)
{
    StepWindow window(3, false);
    for (const char* name : {"LMDdomanda", "E01"}) {
        auto* box = new QLineEdit(&window);
        box->setObjectName(QLatin1String(name));
        box->setEnabled(false);
    }
    NextShape(0, &window);
    EXPECT_TRUE(window.w("LMDdomanda")->isEnabled());
    EXPECT_TRUE(window.w("E01")->isEnabled());
}

TEST_F(StepIndicators, NextShapeMinusOneClosesEverything)
{
    StepWindow window(4, true);
    NextShape(0, &window);
    NextShape(1, &window);
    NextShape(-1, &window);
    for (QWidget* control : controlsInOrder(&window)) {
        if (auto* shape = qobject_cast<ShapeIndicator*>(control))
            EXPECT_EQ(shape->brushColor(), kStepAhead) << shape->objectName().toStdString();
        else
            EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    }
}

TEST_F(StepIndicators, StepTenUsesTwoDigitNames)
{
    StepWindow window(10, true);
    NextShape(0, &window);
    for (int s = 1; s <= 9; ++s)
        NextShape(s, &window);
    EXPECT_EQ(window.shape("Shape010"), kStepCurrent);
    EXPECT_TRUE(window.w("EB010")->isEnabled());
    EXPECT_TRUE(window.w("B10")->isEnabled());
    EXPECT_TRUE(window.w("H10")->isEnabled());
    EXPECT_TRUE(window.box(10, 1)->isEnabled());
    EXPECT_FALSE(window.w("B9")->isEnabled());
    // "Shape01" must not have been taken for the indicator of step 10.
    EXPECT_EQ(window.shape("Shape01"), kStepDone);
}

TEST_F(StepIndicators, SetLEDPaintsAndShowsEveryShape)
{
    StepWindow window(3, false);
    window.w("Shape02")->hide();
    SetLED(kStepAhead, &window);
    for (const char* name : {"Shape01", "Shape02", "Shape03", "Shape1"}) {
        EXPECT_EQ(window.shape(name), kStepAhead) << name;
        EXPECT_FALSE(window.w(name)->isHidden()) << name;
    }
}

TEST_F(StepIndicators, LastButtonVerificaIsTheHighestB)
{
    StepWindow five(5, true);
    EXPECT_EQ(LastButton_Verifica(&five), 5);
    StepWindow nine(9, true);
    EXPECT_EQ(LastButton_Verifica(&nine), 9);
    StepWindow ten(10, true);
    EXPECT_EQ(LastButton_Verifica(&ten), 10);
    QDialog none;
    EXPECT_EQ(LastButton_Verifica(&none), 0);
}

class NumberKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"dato1", "dato2", "Risultato2"}) {
            auto* box = new QLineEdit(&window_);
            box->setObjectName(QLatin1String(name));
            boxes_.append(box);
        }
        window_.show();
        QApplication::setActiveWindow(&window_);
        boxes_[0]->setFocus();
    }
    ScopedDecimalSeparator comma_{','};
    QDialog window_;
    QList<QLineEdit*> boxes_;
};

TEST_F(NumberKeys, MKeyPressTable)
{
    const struct {
        const char* name;
        char16_t in;
        char16_t out;
    } cases[] = {
        {"digit", u'7', u'7'},        {"backspace", 8, 8},        {"point", u'.', u','},
        {"comma", u',', u','},        {"minus_in_front", u'-', u'-'},
        // Tab and the Ctrl shortcuts are no typing.
        {"tab", 9, 9},                {"ctrl_a", 1, 1},
        // Nothing else stands in a number.
        {"letter", u'a', 0},          {"capital", u'X', 0},       {"plus", u'+', 0},
        {"times", u'*', 0},           {"colon", u':', 0},         {"space", u' ', 0},
        {"accented", u'\u00e8', 0},
    };
    for (const auto& c : cases) {
        QChar key(c.in);
        EXPECT_FALSE(MKeyPress(boxes_[0], key, "Risultato2", &window_)) << c.name;
        EXPECT_EQ(key, QChar(c.out)) << c.name;
    }
}

TEST_F(NumberKeys, ABoxHoldsOnlyWhatANumberCanHold)
{
    int refused = 0;
    installNumberKeyFilter(boxes_[0], &window_, "Risultato2", {}, [&refused] { ++refused; });
    const struct {
        const char* typed;
        const char* held;
        int refused;
    } cases[] = {
        {"ab+-x*:12", "-12", 6},
        {"5 + 6", "56", 3},
        {"3,5,2", "3,52", 1},
        {"3.5.2", "3,52", 1},
        {"1-2", "12", 1},
        {"--3", "-3", 1},
        {"12,50", "12,50", 0},
    };
    for (const auto& c : cases) {
        boxes_[0]->clear();
        refused = 0;
        QTest::keyClicks(boxes_[0], c.typed);
        EXPECT_EQ(boxes_[0]->text(), QLatin1String(c.held)) << c.typed;
        EXPECT_EQ(refused, c.refused) << c.typed;
    }
    // A minus goes in front, also over a selection that starts there.
    boxes_[0]->setText(QStringLiteral("12"));
    boxes_[0]->setCursorPosition(0);
    QTest::keyClick(boxes_[0], Qt::Key_Minus);
    EXPECT_EQ(boxes_[0]->text(), QStringLiteral("-12"));
    boxes_[0]->selectAll();
    QTest::keyClicks(boxes_[0], "-");
    EXPECT_EQ(boxes_[0]->text(), QStringLiteral("-"));
    // A separator replacing the selected one is no second separator.
    boxes_[0]->setText(QStringLiteral("3,5"));
    boxes_[0]->setSelection(1, 1);
    QTest::keyClicks(boxes_[0], ".");
    EXPECT_EQ(boxes_[0]->text(), QStringLiteral("3,5"));
}

TEST_F(NumberKeys, EnterInTheLastBoxAsksForTheCheck)
{
    boxes_[2]->setFocus();
    QChar key(13);
    EXPECT_TRUE(MKeyPress(boxes_[2], key, "Risultato2", &window_));
    EXPECT_TRUE(key.isNull());
    EXPECT_EQ(QApplication::focusWidget(), boxes_[2]);
}

TEST_F(NumberKeys, EnterInAnotherBoxMovesTheFocusOn)
{
    QChar key(13);
    EXPECT_FALSE(MKeyPress(boxes_[0], key, "Risultato2", &window_));
    EXPECT_TRUE(key.isNull());
    EXPECT_EQ(QApplication::focusWidget(), boxes_[1]);
}

TEST_F(NumberKeys, InstalledFilterTypesTheSeparatorAndRunsTheCheck)
{
    int checks = 0;
    for (QLineEdit* box : boxes_)
        installNumberKeyFilter(box, &window_, "Risultato2", [&checks] { ++checks; });

    QTest::keyClicks(boxes_[0], "3.5");
    EXPECT_EQ(boxes_[0]->text(), QStringLiteral("3,5"));
    QTest::keyClick(boxes_[0], Qt::Key_Backspace);
    EXPECT_EQ(boxes_[0]->text(), QStringLiteral("3,"));

    QTest::keyClick(boxes_[0], Qt::Key_Return);
    EXPECT_EQ(checks, 0);
    EXPECT_EQ(QApplication::focusWidget(), boxes_[1]);

    QTest::keyClick(boxes_[2], Qt::Key_Enter);
    EXPECT_EQ(checks, 1);
}

}  // namespace
}  // namespace quorvia

namespace quorvia {
namespace {

// A child who cannot tell the colours apart tells the states by their
// symbols: in black and white the three indicators still differ, and the
// symbol stands out from each fill at 3 : 1 or more.
TEST(StepIndicatorShapes, EachStateHasItsOwnSymbol)
{
    const QColor states[] = {kStepAhead, kStepCurrent, kStepDone};
    QList<QImage> inkOnly;
    for (const QColor& state : states) {
        ShapeIndicator led(QStringLiteral("Shape01"), ShapeIndicator::Form::Circle);
        led.resize(33, 33);
        led.setBrushColor(state);
        QImage image(led.size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        led.render(&image);
        // The dark pixels inside the circle: the symbol.
        QImage ink(image.size(), QImage::Format_Mono);
        ink.fill(0);
        int dark = 0;
        for (int y = 4; y < image.height() - 4; ++y) {
            for (int x = 4; x < image.width() - 4; ++x) {
                if (qGray(image.pixel(x, y)) < 60) {
                    ink.setPixel(x, y, 1);
                    ++dark;
                }
            }
        }
        EXPECT_GT(dark, 10) << stepStateText(state).toStdString();
        EXPECT_GE(contrastRatio(Qt::black, state), 3.0);
        inkOnly << ink;
    }
    EXPECT_NE(inkOnly[0], inkOnly[1]);
    EXPECT_NE(inkOnly[1], inkOnly[2]);
    EXPECT_NE(inkOnly[0], inkOnly[2]);
}

}  // namespace
}  // namespace quorvia
