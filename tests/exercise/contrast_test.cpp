// SPDX-License-Identifier: GPL-3.0-or-later
// Every text a child reads stands out from what is behind it: the text's
// colour against the colours the window paints under it, as drawn with the
// bundled resources (and so their CONFIGURE.INI), in the main window, the
// score window and the eight exercise windows.

#include "base/resource_folder.h"
#include "exercise/exercise_window.h"
#include "exercise/exercise_windows.h"
#include "shell/main_window.h"
#include "shell/main_window_services.h"
#include "shell/score_window.h"
#include "widgets/contrast.h"

#include "platform/fakes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

#include <memory>

namespace quorvia::testing {
namespace {

TEST(Contrast, RatiosOfKnownPairs)
{
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Qt::white, QColor(255, 0, 0)), 4.0, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(0, 128, 0), QColor(239, 239, 239)), 4.47, 0.01);
    QFont font;
    font.setPixelSize(24);
    EXPECT_EQ(requiredTextContrast(font), 3.0);  // 18 pt
    font.setPixelSize(19);
    EXPECT_EQ(requiredTextContrast(font), 4.5);
    font.setBold(true);
    EXPECT_EQ(requiredTextContrast(font), 3.0);  // 14 pt bold
}

// The colour most of an image is painted in.
QColor dominant(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000u];
    }
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    }
    return QColor::fromRgb(best);
}

// What is behind a widget's text: its own fill, or what its parent paints
// there without it, along its top and bottom rows (a gradient changes down
// the window) and over the whole.
QList<QColor> backgroundsOf(QWidget* w)
{
    if (w->autoFillBackground())
        return {w->palette().color(w->backgroundRole())};
    QWidget* parent = w->parentWidget();
    const bool visible = w->isVisible();
    w->hide();
    const QImage under = parent->grab(w->geometry()).toImage();
    w->setVisible(visible);
    if (under.isNull() || under.width() == 0 || under.height() == 0)
        return {};
    const int rows = std::max(1, under.height() / 4);
    return {dominant(under), dominant(under.copy(0, 0, under.width(), rows)),
            dominant(under.copy(0, under.height() - rows, under.width(), rows))};
}

// Every text shown whose colour falls short against what is behind it.
QStringList lowContrastTexts(QWidget& window)
{
    window.resize(window.size());
    window.show();
    QApplication::processEvents();
    QStringList low;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull() && !label->movie())
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        // A control that cannot be used (a closed step's button) is no text to read.
        if (text.trimmed().isEmpty() || !w->isVisibleTo(&window) || !w->isEnabled() || w->window() != &window ||
            w->width() < 4 || w->height() < 4)
            continue;
        const QColor ink = w->palette().color(w->foregroundRole());
        const double needed = requiredTextContrast(w->font());
        for (const QColor& behind : backgroundsOf(w)) {
            const double ratio = contrastRatio(ink, behind);
            if (ratio + 1e-6 < needed) {
                low << QStringLiteral("%1 \"%2\": %3 on %4 = %5")
                           .arg(w->objectName(), text.left(20), ink.name(), behind.name())
                           .arg(ratio, 0, 'f', 2);
                break;
            }
        }
    }
    return low;
}

class NoMainWindow : public MainWindowServices {
public:
    QString childName() const override { return QStringLiteral("Giulia"); }
    void setProblemSpinner(int) override {}
    QString currentProblemFileName() const override { return QString(); }
    int problemSpinnerMaximum() const override { return 1; }
    int modeValue() const override { return 1; }
    int schemeValue() const override { return 1; }
    int problemValue() const override { return 1; }
    QString resourceFolder() const override { return applicationResourceFolder(); }
};

class DesignedColours : public ::testing::Test {
protected:
    platform::ScopedFakeDialogs dialogs_;
    platform::ScopedFakeSound sound_;
};

TEST_F(DesignedColours, MainAndScoreWindowsTextsReadWell)
{
    TForm1 main;
    EXPECT_EQ(lowContrastTexts(main), QStringList());
    TForm3 score;
    EXPECT_EQ(lowContrastTexts(score), QStringList());
}

TEST_F(DesignedColours, ExerciseWindowsTextsReadWell)
{
    NoMainWindow main;
    for (Scheme scheme : {Scheme::S3, Scheme::S4a, Scheme::S4b, Scheme::S5}) {
        for (Mode mode : {Mode::Advanced, Mode::Beginner}) {
            std::unique_ptr<ExerciseWindow> w(createExerciseWindow(scheme, mode, &main));
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(lowContrastTexts(*w), QStringList()) << schemeCode(scheme) << int(mode);
        }
    }
}

}  // namespace
}  // namespace quorvia::testing
