// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wheel_to_arrows.h"

#include <QApplication>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace quorvia::platform {
namespace {

QWheelEvent wheel(QPoint angle, Qt::ScrollPhase phase = Qt::NoScrollPhase)
{
    return QWheelEvent(QPointF(5, 5), QPointF(5, 5), QPoint(), angle, Qt::NoButton,
                       Qt::NoModifier, phase, false);
}

TEST(WheelToArrows, AwayIsUpTowardsIsDownNoTurnIsNothing)
{
    EXPECT_EQ(WheelToArrows::arrowKeyFor(wheel({0, 120})), Qt::Key_Up);
    EXPECT_EQ(WheelToArrows::arrowKeyFor(wheel({0, 15})), Qt::Key_Up);
    EXPECT_EQ(WheelToArrows::arrowKeyFor(wheel({0, -120})), Qt::Key_Down);
    EXPECT_EQ(WheelToArrows::arrowKeyFor(wheel({120, 0})), 0);
    EXPECT_EQ(WheelToArrows::arrowKeyFor(wheel({0, 0}, Qt::ScrollEnd)), 0);
}

// Counts the wheel events that reach it.
class WheelCounter : public QSpinBox {
public:
    int wheels = 0;

protected:
    void wheelEvent(QWheelEvent* event) override
    {
        ++wheels;
        QSpinBox::wheelEvent(event);
    }
};

class WheelInWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        filter_ = WheelToArrows::installOnApplication();
        auto* layout = new QVBoxLayout(&window_);
        focused_ = new WheelCounter;
        under_mouse_ = new WheelCounter;
        layout->addWidget(focused_);
        layout->addWidget(under_mouse_);
        for (WheelCounter* box : {focused_, under_mouse_}) {
            box->setRange(0, 10);
            box->setValue(5);
        }
        window_.show();
        QApplication::setActiveWindow(&window_);
        focused_->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), focused_);
    }
    void TearDown() override { delete filter_; }

    WheelToArrows* filter_ = nullptr;
    QWidget window_;
    WheelCounter* focused_ = nullptr;
    WheelCounter* under_mouse_ = nullptr;
};

TEST_F(WheelInWindows, TheFocusedControlGetsArrowKeysAndNoWidgetSeesTheWheel)
{
    QWheelEvent away = wheel({0, 120});
    QCoreApplication::sendEvent(under_mouse_, &away);
    EXPECT_EQ(focused_->value(), 6);
    EXPECT_EQ(under_mouse_->value(), 5);

    QWheelEvent towards = wheel({0, -120});
    QCoreApplication::sendEvent(under_mouse_, &towards);
    QCoreApplication::sendEvent(focused_, &towards);
    EXPECT_EQ(focused_->value(), 4);

    QWheelEvent sideways = wheel({120, 0});
    QCoreApplication::sendEvent(focused_, &sideways);
    EXPECT_EQ(focused_->value(), 4);

    EXPECT_EQ(focused_->wheels, 0);
    EXPECT_EQ(under_mouse_->wheels, 0);
}

TEST_F(WheelInWindows, WithoutTheFilterTheWheelReachesTheWidget)
{
    delete filter_;
    filter_ = nullptr;
    QWheelEvent away = wheel({0, 120});
    QCoreApplication::sendEvent(under_mouse_, &away);
    EXPECT_EQ(under_mouse_->wheels, 1);
}

}  // namespace
}  // namespace quorvia::platform
