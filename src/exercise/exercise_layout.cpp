// SPDX-License-Identifier: GPL-3.0-or-later
// Building an exercise window: the parts every window has (tool bar, title
// lines, problem band, scroll box, players, operator menu, hint balloon) and
// the pictures of its own design.

#include "exercise/exercise_window.h"

#include "exercise/hint_balloon.h"
#include "exercise/window_art.h"
#include "exercise/window_style.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "shell/controls.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

namespace quorvia {

namespace {

constexpr int kToolBarHeight = 56;
constexpr int kTitleTop = 56;
constexpr int kTitleHeight = 28;
constexpr int kLogoWidth = 110;
constexpr int kBandTop = 112;
constexpr int kBandHeight = 128;
constexpr int kAnimationPanelWidth = 100;
constexpr int kPicturePanelWidth = 140;
constexpr int kStepAreaTop = kBandTop + kBandHeight;
const QRect kProblemPictureArea(4, 4, kPicturePanelWidth - 8, kBandHeight - 8);
const QRect kLogoArea(0, 0, kLogoWidth, kTitleHeight * 2);

const QColor kMemoBack(255, 253, 232);

QPushButton* toolButton(QWidget* bar, const char* name, ToolGlyph glyph, const QString& tip,
                        int left)
{
    auto* b = new QPushButton(bar);
    b->setObjectName(QLatin1String(name));
    b->setIcon(toolIcon(glyph, 40));
    b->setIconSize(QSize(40, 40));
    b->setFlat(true);
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolTip(tip);
    b->setCursor(Qt::PointingHandCursor);
    b->setGeometry(left, 4, 48, 48);
    return b;
}

}  // namespace

void ExerciseWindow::buildWindow()
{
    setFont(childFont(15));
    setWindowTitle(QStringLiteral("Problemi di Matematica per la Scuola Primaria"));
    paintBackground(this, QColor(236, 244, 250));
    buildToolBar();
    buildProblemBand();
    buildStepArea();
    buildSchemeWidgets();
    buildPlayers();
    buildOperatorMenu();
    msg = new HintBalloon(this);
    resize(kWidth, kHeight);
    layoutChrome();
}

void ExerciseWindow::buildToolBar()
{
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    paintBackground(bar, QColor(200, 225, 245));

    int left = 4;
    const int step = 52;
    toolButton(bar, "LMDButton11", ToolGlyph::Close, QStringLiteral("Chiudi"), left);
    toolButton(bar, "LMDcarica", ToolGlyph::Open, QStringLiteral("Riprendi una scheda"), left += step);
    toolButton(bar, "LMDsalva", ToolGlyph::Save, QStringLiteral("Salva la scheda"), left += step);
    toolButton(bar, "LMDButton2", ToolGlyph::Print, QStringLiteral("Stampa"), left += step);
    toolButton(bar, "LMDButton8", ToolGlyph::Help, QStringLiteral("Aiuto"), left += step);
    toolButton(bar, "LMDButton3", ToolGlyph::Previous, QStringLiteral("Problema precedente"), left += step);
    toolButton(bar, "LMDButton1", ToolGlyph::Next, QStringLiteral("Problema successivo"), left += step);
    auto* solution = toolButton(bar, "LMDsoluzione", ToolGlyph::Solution, QString(), left += step);
    solution->setGeometry(left, 4, 140, 48);
    solution->setIconSize(QSize(32, 32));
    solution->setIcon(toolIcon(ToolGlyph::Solution, 32));
    solution->setFont(childFont(15, true));
    solution->setText(QStringLiteral("?"));

    Numero_problema = new QLabel(bar);
    Numero_problema->setObjectName(QStringLiteral("Numero_problema"));
    Numero_problema->setFont(childFont(28, true));
    Numero_problema->setAlignment(Qt::AlignCenter);
    Numero_problema->setStyleSheet(QStringLiteral("color: rgb(0, 60, 160);"));
    Numero_problema->setGeometry(left + 148, 4, 100, 48);

    error_num = new QLabel(bar);
    error_num->setObjectName(QStringLiteral("error_num"));
    error_num->setFont(childFont(24, true));
    error_num->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    error_num->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    error_num->setText(ErrorBook::totalCaption(0));
    error_num->setGeometry(left + 256, 4, 150, 48);

    Titolo = new QLabel(this);
    Titolo->setObjectName(QStringLiteral("Titolo"));
    Titolo->setFont(childFont(17, true));
    Titolo->setIndent(8);
    paintBackground(Titolo, QColor(0, 0, 255), Qt::white);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(childFont(17, true));
    Label1->setIndent(8);
    Label1->setText(QStringLiteral("Leggi e segui le indicazioni"));
    paintBackground(Label1, QColor(255, 0, 0), Qt::white);
    instruction_caption_ = Label1->text();

    auto* logoPanel = new QFrame(this);
    logoPanel->setObjectName(QStringLiteral("Panel1"));
    paintBackground(logoPanel, QColor(255, 255, 255));
    auto* logo = new PictureBox(QStringLiteral("Image2"), logoPanel);
    logo->setPixmap(logoPicture(kLogoWidth, kTitleHeight * 2));
    logo->setGeometry(kLogoArea);
}

void ExerciseWindow::buildProblemBand()
{
    auto* left = new QFrame(this);
    left->setObjectName(QStringLiteral("LMDSimplePanel3"));
    paintBackground(left, kMemoBack);
    GIF2 = new platform::GifPlayer(QStringLiteral("GIF2"), left);
    GIF1 = new platform::GifPlayer(QStringLiteral("GIF1"), left);
    for (auto* gif : {GIF2, GIF1}) {
        gif->setGeometry(0, 0, kAnimationPanelWidth, kBandHeight);
        gif->setStretch(true);
        gif->hide();
    }

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setContextMenuPolicy(Qt::NoContextMenu);
    Memo1->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    Memo1->setFont(childFont(18));
    Memo1->setFocusPolicy(Qt::NoFocus);
    QPalette pal = Memo1->palette();
    pal.setColor(QPalette::Base, kMemoBack);
    pal.setColor(QPalette::Text, QColor(20, 20, 80));
    Memo1->setPalette(pal);

    auto* right = new QFrame(this);
    right->setObjectName(QStringLiteral("LMDSimplePanel4"));
    paintBackground(right, kMemoBack);
    Image4 = new PictureBox(QStringLiteral("Image4"), right);
    Image4->setGeometry(kProblemPictureArea);
}

void ExerciseWindow::buildStepArea()
{
    SB = new QScrollArea(this);
    SB->setObjectName(QStringLiteral("SB"));
    SB->setFrameShape(QFrame::NoFrame);
    SB->setWidgetResizable(false);
    SB->setFocusPolicy(departures().scroll_box_takes_focus ? Qt::ClickFocus : Qt::NoFocus);
    const QColor back = fromRgb(departures().scroll_box_rgb);
    QPalette pal = SB->palette();
    pal.setColor(QPalette::Window, back);
    SB->setPalette(pal);
    SB->viewport()->setPalette(pal);
    SB->viewport()->setAutoFillBackground(true);

    // The step panel sits on a plain sheet, so that its Left follows the
    // centring rule and not the scroll area's own alignment.
    sb_contents_ = new QWidget;
    sb_contents_->setAutoFillBackground(false);
    Panel6 = new QFrame(sb_contents_);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    paintBackground(Panel6, QColor(250, 250, 250));
    const int height = mode_ == Mode::Advanced ? scheme_.advanced_panel_height
                                               : scheme_.beginner_panel_height;
    Panel6->setGeometry(0, 0, scheme_.step_panel_width, height);
    sb_contents_->resize(scheme_.step_panel_width, height);
    SB->setWidget(sb_contents_);
}

void ExerciseWindow::buildPlayers()
{
    Afinale = new platform::WavePlayer(QStringLiteral("Afinale"), this);
    WFinale = new platform::WavePlayer(QStringLiteral("WFinale"), this);
    bravo = new platform::WavePlayer(QStringLiteral("bravo"), this);
    nooo = new platform::WavePlayer(QStringLiteral("nooo"), this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
}

void ExerciseWindow::buildOperatorMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->setFont(signFont(28));
    PopupMenu1->setStyleSheet(QStringLiteral("QMenu::item { padding: 6px 34px; }"));
    // The second item reads "_": a minus alone is hard to see and to hit.
    const struct {
        const char* name;
        const char* caption;
        int tag;
    } items[] = {{"N1", "+", 1}, {"N3", "_", 2}, {"x1", "X", 3}, {"N4", ":", 4}};
    for (const auto& item : items) {
        QAction* action = PopupMenu1->addAction(QLatin1String(item.caption));
        action->setObjectName(QLatin1String(item.name));
        setTag(action, item.tag);
    }
}

bool ExerciseWindow::loadProblemPicture(const QString& path)
{
    if (!Image4->loadFile(path))
        return false;
    // Kept in proportion within its panel.
    fitPicture(Image4, Image4->pixmap().size(), kProblemPictureArea);
    return true;
}

void ExerciseWindow::applyDesignPictures()
{
    // The resource folder may hold the window's own pictures; where it does
    // not, the drawn ones stay.
    if (state_.resource_folder == design_pictures_folder_)
        return;
    design_pictures_folder_ = state_.resource_folder;
    const auto picture = [this](const char* file) {
        const QString path = resourcePath(QLatin1String(file));
        return path.isEmpty() ? QPixmap() : QPixmap(path);
    };
    const struct {
        const char* button;
        const char* file;
    } glyphs[] = {{"LMDButton11", "btn_chiudi.png"},   {"LMDcarica", "btn_carica.png"},
                  {"LMDsalva", "btn_salva.png"},       {"LMDButton2", "btn_stampa.png"},
                  {"LMDButton8", "btn_aiuto.png"},     {"LMDButton3", "btn_precedente.png"},
                  {"LMDButton1", "btn_successivo.png"}, {"LMDsoluzione", "btn_soluzione.png"}};
    for (const auto& glyph : glyphs) {
        const QPixmap pixmap = picture(glyph.file);
        auto* button = control<QAbstractButton>(QLatin1String(glyph.button));
        if (button && !pixmap.isNull())
            button->setIcon(QIcon(pixmap));
    }
    const QPixmap counter = picture("btn_err.png");
    if (!counter.isNull()) {
        for (const WidgetRow& row : scheme_.widgets) {
            if (row.kind != WidgetKind::ErrorButton)
                continue;
            if (auto* button = control<QAbstractButton>(QLatin1String(row.name)))
                button->setIcon(QIcon(counter));
        }
    }
    const QPixmap logo = picture("logo.png");
    if (auto* image2 = control<QLabel>(QStringLiteral("Image2")); image2 && !logo.isNull()) {
        image2->setPixmap(logo);
        fitPicture(image2, logo.size(), kLogoArea);
    }
    const struct {
        const char* name;
        const char* file;
    } endPictures[] = {{"Image5", "esatto.png"}, {"CoccaHelp", "aiuto.png"}};
    for (const auto& end : endPictures) {
        const QPixmap pixmap = picture(end.file);
        auto* label = control<QLabel>(QLatin1String(end.name));
        if (label && !pixmap.isNull()) {
            const QRect area = label->geometry();
            label->setPixmap(pixmap);
            fitPicture(label, pixmap.size(), area);
        }
    }
}

void ExerciseWindow::layoutChrome()
{
    const int w = width();
    const int h = height();
    if (auto* bar = widgetNamed(QStringLiteral("ToolBar1")))
        bar->setGeometry(0, 0, w, kToolBarHeight);
    Titolo->setGeometry(0, kTitleTop, w - kLogoWidth, kTitleHeight);
    Label1->setGeometry(0, kTitleTop + kTitleHeight, w - kLogoWidth, kTitleHeight);
    if (auto* logo = widgetNamed(QStringLiteral("Panel1")))
        logo->setGeometry(w - kLogoWidth, kTitleTop, kLogoWidth, kTitleHeight * 2);
    if (auto* left = widgetNamed(QStringLiteral("LMDSimplePanel3")))
        left->setGeometry(0, kBandTop, kAnimationPanelWidth, kBandHeight);
    Memo1->setGeometry(kAnimationPanelWidth, kBandTop,
                       w - kAnimationPanelWidth - kPicturePanelWidth, kBandHeight);
    if (auto* right = widgetNamed(QStringLiteral("LMDSimplePanel4")))
        right->setGeometry(w - kPicturePanelWidth, kBandTop, kPicturePanelWidth, kBandHeight);
    SB->setGeometry(0, kStepAreaTop, w, std::max(0, h - kStepAreaTop));
}

}  // namespace quorvia
