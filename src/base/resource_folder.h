// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program finds its data files, and the lookups into that folder.

#include <QString>
#include <QStringList>

namespace quorvia {

// A teacher points both programs at a folder of their own (a shared drive,
// a USB stick) with this option or this environment variable.
extern const QString kResourceOption;    // "--risorse"
extern const char kResourceVariable[];  // "QUORVIA_RISORSE"

// The RISORSE folder found from the folder of the executable: beside it (a
// build folder, a copied folder), else the installed data folder
// ../share/quorvia/RISORSE; beside it when neither exists. Absolute, ending
// with a separator.
QString installedResourceFolder(const QString& programFolder);
// The folder the teacher chose: `option` (the argument of --risorse) when
// given, else $QUORVIA_RISORSE when set; empty when neither.
QString chosenResourceFolder(const QString& option = QString());
// Why a folder is the one in force, as the teacher's area tells it.
enum class FolderSource {
    Option,    // --risorse on the command line
    Variable,  // QUORVIA_RISORSE
    Generale,  // a key of GENERALE.INI (CARTELLA_PROGRESSI)
    Default,   // beside the program, the installed one, the user's data folder
};
struct FolderInForce {
    QString folder;
    FolderSource source = FolderSource::Default;
};
// The RISORSE folder the programs use and why: the chosen one, made
// absolute, or the one found from the executable. Ends with a separator.
FolderInForce resourceFolderInForce(const QString& option = QString());
// The folder alone.
QString applicationResourceFolder(const QString& option = QString());
// Why `folder` cannot be read as a resource folder, in Italian; empty when
// it is an existing folder.
QString folderProblem(const QString& folder);

// "--risorse CARTELLA" or "--risorse=CARTELLA" at arguments[index]: true
// when the argument is that option, with `index` moved past its folder and
// `folder` set, or `error` set when the folder is missing or empty.
bool readResourceOption(const QStringList& arguments, int& index, QString& folder, QString& error);

// `folder` made to end with a separator; empty stays empty.
QString withTrailingSeparator(const QString& folder);
// The existing file `name` in `folder`, found without regard to letter case;
// empty when there is none.
QString resourceFile(const QString& folder, const QString& name);

}  // namespace quorvia
