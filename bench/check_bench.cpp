// SPDX-License-Identifier: GPL-3.0-or-later
// What quorvia-check costs a teacher for each problem of a folder: the
// program itself, started as a teacher starts it, on the bundled folder
// grown to 20 problems a file (160) and cut to 2 a file (16). The two runs
// of a pair follow each other, so the difference leaves out what any run
// pays once (Qt's start, the windows, the media check) and the machine's
// load of the moment weighs on both alike. The time is the CPU the program
// used, its own and the system's for it.

#include "check_bench.h"

#include "bench_table.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quorvia::bench {
namespace {

constexpr int kLarge = 20;  // problems a file: 8 files, 160 problems
constexpr int kSmall = 2;   // 16 problems
constexpr int kPairs = 5;

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "%s\n", qPrintable(why));
    std::exit(1);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read ") + path);
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write ") + path);
}

// A problem file with exactly `count` problems: its own, in turn, numbered on.
QByteArray problemsOf(const QByteArray& bundled, int count)
{
    const QRegularExpression header(QStringLiteral(R"(^\[PROBLEMA_\d+\][^\n]*\n)"),
                                    QRegularExpression::MultilineOption);
    const QString text = QString::fromUtf8(bundled);
    QList<qsizetype> starts;
    for (auto it = header.globalMatch(text); it.hasNext();)
        starts.append(it.next().capturedStart());
    if (starts.isEmpty())
        fail(QStringLiteral("bundled file without problems"));
    QString out = text.left(starts.first());
    for (int n = 1; n <= count; ++n) {
        const int k = (n - 1) % static_cast<int>(starts.size());
        const qsizetype begin = starts[k];
        const qsizetype end = k + 1 < starts.size() ? starts[k + 1] : text.size();
        QString block = text.mid(begin, end - begin);
        block.replace(header, QStringLiteral("[PROBLEMA_%1]\n").arg(n));
        if (!block.endsWith(QLatin1Char('\n')))
            block += QLatin1Char('\n');
        out += block;
    }
    return out.toUtf8();
}

// The bundled folder with `count` problems in each of its problem files.
void makeFolder(const QString& from, const QString& to, int count)
{
    QDir().mkpath(to);
    const QRegularExpression problemFile(QStringLiteral("^[AP]_SCHEMA.*\\.INI$"));
    for (const QString& name : QDir(from).entryList(QDir::Files)) {
        QByteArray bytes = readAll(from + QLatin1Char('/') + name);
        if (problemFile.match(name).hasMatch()) {
            bytes = problemsOf(bytes, count);
        } else if (name == QLatin1String("GENERALE.INI")) {
            QString text = QString::fromUtf8(bytes);
            text.replace(QRegularExpression(QStringLiteral(R"(^MAX(\d+)=\d+)"), QRegularExpression::MultilineOption),
                         QStringLiteral("MAX\\1=%1").arg(count));
            bytes = text.toUtf8();
        }
        writeAll(to + QLatin1Char('/') + name, bytes);
    }
}

// CPU seconds (user and system) of one run of quorvia-check on the folder:
// on a machine shared with other work the wall-clock time says more about
// the others than about the check.
double checkSeconds(const QString& folder, int problems, const QString& outputFile)
{
    const QByteArray program = QUORVIA_CHECK_PROGRAM;
    const QByteArray where = folder.toLocal8Bit();
    const QByteArray output = outputFile.toLocal8Bit();
    char* const arguments[] = {const_cast<char*>(program.constData()), const_cast<char*>(where.constData()),
                               nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t child = 0;
    const int started = posix_spawn(&child, program.constData(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        fail(QStringLiteral("cannot start ") + QString::fromLocal8Bit(program));
    int status = 0;
    struct rusage usage {};
    if (wait4(child, &status, 0, &usage) != child)
        fail(QStringLiteral("lost quorvia-check"));
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    // A folder the check could not solve in full would time something else.
    const QByteArray text = readAll(outputFile);
    const QByteArray solved = QByteArray::number(problems) + " si possono finire";
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !text.contains(solved))
        fail(QStringLiteral("quorvia-check failed on %1:\n%2").arg(folder, QString::fromUtf8(text)));
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

void addCheckBenchmarks()
{
    static QTemporaryDir scratch;
    if (!scratch.isValid())
        fail(QStringLiteral("no temporary folder"));
    const QString large = scratch.filePath(QStringLiteral("large"));
    const QString small = scratch.filePath(QStringLiteral("small"));
    makeFolder(QStringLiteral(QUORVIA_BUNDLED_RESOURCES), large, kLarge);
    makeFolder(QStringLiteral(QUORVIA_BUNDLED_RESOURCES), small, kSmall);

    const std::string row = "quorvia-check: cost per solved problem, 160-problem folder against 16 (" +
                            std::to_string(kPairs) + " pairs, median)";
    const QString output = scratch.filePath(QStringLiteral("output.txt"));
    add(row, [large, small, output](benchmark::State& state) {
        constexpr int extra = 8 * (kLarge - kSmall);
        for (auto _ : state) {
            std::vector<double> perProblem;
            for (int pair = 0; pair < kPairs; ++pair) {
                const double few = checkSeconds(small, 8 * kSmall, output);
                const double many = checkSeconds(large, 8 * kLarge, output);
                perProblem.push_back((many - few) / extra);
            }
            std::sort(perProblem.begin(), perProblem.end());
            state.counters["value"] = perProblem[perProblem.size() / 2] * 1e3;
        }
        state.SetLabel("ms of CPU a problem");
    })->Iterations(1)->Repetitions(1);
    setTarget(row, {TargetKind::MaxValue, 5.0});
}

}  // namespace quorvia::bench
