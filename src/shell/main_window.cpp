// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_window.h"

#include "base/progress_folder.h"
#include "base/resource_folder.h"
#include "content/generale_keys.h"
#include "content/ini_file.h"
#include "content/problem_file.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "base/version.h"
#include "shell/child_path_panel.h"
#include "shell/comic_font.h"
#include "shell/program_media.h"
#include "shell/read_aloud_switch.h"
#include "shell/selection_spinner.h"
#include "widgets/child_places.h"
#include "widgets/controls.h"
#include "widgets/focus_ring.h"
#include "widgets/window_fit.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <QWindowStateChangeEvent>

#include <algorithm>

namespace quorvia {
namespace {

const QSize kClientSize(786, 560);
constexpr int kBorderWidth = 3;
// Red and green a shade darker than pure, so white on the red band and both
// as text on a button read at 4.5 : 1.
const QColor kRed(220, 0, 0);
const QColor kGreen(0, 125, 0);
const QColor kBlue(0, 0, 255);

const QString kCredits = QStringLiteral(
    "Quorvia aiuta i bambini della scuola primaria a risolvere i problemi di "
    "matematica passo dopo passo: leggere il testo, riscrivere la domanda, "
    "trovare i dati, completare lo schema delle operazioni e scrivere la risposta.\n\n"
    "Problemi, disegni e suoni sono scritti dagli insegnanti e possono essere "
    "cambiati nella cartella RISORSE.");

// Where each control of the window sits, in client coordinates.
const ChildPlace kLayout[] = {
    {"Label5", {0, 23, 786, 35}},          {"LMDSpeedButton3", {712, 24, 73, 33}},
    {"Image2", {0, -1, 97, 103}},          {"ani2", {40, 89, 101, 142}},
    {"RxGIFAnimator1", {587, 167, 105, 66}}, {"ani3", {699, 182, 80, 48}},
    {"Shape2", {0, 236, 569, 41}},         {"LMDstato", {3, 241, 31, 31}},
    {"Label7", {40, 242, 105, 29}},        {"SPLivello", {152, 240, 33, 34}},
    {"LIVELLO", {192, 242, 105, 29}},      {"SPProblema", {308, 240, 46, 33}},
    {"Label4", {357, 240, 113, 32}},       {"LMD5", {476, 239, 85, 33}},
    {"LMD6", {660, 232, 113, 40}},         {"Shape1", {416, 272, 368, 5}},
    {"RadioGroup1", {352, 280, 426, 67}},  {"LMDEdit1", {385, 303, 385, 35}},
    {"LMDintro", {12, 287, 157, 39}},      {"Image1", {0, 344, 329, 216}},
    {"Label1", {16, 361, 299, 54}},        {"Label3", {200, 464, 60, 24}},
    {"mascotte", {329, 408, 91, 155}},     {"Label6", {16, 528, 200, 20}},
    {"LeggiAdAltaVoce", {560, 354, 215, 30}},
};

// What a screen reader says for the controls that show no words of their
// own; the buttons say their captions.
struct AccessibleName {
    const char* control;
    const char* name;
};
const AccessibleName kAccessibleNames[] = {
    {"LMDstato", "Modo di lavoro"},
    {"SPLivello", "Schema dei problemi"},
    {"SPProblema", "Numero del problema"},
    {"LMDEdit1", "Il tuo nome"},
    {"Image2", "Sito della scuola"},
};

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QLabel* makeLabel(const char* name, int pixelSize, const QColor& color, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(comicFont(pixelSize));
    setTextColor(label, color);
    return label;
}

QPushButton* makeButton(const char* name, int pixelSize, const QColor& color, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(comicFont(pixelSize));
    button->setFlat(true);
    button->setAutoFillBackground(true);
    button->setCursor(Qt::PointingHandCursor);
    setTextColor(button, color);
    return button;
}

platform::GifPlayer* makeAnimation(const QString& folder, const char* name, const char* file,
                                   QWidget* parent)
{
    auto* player = new platform::GifPlayer(QLatin1String(name), parent);
    player->setStretch(true);
    player->loadFile(resourceFile(folder, QLatin1String(file)));
    return player;
}

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

TForm1::TForm1(const QString& resourceFolder, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      resource_folder_(resourceFolder.isEmpty() ? applicationResourceFolder()
                                                : withTrailingSeparator(resourceFolder)),
      end_application_([] { QCoreApplication::quit(); })
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Problemi di Matematica per la Scuola Primaria"));
    setFixedSize(kClientSize + QSize(2 * kBorderWidth, 2 * kBorderWidth));
    createControls();
    connectHandlers();
    FocusRing::install(this, kBlue);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // FormCreate
    points_total_ = 0;
    const QString whistle = resourceFile(resource_folder_, QLatin1String(media::kWhistle));
    if (!whistle.isEmpty() && fischio->loadFile(whistle))
        fischio->play();
    LMDstatoChange();
    child_path_ = new ChildPathPanel(*this, client_, progressFolder(resource_folder_));
}

TForm1::~TForm1() = default;

void TForm1::createControls()
{
    client_scroll_ = new QScrollArea(this);
    client_scroll_->setFrameShape(QFrame::NoFrame);
    client_scroll_->setFocusPolicy(Qt::NoFocus);
    client_scroll_->viewport()->setAutoFillBackground(false);
    client_scroll_->setGeometry(QRect(QPoint(kBorderWidth, kBorderWidth), kClientSize));
    client_ = new QWidget;
    client_->resize(kClientSize);
    client_scroll_->setWidget(client_);
    // The window's gradient shows through, as it did without the scrolling.
    client_->setAutoFillBackground(false);
    QWidget* c = client_;

    Label5 = makeLabel("Label5", 24, Qt::white, c);
    Label5->setAutoFillBackground(true);
    QPalette heading = Label5->palette();
    heading.setColor(QPalette::Window, kRed);
    Label5->setPalette(heading);
    Label5->setAlignment(Qt::AlignCenter);
    LMDSpeedButton3 = makeButton("LMDSpeedButton3", 14, kRed, c);
    LMDSpeedButton3->setText(QStringLiteral("Autori"));
    Image2 = new PictureBox(QStringLiteral("Image2"), c);
    Image2->loadFile(resourceFile(resource_folder_, QStringLiteral("logo.png")));
    ani2 = makeAnimation(resource_folder_, "ani2", media::kCornerAnimation, c);
    RxGIFAnimator1 = makeAnimation(resource_folder_, "RxGIFAnimator1", media::kTitleAnimation, c);
    ani3 = makeAnimation(resource_folder_, "ani3", media::kSideAnimation, c);

    Shape2 = new ShapeIndicator(QStringLiteral("Shape2"), ShapeIndicator::Form::Rectangle, c);
    Shape2->setBrushColor(kRed);
    Shape2->setPenVisible(false);
    LMDstato = new SelectionSpinner(QStringLiteral("LMDstato"), SelectionSpinner::Typing::None, c);
    LMDstato->setRange(1, 3);
    LMDstato->setFont(comicFont(16));
    setTextColor(LMDstato, kGreen);
    Label7 = makeLabel("Label7", 16, Qt::white, c);
    SPLivello = new SelectionSpinner(QStringLiteral("SPLivello"), SelectionSpinner::Typing::OneDigit, c);
    SPLivello->setRange(1, kSchemeCount);
    SPLivello->setFont(comicFont(16));
    LIVELLO = makeLabel("LIVELLO", 16, Qt::white, c);
    SPProblema = new SelectionSpinner(QStringLiteral("SPProblema"), SelectionSpinner::Typing::None, c);
    SPProblema->setRange(1, 1);
    SPProblema->setFont(comicFont(16));
    Label4 = makeLabel("Label4", 16, Qt::white, c);
    LMD5 = makeButton("LMD5", 16, kGreen, c);
    setTag(LMD5, 5);
    LMD6 = makeButton("LMD6", 16, kBlue, c);
    Shape1 = new ShapeIndicator(QStringLiteral("Shape1"), ShapeIndicator::Form::Rectangle, c);
    Shape1->setBrushColor(kRed);
    Shape1->setPenVisible(false);
    RadioGroup1 = new QGroupBox(c);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setFont(comicFont(14));
    LMDEdit1 = new QLineEdit(c);
    LMDEdit1->setObjectName(QStringLiteral("LMDEdit1"));
    LMDEdit1->setFont(comicFont(21));
    LMDintro = makeButton("LMDintro", 16, kBlue, c);

    Image1 = new PictureBox(QStringLiteral("Image1"), c);
    Image1->loadFile(resourceFile(resource_folder_, QStringLiteral("lavagna.png")));
    Label1 = makeLabel("Label1", 19, Qt::white, c);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label3 = makeLabel("Label3", 19, Qt::white, c);
    Label3->setText(QStringLiteral("2+3=?"));
    mascotte = makeAnimation(resource_folder_, "mascotte", media::kMascot, c);
    mascotte->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label6 = makeLabel("Label6", 12, Qt::white, c);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    fischio = new platform::WavePlayer(QStringLiteral("fischio"), this);
    addReadAloudSwitch(c, resource_folder_);

    placeChildren(c, kLayout);
    for (const AccessibleName& named : kAccessibleNames) {
        if (auto* widget = c->findChild<QWidget*>(QLatin1String(named.control)))
            widget->setAccessibleName(QString::fromUtf8(named.name));
    }
}

void TForm1::connectHandlers()
{
    connect(LMDstato, qOverload<int>(&QSpinBox::valueChanged), this, [this] { LMDstatoChange(); });
    connect(SPLivello, qOverload<int>(&QSpinBox::valueChanged), this, [this] { SPLivelloChange(); });
    connect(SPProblema, qOverload<int>(&QSpinBox::valueChanged), this, [this] { SPProblemaChange(); });
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(LMD5, &QPushButton::clicked, this, [this] { LMD3Click(LMD5); });
    connect(LMD6, &QPushButton::clicked, this, &TForm1::LMD6Click);
    connect(LMDintro, &QPushButton::clicked, this, &TForm1::LMDintroClick);
    connect(LMDSpeedButton3, &QPushButton::clicked, this, &TForm1::LMDSpeedButton3Click);
    connect(Image2, &PictureBox::clicked, this, &TForm1::Image2Click);
}

void TForm1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0, 255, 255));  // aqua
    gradient.setColorAt(1, QColor(0, 128, 128));  // teal
    painter.fillRect(rect(), gradient);
}

void TForm1::LMDstatoChange()
{
    const IniFile ini =
        IniFile::read(resourceFile(resource_folder_, QLatin1String(generale::kFileName)).toStdString());
    const Mode mode = LMDstato->value() == 1 ? Mode::Beginner : Mode::Advanced;
    auto text = [&ini, mode](const generale::Key& key, std::size_t scheme = 0) {
        return fromUtf8(generale::read(ini, key, mode, scheme));
    };

    LMD6->setText(text(generale::kQuitButton));
    LMD5->setText(text(generale::kStartButton));
    RadioGroup1->setTitle(text(generale::kNameFrame));
    problem_label_prefix_ = text(generale::kProblemLabel);
    LMDintro->setText(text(generale::kHelpButton));
    Label5->setText(text(generale::kTitle));
    Label1->setText(text(generale::kBlackboard));
    // The logo leads to the school's or the project's page only where the
    // teacher gave one.
    web_page_ = text(generale::kWebPage).trimmed();
    Image2->setCursor(web_page_.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);

    Label7->setText(text(generale::kModeLabel));
    for (std::size_t i = 0; i < kAllSchemes.size(); ++i) {
        scheme_names_[i + 1] = text(generale::kSchemeName, i);
        problem_files_[i + 1] = text(generale::kProblemFile, i);
        problem_counts_[i + 1] = generale::problemCount(ini, mode, i);
    }

    SPLivello->setValue(1);
    SPLivello->setMaximum(kSchemeCount);
    SPProblema->setValue(1);
    SPProblema->setMaximum(problem_counts_[1]);
    LIVELLO->setText(scheme_names_[1]);
    Label4->setText(problem_label_prefix_ + QLatin1Char(' ') + QString::number(SPProblema->value()));
}

void TForm1::SPLivelloChange()
{
    const int scheme = SPLivello->value();
    if (scheme < 1 || scheme > kSchemeCount)
        return;
    LIVELLO->setText(scheme_names_[scheme]);
    SPProblema->setMaximum(problem_counts_[scheme]);
    SPProblema->setValue(1);
}

void TForm1::SPProblemaChange()
{
    Label4->setText(problem_label_prefix_ + QLatin1Char(' ') + QString::number(SPProblema->value()));
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // On a screen smaller than the window the window shrinks to it and its
    // client area scrolls; a window that scrolls up and down takes the
    // scroll bar's width more where there is room, so it need not scroll sideways.
    const QSize full = kClientSize + QSize(2 * kBorderWidth, 2 * kBorderWidth);
    setFixedSize(full);
    QSize size = fitWindowOnScreen(*this);
    if (size.height() < full.height()) {
        setFixedSize(full + QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent), 0));
        size = fitWindowOnScreen(*this);
    }
    client_scroll_->setGeometry(QRect(QPoint(0, 0), size).adjusted(kBorderWidth, kBorderWidth, -kBorderWidth, -kBorderWidth));
    FormActivate();
}

// Nothing animates where nobody sees it: behind an exercise window, closed
// or minimised, the main window takes no CPU. Showing it again starts the
// animations afresh, as FormActivate always has.
void TForm1::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    stopAnimations();
}

void TForm1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (isMinimized())
        stopAnimations();
    else if ((change->oldState() & Qt::WindowMinimized) && isVisible() && !Timer1->isActive())
        FormActivate();
}

void TForm1::FormActivate()
{
    Label6->setText(versionLabelText());
    bounce_direction_ = 1;
    mascotte->move(Image1->geometry().right() + 1, mascotte->y());
    fischio->playLoop();
    mascotte->start();
    ani2->start();
    ani3->start();
    RxGIFAnimator1->start();
    Timer1->start();
    // The child starts by typing a name.
    LMDEdit1->setFocus(Qt::OtherFocusReason);
}

void TForm1::Timer1Timer()
{
    if (mascotte->x() < width()) {
        mascotte->move(mascotte->x() + 1, mascotte->y());
    } else {
        fischio->stop();
        mascotte->stop();
    }

    const QRect bouncer = ani2->geometry();
    const QRect start = LMD5->geometry();
    if (bouncer.x() + bouncer.width() > start.x() + start.width() || bouncer.x() < LMDstato->x())
        bounce_direction_ = -bounce_direction_;
    ani2->move(bouncer.x() + 2 * bounce_direction_, bouncer.y());
}

void TForm1::LMDintroClick()
{
    const QString help = resourceFile(resource_folder_, QStringLiteral("Help.pdf"));
    const auto refused = [this, help] {
        platform::dialogs().showMessage(
            this, QStringLiteral("Non è stato possibile aprire la guida %1.\n"
                                 "Serve un programma per leggere i file PDF.")
                      .arg(QDir::toNativeSeparators(help)));
    };
    if (!help.isEmpty() && !platform::openDocument(help, this, refused))
        refused();
}

void TForm1::LMDSpeedButton3Click()
{
    platform::dialogs().showAbout(this, QStringLiteral("Quorvia"), Label6->text(), kCredits);
}

void TForm1::Image2Click()
{
    if (web_page_.isEmpty())
        return;
    if (!platform::openWebPage(QUrl::fromUserInput(web_page_))) {
        platform::dialogs().showMessage(
            this, QStringLiteral("Non è stato possibile aprire l'indirizzo %1.").arg(web_page_));
    }
}

QString TForm1::childName() const
{
    return LMDEdit1->text();
}

void TForm1::setProblemSpinner(int problem)
{
    SPProblema->setValue(problem);
}

QString TForm1::currentProblemFileName() const
{
    const int scheme = SPLivello->value();
    return scheme >= 1 && scheme <= kSchemeCount ? problem_files_[scheme] : QString();
}

int TForm1::problemSpinnerMaximum() const
{
    return SPProblema->maximum();
}

int TForm1::modeValue() const
{
    return LMDstato->value();
}

int TForm1::schemeValue() const
{
    return SPLivello->value();
}

int TForm1::problemValue() const
{
    return SPProblema->value();
}

}  // namespace quorvia
