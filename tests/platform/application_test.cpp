// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/application.h"
#include "platform/fakes.h"

#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <stdexcept>

namespace quorvia::platform {
namespace {

// A handler that does part of its work and then fails, as a handler does
// when a formula part is not a number.
class FailingLabel : public QLabel {
protected:
    void mousePressEvent(QMouseEvent*) override
    {
        setText(QStringLiteral("prima parte"));
        throw std::runtime_error("'3,x' is not a valid floating point value");
    }
};

TEST(GeneralErrorHandler, ShowsTheTextAndTheWindowStaysWithWhatWasDone)
{
    ASSERT_TRUE(qobject_cast<Application*>(QCoreApplication::instance()));
    ScopedFakeDialogs dialogs;
    FailingLabel window;
    window.show();

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &press);

    EXPECT_EQ(dialogs->messages(),
              QStringList{QStringLiteral("'3,x' is not a valid floating point value")});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.text(), QStringLiteral("prima parte"));

    // The program goes on: the next event is handled normally.
    QCoreApplication::sendEvent(&window, &press);
    EXPECT_EQ(dialogs->messages().size(), 2);
}

class ThrowsAnything : public QObject {
public:
    bool event(QEvent*) override { throw 42; }
};

TEST(GeneralErrorHandler, ExceptionsOfNoKnownTypeAreShownToo)
{
    ScopedFakeDialogs dialogs;
    ThrowsAnything object;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &event));
    EXPECT_EQ(dialogs->messages().size(), 1);
}

}  // namespace
}  // namespace quorvia::platform
