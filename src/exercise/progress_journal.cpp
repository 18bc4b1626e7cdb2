// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/progress_journal.h"

#include "platform/dialogs.h"
#include "progress/progress_file.h"

#include <QApplication>
#include <QMetaObject>
#include <QPointer>

namespace quorvia {

ProgressJournal::ProgressJournal(const QString& folder, const QString& computer)
    : folder_(folder),
      computer_(computer.isEmpty() ? progress::hostName() : computer.toStdString())
{
    // One writer, so the records of a child reach the file in their order.
    writer_.setMaxThreadCount(1);
}

ProgressJournal::~ProgressJournal()
{
    waitForWrites();
}

void ProgressJournal::waitForWrites()
{
    writer_.waitForDone();
}

QString ProgressJournal::failureMessage(const QString& folder, const QString& reason)
{
    return QStringLiteral("I progressi dei bambini non si possono salvare nella cartella %1.\n%2\n"
                          "Si può continuare a lavorare: avvisa l'insegnante.")
        .arg(folder, reason);
}

void ProgressJournal::append(progress::ProgressRecord record)
{
    record.computer = computer_;
    const std::string folder = folder_.toStdString();
    writer_.start([this, folder, record = std::move(record)] {
        std::string error;
        if (!progress::appendRecord(folder, record, &error))
            warnOnce(QString::fromStdString(error));
    });
}

void ProgressJournal::warnOnce(const QString& reason)
{
    if (warned_.exchange(true))
        return;
    // The message box belongs to the windows' thread, over the window in use.
    const QString text = failureMessage(folder_, reason);
    QMetaObject::invokeMethod(qApp, [text] {
        platform::dialogs().showMessage(QApplication::activeModalWidget(), text);
    }, Qt::QueuedConnection);
}

}  // namespace quorvia
