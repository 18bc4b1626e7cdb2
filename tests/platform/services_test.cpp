// SPDX-License-Identifier: GPL-3.0-or-later
// The small services of the platform layer: desktop, sounds and the
// scripted dialogs other tests rely on.

#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/fakes.h"
#include "platform/sound.h"

#include "support/wave_fixture.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>

namespace quorvia::platform {
namespace {

class Desktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        setUrlOpener([this](const QUrl& url) {
            opened_.append(url);
            return true;
        });
    }
    void TearDown() override { setUrlOpener({}); }
    QList<QUrl> opened_;
};

TEST_F(Desktop, OpensExistingDocumentsAndWebPages)
{
    QTemporaryDir dir;
    const QString help = dir.filePath("Help.pdf");
    ASSERT_TRUE(testing::writeFile(help, "%PDF-1.4"));
    EXPECT_TRUE(openDocument(help));
    EXPECT_FALSE(openDocument(dir.filePath("Manca.pdf")));
    EXPECT_TRUE(openWebPage(QUrl("https://quorvia.example/")));
    ASSERT_EQ(opened_.size(), 2);
    EXPECT_EQ(opened_[0], QUrl::fromLocalFile(help));
    EXPECT_EQ(opened_[1], QUrl("https://quorvia.example/"));
}

// A stand-in xdg-open first on the PATH, answering with `status` as the
// real one does when no viewer takes the file.
class FakeXdgOpen {
public:
    explicit FakeXdgOpen(int status) : saved_path_(qgetenv("PATH"))
    {
        const QString script = dir_.filePath("xdg-open");
        testing::writeFile(script, QStringLiteral("#!/bin/sh\necho \"$1\" > \"%1\"\n"
                                                  "[ %2 -eq 0 ] || echo 'xdg-open: no method available' >&2\n"
                                                  "exit %2\n")
                                       .arg(dir_.filePath("opened"))
                                       .arg(status)
                                       .toUtf8());
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", dir_.path().toUtf8() + ':' + saved_path_);
    }
    ~FakeXdgOpen() { qputenv("PATH", saved_path_); }
    QString opened() const
    {
        QFile file(dir_.filePath("opened"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
    }

private:
    QTemporaryDir dir_;
    QByteArray saved_path_;
};

// Until `done` or the time is up, the events of the process delivered.
bool waitFor(const std::function<bool()>& done, int milliseconds = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

TEST(DesktopOpener, XdgOpenThatFindsNoViewerIsToldAfterwards)
{
    QTemporaryDir dir;
    const QString help = dir.filePath("Help.pdf");
    ASSERT_TRUE(testing::writeFile(help, "%PDF-1.4"));
    for (const int status : {3, 0}) {
        SCOPED_TRACE(status);
        FakeXdgOpen xdgOpen(status);
        QObject context;
        int refused = 0;
        EXPECT_TRUE(openDocument(help, &context, [&refused] { ++refused; }));
        ASSERT_TRUE(waitFor([&] { return !xdgOpen.opened().isEmpty(); }));
        EXPECT_EQ(xdgOpen.opened(), QFileInfo(help).absoluteFilePath());
        // The answer comes when xdg-open ends; a viewer found says nothing.
        waitFor([&] { return refused > 0; }, status == 0 ? 500 : 5000);
        EXPECT_EQ(refused, status == 0 ? 0 : 1);
    }
}

// Qt's own file dialog sizes its columns for English headers; in Italian
// "Dimensione" was cut.
TEST(FileDialogColumns, EveryHeaderShowsWhole)
{
    QTemporaryDir dir;
    QFileDialog dialog(nullptr, QStringLiteral("Salva"), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.show();
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(view, nullptr);
    QHeaderView* header = view->header();
    for (int section = 1; section < header->count(); ++section)
        header->resizeSection(section, 10);
    fitFileDialogColumns(dialog);
    const QFontMetrics metrics(header->font());
    for (int section = 1; section < header->count(); ++section) {
        const QString words = view->model()->headerData(section, Qt::Horizontal).toString();
        EXPECT_GT(header->sectionSize(section), metrics.horizontalAdvance(words)) << words.toStdString();
    }
}

TEST(WavePlayer, NamedRequestsReachTheServiceWithTheWave)
{
    ScopedFakeSound sound;
    QTemporaryDir dir;
    const QByteArray wave = testing::makeWave();
    ASSERT_TRUE(testing::writeFile(dir.filePath("nooo.wav"), wave));

    WavePlayer player(QStringLiteral("nooo"));
    EXPECT_FALSE(player.loadFile(dir.filePath("missing.wav")));
    EXPECT_TRUE(player.isEmpty());
    player.play();  // an empty player still asks: the window wanted the sound
    ASSERT_TRUE(player.loadFile(dir.filePath("nooo.wav")));
    player.play();
    player.playLoop();
    player.stop();

    ASSERT_EQ(sound->calls().size(), 4);
    using Kind = RecordingSoundService::Kind;
    EXPECT_EQ(sound->calls()[0].kind, Kind::Once);
    EXPECT_TRUE(sound->calls()[0].wave.isEmpty());
    EXPECT_EQ(sound->calls()[1].kind, Kind::Once);
    EXPECT_EQ(sound->calls()[1].wave, wave);
    EXPECT_EQ(sound->calls()[2].kind, Kind::Loop);
    EXPECT_EQ(sound->calls()[3].kind, Kind::Stop);
    EXPECT_TRUE(sound->wasPlayed(QStringLiteral("nooo")));
    EXPECT_FALSE(sound->wasPlayed(QStringLiteral("bravo")));
}

// The exercise windows load the same sounds at every opening: the players
// share one copy of a file's bytes, and a file that changed is read again.
TEST(WavePlayer, PlayersOfOneFileShareItsBytesUntilItChanges)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bravo.wav");
    const QByteArray first = testing::makeWaveOfSeconds(0.1);
    ASSERT_TRUE(testing::writeFile(path, first));

    WavePlayer one(QStringLiteral("bravo"));
    WavePlayer other(QStringLiteral("bravo"));
    ASSERT_TRUE(one.loadFile(path));
    ASSERT_TRUE(other.loadFile(path));
    EXPECT_EQ(other.wave(), first);
    EXPECT_EQ(other.wave().constData(), one.wave().constData());

    // Rewritten with the same length, as an editor saving a sound does; the
    // time of the change tells.
    QByteArray second = first;
    second[second.size() - 1] = char(0x7F);
    ASSERT_TRUE(testing::writeFile(path, second));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    WavePlayer later(QStringLiteral("bravo"));
    ASSERT_TRUE(later.loadFile(path));
    EXPECT_EQ(later.wave(), second);
    EXPECT_EQ(one.wave(), first);  // what a player holds stays until it loads again

    ASSERT_TRUE(QFile::remove(path));
    WavePlayer gone(QStringLiteral("bravo"));
    EXPECT_FALSE(gone.loadFile(path));
    EXPECT_TRUE(gone.isEmpty());
}

TEST(RealSoundService, NeverFailsOrWaitsWhateverItIsGiven)
{
    // Without an output device (CI) every request is silent; with one the
    // good wave plays briefly. Either way nothing breaks, and no request
    // waits for its sound: a loop that held the caller would never return.
    SoundService& real = soundService();
    QElapsedTimer clock;
    clock.start();
    real.playOnce(testing::makeWave());
    real.playLoop(testing::makeWave());
    real.playOnce(QByteArray("RIFF garbage"));
    real.playOnce(QByteArray());
    real.stopAll();
    real.stopAll();
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST(ScriptedDialogs, EmptyQueueAnswersNoAndCancels)
{
    ScopedFakeDialogs fake;
    Dialogs& d = dialogs();
    EXPECT_FALSE(d.askYesNo(nullptr, "Vuoi uscire?"));
    EXPECT_FALSE(d.inputText(nullptr, "Input Box", "Prompt", "x"));
    EXPECT_TRUE(d.openFileName(nullptr, "Apri", "", "Schede (*.ini)").isEmpty());
    EXPECT_FALSE(d.chooseColor(nullptr, Qt::red));
    EXPECT_FALSE(d.chooseFont(nullptr, QFont()));

    fake->setNextYesNo(true);
    fake->setNextInput(QStringLiteral("nuovo"));
    EXPECT_TRUE(d.askYesNo(nullptr, "Vuoi uscire?"));
    EXPECT_EQ(d.inputText(nullptr, "Input Box", "Prompt", "x"), QStringLiteral("nuovo"));
    EXPECT_EQ(fake->questions().size(), 2);
    EXPECT_EQ(fake->inputPrompts(), (QStringList{"Prompt", "Prompt"}));
}

}  // namespace
}  // namespace quorvia::platform
