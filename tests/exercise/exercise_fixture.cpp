// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise_fixture.h"

#include "content/ini_file.h"

#include <QFile>
#include <QImage>

namespace quorvia::testing {

namespace {

// The smallest animation Qt reads: one transparent pixel.
const unsigned char kTinyGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xFF, 0xFF,
    0xFF, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00,
    0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};

}  // namespace

void ExerciseFixture::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    folder_ = dir_.path() + QLatin1Char('/');
    main_.folder = folder_;
    for (const QString& file : {kAdvancedFile, kBeginnerFile})
        addTestFile(file);
}

std::unique_ptr<ExerciseWindow> ExerciseFixture::open(Mode mode, int problem, int count,
                                                      const QString& file)
{
    auto window = std::make_unique<ExerciseWindow>(scheme3Description(), mode, &main_);
    ExerciseLaunch launch;
    launch.resource_folder = folder_;
    launch.problem_file_name =
        file.isEmpty() ? (mode == Mode::Advanced ? kAdvancedFile : kBeginnerFile) : file;
    launch.current_problem = problem;
    launch.problem_count = count;
    launch.scheme_code = 3;
    start(*window, launch);
    return window;
}

void ExerciseFixture::addGif(const QString& name)
{
    QFile f(folder_ + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(kTinyGif), sizeof kTinyGif);
}

void ExerciseFixture::addPicture(const QString& name, const QColor& colour)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(folder_ + name));
}

void ExerciseFixture::addTestFile(const QString& file)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVIA_TEST_DATA "/") + file, folder_ + file))
        << file.toStdString();
}

ProblemContent ExerciseFixture::problemIn(const QString& file, int problem, Scheme scheme) const
{
    return readProblem(IniFile::read((folder_ + file).toStdString()), problem, scheme);
}

int ExerciseFixture::stepOfList(const char* list)
{
    return QString::fromLatin1(list).mid(3).toInt();
}

void ExerciseFixture::expectListHoldsItsSentences(ExerciseWindow& w, const char* list, const QString& right)
{
    auto* box = find<QComboBox>(w, QLatin1String(list));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 5) << list;
    EXPECT_EQ(box->currentIndex(), -1) << list;
    const int position = rightPosition(w, QLatin1String(list), right);
    EXPECT_GE(position, 1) << list;
    EXPECT_EQ(w.state().correct_items[stepOfList(list) - 1], QString::number(position)) << list;
}

}  // namespace quorvia::testing
