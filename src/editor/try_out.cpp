// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/try_out.h"

#include "check/folder_check.h"
#include "content/generale_keys.h"
#include "content/resource_path.h"
#include "editor/problem_document.h"
#include "exercise/exercise_window.h"
#include "exercise/exercise_windows.h"
#include "shell/main_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace quorvia::editor {

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

bool writeBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

}  // namespace

TryOutFolder::TryOutFolder(const ProblemDocument& document)
{
    if (!dir_.isValid()) {
        error_ = QStringLiteral("non si riesce a preparare una cartella per la prova: %1").arg(dir_.errorString());
        return;
    }
    const QString target = path();
    const QString generale = QFileInfo(q(document.generalePath())).fileName();
    const QString problems = q(document.fileName());
    QDir().mkpath(QFileInfo(target + problems).absolutePath());
    if (!writeBytes(target + generale, document.generale().serialize()) ||
        !writeBytes(target + problems, document.problems().serialize())) {
        error_ = QStringLiteral("non si riesce a scrivere i file della prova in %1").arg(target);
        return;
    }
    // The pictures are copied, so the check does not take them for files
    // outside the folder; the rest (sounds, animations) is only linked.
    QSet<QString> pictures;
    for (int n = 1; n <= document.count(); ++n) {
        const std::string found = findResourceFile(document.folder(), document.value(n, "JPG_PROBLEMA"));
        if (!document.value(n, "JPG_PROBLEMA").empty() && !found.empty())
            pictures.insert(QFileInfo(q(found)).canonicalFilePath());
    }
    const QDir source(q(document.folder()));
    const QString problemsFound = QFileInfo(q(document.problemPath())).fileName();
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString name = entry.fileName();
        if (name == generale || name == problemsFound || QFileInfo::exists(target + name))
            continue;
        if (entry.isFile() && pictures.contains(entry.canonicalFilePath())) {
            QFile::copy(entry.absoluteFilePath(), target + name);
        } else if (!QFile::link(entry.absoluteFilePath(), target + name) && entry.isFile()) {
            QFile::copy(entry.absoluteFilePath(), target + name);
        }
    }
    ok_ = true;
}

QString TryOutFolder::path() const
{
    return QDir(dir_.path()).absolutePath() + QLatin1Char('/');
}

TryOut::TryOut(const ProblemDocument& document, int problem)
    : folder_(std::make_unique<TryOutFolder>(document))
{
    if (!folder_->ok()) {
        error_ = folder_->error();
        return;
    }
    // The program's main window, never shown, serves the exercise window as
    // it does in the program; no hooks are given, so nothing is recorded.
    main_ = std::make_unique<TForm1>(folder_->path());
    window_ = createExerciseWindow(document.scheme(), document.mode(), main_.get(), main_.get());
    if (!window_) {
        error_ = QStringLiteral("questa versione di Quorvia non ha la finestra di questo schema");
        return;
    }
    main_->LOAD_WAV_GIF(window_);
    ExerciseLaunch launch;
    launch.resource_folder = folder_->path();
    launch.problem_file_name = q(document.fileName());
    launch.current_problem = problem;
    launch.problem_count = document.count();
    launch.scheme_code = schemeCode(document.scheme());
    window_->setLaunch(launch);
    window_->resize(800, 600);
    window_->setWindowModality(Qt::ApplicationModal);
    window_->setWindowTitle(window_->windowTitle() + QStringLiteral(" — prova dell'insegnante"));
    window_->show();
}

TryOut::~TryOut()
{
    if (window_)
        window_->hide();
    // The window is a child of the main window and goes with it.
    main_.reset();
}

check::ProblemReport selfPlay(const ProblemDocument& document, int problem, char localeSeparator)
{
    TryOutFolder folder(document);
    if (!folder.ok()) {
        check::ProblemReport report;
        report.number = problem;
        report.findings.push_back({check::Severity::Error, "try-out-folder", document.fileName(), 0,
                                   folder.error().toStdString()});
        return report;
    }
    return check::checkOneProblem(folder.path(), localeSeparator, document.mode(), document.scheme(),
                                  document.fileName(), problem, document.count());
}

}  // namespace quorvia::editor
