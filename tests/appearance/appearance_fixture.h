// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window of the test's own with the controls the appearance settings know
// (labels, the problem text and its side panels), the main window's
// selection as a stand-in, and a resource folder of the test's own.

#include "appearance/appearance_editor.h"
#include "content/ini_file.h"
#include "platform/fakes.h"
#include "shell/main_window_services.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '[' << texts.join(QStringLiteral(" | ")).toStdString() << ']';
}
inline void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << colour.name().toStdString();
}

namespace quorvia::testing {

class Selection : public MainWindowServices {
public:
    QString name = QStringLiteral("Giulia");
    int mode = 2;
    int scheme = 1;
    int problem = 1;
    QString folder;

    QString childName() const override { return name; }
    void setProblemSpinner(int value) override { problem = value; }
    QString currentProblemFileName() const override { return QString(); }
    int problemSpinnerMaximum() const override { return 10; }
    int modeValue() const override { return mode; }
    int schemeValue() const override { return scheme; }
    int problemValue() const override { return problem; }
    QString resourceFolder() const override { return folder; }
};

inline const QColor kHeadingBack(0, 100, 0), kHeadingText(255, 255, 0);
inline const QColor kMemoBack(255, 253, 232);

// The controls as an exercise window has them, in their design look.
struct SmallWindow {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLabel* Titolo = add<QLabel>("Titolo");
    QLabel* Label1 = add<QLabel>("Label1");
    QFrame* LMDSimplePanel3 = add<QFrame>("LMDSimplePanel3");
    QPlainTextEdit* Memo1 = add<QPlainTextEdit>("Memo1");
    QFrame* LMDSimplePanel4 = add<QFrame>("LMDSimplePanel4");
    QLabel* Label7 = add<QLabel>("Label7");

    SmallWindow()
    {
        Label1->setText(QStringLiteral("Giulia: Leggi e segui le indicazioni"));
        Label7->setText(QStringLiteral("Riscrivi la domanda e poi ..."));
        paint(Label7, QPalette::Window, kHeadingBack);
        paint(Label7, QPalette::WindowText, kHeadingText);
        Label7->setAutoFillBackground(true);
        QFont heading(QStringLiteral("DejaVu Sans"));
        heading.setPixelSize(17);
        heading.setBold(true);
        Label7->setFont(heading);
        paint(Memo1, QPalette::Base, kMemoBack);
        QFont text(QStringLiteral("DejaVu Sans"));
        text.setPixelSize(18);
        Memo1->setFont(text);
        for (QFrame* panel : {LMDSimplePanel3, LMDSimplePanel4}) {
            paint(panel, QPalette::Window, kMemoBack);
            panel->setAutoFillBackground(true);
        }
    }

    template <class T>
    T* add(const char* name)
    {
        auto* w = new T(window.get());
        w->setObjectName(QLatin1String(name));
        return w;
    }
    static void paint(QWidget* w, QPalette::ColorRole role, const QColor& colour)
    {
        QPalette pal = w->palette();
        pal.setColor(role, colour);
        w->setPalette(pal);
    }
    static QColor colour(const QWidget* w, QPalette::ColorRole role) { return w->palette().color(role); }
};

class AppearanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        selection_.folder = QDir(dir_.path()).absolutePath() + QLatin1Char('/');
    }
    QString configurePath() const { return selection_.folder + QStringLiteral("CONFIGURE.INI"); }
    IniFile configure() const { return IniFile::read(configurePath().toStdString()); }
    // The keys of a section of CONFIGURE.INI in file order, with values.
    QStringList section(const std::string& name) const
    {
        const IniFile file = configure();
        QStringList lines;
        for (const std::string& key : file.keyNames(name))
            lines << QString::fromStdString(key + "=" + file.readString(name, key, ""));
        return lines;
    }
    // A window fresh from its design with the stored settings of the
    // current selection applied, as a new run of the program shows it.
    std::unique_ptr<SmallWindow> freshlyLoaded(appearance::AppearanceEditor& editor)
    {
        auto w = std::make_unique<SmallWindow>();
        editor.LOAD_COLORI(w->window.get());
        return w;
    }

    platform::ScopedFakeDialogs dialogs_;
    QTemporaryDir dir_;
    Selection selection_;
};

}  // namespace quorvia::testing
