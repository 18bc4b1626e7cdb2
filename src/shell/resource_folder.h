#pragma once
// Where the program finds its data files, and the lookups into that folder.

#include <QFont>
#include <QString>

namespace quorvia {

// The RISORSE folder beside the executable, ending with a separator.
QString applicationResourceFolder();
// `folder` made to end with a separator; empty stays empty.
QString withTrailingSeparator(const QString& folder);
// The existing file `name` in `folder`, found without regard to letter case;
// empty when there is none.
QString resourceFile(const QString& folder, const QString& name);

// The windows' typeface: Comic Sans MS where it is installed, Comic Neue
// (its free look-alike) elsewhere.
QFont comicFont(int pixelSize, bool bold = true);

}  // namespace quorvia
