// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/child_path_panel.h"

#include "base/resource_folder.h"
#include "content/ini_file.h"
#include "progress/progress_folder.h"
#include "shell/comic_font.h"
#include "shell/exercise_slot.h"
#include "shell/main_window.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStringListModel>
#include <QTimer>

#include <ctime>

namespace quorvia {

namespace {

using progress::Mark;

// Where the panel sits in the main window's client area: under the name
// box, where the designed window has only its background.
const QRect kPanelPlace(352, 388, 426, 124);
// How long the name box waits after the last key before reading.
constexpr int kTypingPause = 300;

// A symbol per state, so that the marks do not speak by colour alone.
struct MarkLook {
    Mark mark;
    const char* symbol;
    QColor colour;
    const char* words;
};
const MarkLook kMarkLooks[] = {
    {Mark::SolvedAlone, "★", QColor(255, 215, 0), "risolto da solo"},
    {Mark::SolvedWithSolution, "◐", QColor(255, 255, 255), "risolto con la soluzione"},
    {Mark::Left, "○", QColor(255, 255, 255), "lasciato"},
    {Mark::NotTried, "·", QColor(255, 255, 255), "da fare"},
};

const MarkLook& lookOf(Mark mark)
{
    for (const MarkLook& look : kMarkLooks) {
        if (look.mark == mark)
            return look;
    }
    return kMarkLooks[3];
}

Mode modeOfSpinner(int value)
{
    return value == 1 ? Mode::Beginner : Mode::Advanced;
}

int schemeIndex(Scheme scheme)
{
    for (std::size_t i = 0; i < kAllSchemes.size(); ++i) {
        if (kAllSchemes[i] == scheme)
            return static_cast<int>(i) + 1;
    }
    return 1;
}

void setWhiteText(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(palette);
}

}  // namespace

// One cell per problem: its symbol above its number; the problem the
// spinner shows is framed.
class PathMarks : public QWidget {
public:
    explicit PathMarks(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("SegniPercorso"));
    }

    void setMarks(std::vector<Mark> marks, int current)
    {
        marks_ = std::move(marks);
        current_ = current;
        QStringList words;
        for (std::size_t i = 0; i < marks_.size(); ++i)
            words << QStringLiteral("%1 %2").arg(i + 1).arg(QString::fromUtf8(lookOf(marks_[i]).words));
        setAccessibleName(QStringLiteral("I tuoi problemi"));
        setAccessibleDescription(words.join(QStringLiteral(", ")));
        setToolTip(QStringLiteral("★ risolto da solo   ◐ con la soluzione   ○ lasciato   · da fare"));
        update();
    }
    const std::vector<Mark>& marks() const { return marks_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (marks_.empty())
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const int cell = std::min(21, width() / static_cast<int>(marks_.size()));
        QFont symbolFont(QStringLiteral("DejaVu Sans"));
        symbolFont.setPixelSize(16);
        const QFont numberFont = comicFont(10, false);
        for (std::size_t i = 0; i < marks_.size(); ++i) {
            const QRect box(static_cast<int>(i) * cell, 0, cell - 1, height() - 1);
            if (static_cast<int>(i) + 1 == current_) {
                painter.setPen(QPen(Qt::white, 2));
                painter.drawRoundedRect(box.adjusted(1, 1, -1, -1), 4, 4);
            }
            const MarkLook& look = lookOf(marks_[i]);
            painter.setPen(look.colour);
            painter.setFont(symbolFont);
            painter.drawText(box.adjusted(0, 1, 0, -box.height() / 2 + 2), Qt::AlignCenter, QString::fromUtf8(look.symbol));
            painter.setPen(Qt::white);
            painter.setFont(numberFont);
            painter.drawText(box.adjusted(0, box.height() / 2, 0, -1), Qt::AlignCenter, QString::number(i + 1));
        }
    }

private:
    std::vector<Mark> marks_;
    int current_ = 0;
};

struct ChildPathPanel::Reading {
    int id = 0;
    QString key;  // the child read, as childKey gives it
    progress::ChildRecords records;
    progress::CivilDate today;
    bool with_names = false;
    std::vector<std::string> names;
};

ChildPathPanel::ChildPathPanel(TForm1& main, QWidget* client, const QString& progressFolder)
    : QWidget(client), main_(main), folder_(progressFolder),
      today_([] { return progress::localDate(std::time(nullptr)); })
{
    setObjectName(QStringLiteral("Percorso"));
    setGeometry(kPanelPlace);
    hide();
    reader_.setMaxThreadCount(1);
    enabled_ = progress::childPathEnabled(main.resourceFolder().toStdString());

    name_box_ = client->findChild<QLineEdit*>(QStringLiteral("LMDEdit1"));
    mode_ = client->findChild<QSpinBox*>(QStringLiteral("LMDstato"));
    scheme_ = client->findChild<QSpinBox*>(QStringLiteral("SPLivello"));
    problem_ = client->findChild<QSpinBox*>(QStringLiteral("SPProblema"));

    marks_ = new PathMarks(this);
    marks_->setGeometry(0, 0, width(), 40);
    solved_ = new QLabel(this);
    solved_->setObjectName(QStringLiteral("RisoltiDaSolo"));
    solved_->setFont(comicFont(16));
    solved_->setGeometry(0, 44, width(), 26);
    review_ = new QLabel(this);
    review_->setObjectName(QStringLiteral("DaRipassare"));
    review_->setFont(comicFont(16));
    review_->setGeometry(0, 82, 310, 36);
    review_button_ = new QPushButton(QStringLiteral("Ripassa"), this);
    review_button_->setObjectName(QStringLiteral("Ripassa"));
    review_button_->setFont(comicFont(16));
    review_button_->setCursor(Qt::PointingHandCursor);
    review_button_->setGeometry(316, 82, 104, 36);
    review_button_->installEventFilter(this);
    for (QWidget* w : {static_cast<QWidget*>(solved_), static_cast<QWidget*>(review_)})
        setWhiteText(w);
    connect(review_button_, &QPushButton::clicked, this, &ChildPathPanel::startReview);

    const IniFile ini = IniFile::read(resourceFile(main.resourceFolder(), QStringLiteral("GENERALE.INI")).toStdString());
    for (Mode mode : {Mode::Beginner, Mode::Advanced}) {
        const char* section = mode == Mode::Beginner ? "PRINCIPIANTE" : "AVANZATO";
        for (int n = 1; n <= 4; ++n) {
            const std::string file = ini.readString(section, "INI_FILE" + std::to_string(n), "");
            const int count = std::clamp(ini.readInteger(section, "MAX" + std::to_string(n), 1), 1, kMaxProblems);
            if (!file.empty())
                offered_.push_back({mode, kAllSchemes[static_cast<std::size_t>(n - 1)], file, count});
        }
    }

    if (name_box_) {
        names_ = new QStringListModel(this);
        completer_ = new QCompleter(names_, this);
        completer_->setCaseSensitivity(Qt::CaseInsensitive);
        completer_->setCompletionMode(QCompleter::PopupCompletion);
        completer_->popup()->setFont(comicFont(18));
        name_box_->setCompleter(completer_);
        typing_ = new QTimer(this);
        typing_->setSingleShot(true);
        typing_->setInterval(kTypingPause);
        connect(typing_, &QTimer::timeout, this, [this] { askReading(false); });
        connect(name_box_, &QLineEdit::textChanged, typing_, qOverload<>(&QTimer::start));
    }
    // After the main window's own handlers, which put the problem back to 1.
    if (mode_ && scheme_ && problem_) {
        connect(mode_, qOverload<int>(&QSpinBox::valueChanged), this, [this] { showPath(); applyStartingProblem(); });
        connect(scheme_, qOverload<int>(&QSpinBox::valueChanged), this, [this] { showPath(); applyStartingProblem(); });
        connect(problem_, qOverload<int>(&QSpinBox::valueChanged), this, [this] { showPath(); });
    }
    // Back from an exercise the records have grown.
    main.installEventFilter(this);
    askReading(true);
}

ChildPathPanel::~ChildPathPanel()
{
    reader_.waitForDone();
}

bool ChildPathPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &main_ && event->type() == QEvent::Show && !reviewing_)
        askReading(true);
    if (watched == review_button_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            review_button_->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChildPathPanel::refresh()
{
    askReading(true);
}

void ChildPathPanel::askReading(bool withNames)
{
    if (folder_.isEmpty() || (!enabled_ && !withNames))
        return;
    const int id = ++asked_;
    const std::string folder = folder_.toStdString();
    const std::string name = name_box_ && enabled_ ? name_box_->text().toStdString() : std::string();
    QPointer<ChildPathPanel> self(this);
    const std::function<void()> before = before_reading_;
    const std::function<progress::CivilDate()> today = today_;
    reader_.start([self, id, folder, name, withNames, before, today] {
        if (before)
            before();
        Reading reading;
        reading.id = id;
        reading.key = QString::fromStdString(progress::childKey(name));
        reading.records = progress::readChildRecords(folder, name);
        reading.today = today();
        reading.with_names = withNames;
        if (withNames)
            reading.names = progress::knownChildNames(folder);
        // Queued to the panel's thread; dropped when the panel is gone.
        QMetaObject::invokeMethod(
            self, [self, reading] {
                if (self)
                    self->showReading(reading);
            },
            Qt::QueuedConnection);
    });
}

void ChildPathPanel::waitForReading()
{
    reader_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void ChildPathPanel::showReading(const Reading& reading)
{
    if (reading.with_names && names_) {
        QStringList names;
        for (const std::string& name : reading.names)
            names << QString::fromStdString(name);
        names_->setStringList(names);
    }
    if (reading.id != asked_ || !enabled_)
        return;
    const bool newChild = reading.key != shown_key_;
    const bool hadPath = !path_.empty();
    shown_key_ = reading.key;
    // A folder that cannot be read shows nothing rather than half a path.
    path_ = reading.records.error.empty() ? progress::ChildPath(reading.records.records) : progress::ChildPath();
    due_.clear();
    for (const progress::ProblemKey& key : path_.dueForReview(reading.today)) {
        if (offered(key))
            due_.push_back(key);
    }
    showPath();
    if (newChild && !path_.empty())
        applyStartingProblem();
    // The next child, without a path, starts where the designed window does.
    else if (newChild && hadPath && problem_)
        problem_->setValue(1);
}

bool ChildPathPanel::offered(const progress::ProblemKey& key) const
{
    return std::any_of(offered_.begin(), offered_.end(), [&](const progress::ProblemKey& o) {
        return o.mode == key.mode && o.scheme == key.scheme && o.file == key.file && key.problem <= o.problem;
    });
}

void ChildPathPanel::showPath()
{
    if (path_.empty() || !mode_ || !scheme_ || !problem_) {
        hide();
        return;
    }
    const int scheme = scheme_->value();
    const int count = main_.problemCounts()[static_cast<std::size_t>(scheme)];
    const std::vector<Mark> marks = path_.marks(modeOfSpinner(mode_->value()), kAllSchemes[static_cast<std::size_t>(scheme - 1)],
                                                main_.problemFiles()[static_cast<std::size_t>(scheme)].toStdString(), count);
    marks_->setMarks(marks, problem_->value());
    const auto alone = std::count(marks.begin(), marks.end(), Mark::SolvedAlone);
    solved_->setText(QStringLiteral("Hai risolto da solo %1 %2 su %3")
                         .arg(alone)
                         .arg(alone == 1 ? QStringLiteral("problema") : QStringLiteral("problemi"))
                         .arg(count));
    const bool due = !due_.empty();
    review_->setText(due_.size() == 1 ? QStringLiteral("Oggi c'è 1 problema da ripassare")
                                      : QStringLiteral("Oggi ci sono %1 problemi da ripassare").arg(due_.size()));
    review_->setVisible(due);
    review_button_->setVisible(due);
    review_button_->setAccessibleDescription(review_->text());
    // Above the mascot, which walks across it.
    raise();
    show();
}

void ChildPathPanel::applyStartingProblem()
{
    if (path_.empty() || reviewing_ || !scheme_ || !problem_)
        return;
    const int scheme = scheme_->value();
    problem_->setValue(path_.startingProblem(modeOfSpinner(mode_->value()), kAllSchemes[static_cast<std::size_t>(scheme - 1)],
                                             main_.problemFiles()[static_cast<std::size_t>(scheme)].toStdString(),
                                             main_.problemCounts()[static_cast<std::size_t>(scheme)]));
}

void ChildPathPanel::startReview()
{
    auto* start = parentWidget()->findChild<QPushButton*>(QStringLiteral("LMD5"));
    if (!start || reviewing_ || !mode_ || !scheme_ || !problem_)
        return;
    reviewing_ = true;
    const std::vector<progress::ProblemKey> round = due_;
    for (const progress::ProblemKey& key : round) {
        const int mode = key.mode == Mode::Beginner ? 1 : 2;
        if (modeOfSpinner(mode_->value()) != key.mode)
            mode_->setValue(mode);
        scheme_->setValue(schemeIndex(key.scheme));
        // The file offered there may have changed since the reading.
        if (main_.problemFiles()[static_cast<std::size_t>(scheme_->value())].toStdString() != key.file)
            continue;
        problem_->setValue(key.problem);
        ExerciseSlot* slot = main_.exerciseWindow(key.mode, key.scheme);
        const int solvedBefore = slot ? slot->solvedCount() : 0;
        main_.LMD3Click(start);
        // A problem not finished alone ends the round; "Ripassa" is still there.
        if (!slot || slot->solvedCount() == solvedBefore)
            break;
    }
    reviewing_ = false;
    askReading(true);
}

QString ChildPathPanel::solvedLine() const
{
    return !isHidden() ? solved_->text() : QString();
}

QString ChildPathPanel::reviewLine() const
{
    return !isHidden() && !due_.empty() ? review_->text() : QString();
}

QStringList ChildPathPanel::completionNames() const
{
    return names_ ? names_->stringList() : QStringList();
}

}  // namespace quorvia
