// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls.h"

#include "platform/gif_player.h"
#include "platform/sound.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace quorvia {
namespace {

template <class T>
T* named(QWidget* parent, const char* name)
{
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

TEST(ControlKind, EachClassHasExactlyOneKind)
{
    QWidget window;
    const struct {
        QObject* control;
        ControlKind kind;
    } cases[] = {
        {named<QLineEdit>(&window, "LMDdomanda"), ControlKind::EntryBox},
        {new MaskedEntryBox(QStringLiteral("M1"), &window), ControlKind::MaskedEntryBox},
        {named<QComboBox>(&window, "EB01"), ControlKind::ChoiceList},
        {new StepButton(QStringLiteral("B1"), &window), ControlKind::StepButton},
        {named<QPushButton>(&window, "LMD5"), ControlKind::PushButton},
        {named<QLabel>(&window, "Label7"), ControlKind::Label},
        {new ShapeIndicator(QStringLiteral("Shape01"), ShapeIndicator::Form::Circle, &window),
         ControlKind::Shape},
        {new PictureBox(QStringLiteral("Image4"), &window), ControlKind::Other},
        {new platform::GifPlayer(QStringLiteral("GIF1"), &window), ControlKind::Other},
        {named<QTextEdit>(&window, "Memo1"), ControlKind::Other},
        {named<QSpinBox>(&window, "SPProblema"), ControlKind::Other},
        {new platform::WavePlayer(QStringLiteral("bravo"), &window), ControlKind::Other},
        {nullptr, ControlKind::Other},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(controlKind(c.control), c.kind)
            << (c.control ? c.control->objectName().toStdString() : "null");
    }
}

TEST(Tag, IsZeroUntilSetAndKeptPerControl)
{
    QLineEdit a;
    QLabel b;
    EXPECT_EQ(tag(&a), 0);
    setTag(&a, 4);
    setTag(&b, 10);
    EXPECT_EQ(tag(&a), 4);
    EXPECT_EQ(tag(&b), 10);
    EXPECT_EQ(tag(nullptr), 0);
}

class WindowWithPanels : public ::testing::Test {
protected:
    void SetUp() override
    {
        named<QLabel>(&window_, "Titolo");
        auto* scroll = named<QScrollArea>(&window_, "SB");
        auto* panel = named<QWidget>(nullptr, "Panel6");
        named<QLineEdit>(panel, "LMDdato1");
        named<QComboBox>(panel, "EB01")->addItems({"uno", "due"});
        named<QSpinBox>(panel, "Spinner");
        new QLabel(panel);  // unnamed: not a control
        scroll->setWidget(panel);
        named<QLineEdit>(&window_, "Risultato2");
        new platform::WavePlayer(QStringLiteral("nooo"), &window_);
    }
    QWidget window_;
};

TEST_F(WindowWithPanels, ControlsComeInTheWindowsOwnOrderWithoutInnerParts)
{
    QStringList names;
    for (QWidget* control : controlsInOrder(&window_))
        names.append(control->objectName());
    EXPECT_EQ(names, (QStringList{"Titolo", "SB", "Panel6", "LMDdato1", "EB01", "Spinner",
                                  "Risultato2"}));
}

TEST_F(WindowWithPanels, FindsAnyNamedPartIgnoringCase)
{
    EXPECT_EQ(findControl(&window_, "lmddato1")->objectName(), QStringLiteral("LMDdato1"));
    EXPECT_EQ(findControl(&window_, "PANEL6")->objectName(), QStringLiteral("Panel6"));
    EXPECT_TRUE(findControlAs<platform::WavePlayer>(&window_, "NOOO"));
    EXPECT_EQ(findControl(&window_, "qt_spinbox_lineedit"), nullptr);
    EXPECT_EQ(findControl(&window_, "B1"), nullptr);
    EXPECT_EQ(findControl(&window_, ""), nullptr);
    EXPECT_EQ(findControl(nullptr, "B1"), nullptr);
}

}  // namespace
}  // namespace quorvia
