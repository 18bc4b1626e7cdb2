// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/class_tab.h"

#include <QDir>
#include <QLabel>

namespace quorvia::teacher {

namespace {

// Stands where the class view goes until it is there.
class ClassTabPlaceholder : public QLabel {
    Q_OBJECT
public:
    ClassTabPlaceholder(const QString& progressFolder, QWidget* parent) : QLabel(parent)
    {
        setObjectName(QStringLiteral("classTab"));
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setFocusPolicy(Qt::StrongFocus);
        setProgressFolder(progressFolder);
    }

public slots:
    void setProgressFolder(const QString& folder)
    {
        folder_ = folder;
        setText(QStringLiteral("I progressi della classe si leggono dalla cartella\n%1")
                    .arg(QDir::toNativeSeparators(folder)));
        setAccessibleName(text());
    }

private:
    QString folder_;
};

}  // namespace

QWidget* makeClassTab(const QString& /*resourceFolder*/, const QString& progressFolder, QWidget* parent)
{
    return new ClassTabPlaceholder(progressFolder, parent);
}

}  // namespace quorvia::teacher

#include "class_tab.moc"
