// SPDX-License-Identifier: GPL-3.0-or-later
// Building an exercise window: the parts every window has (tool bar, title
// lines, problem band, scroll box, players, operator menu, hint balloon) and
// the pictures of its own design.

#include "exercise/exercise_builder.h"

#include "base/resource_folder.h"
#include "content/operator_signs.h"
#include "exercise/accessible_names.h"
#include "exercise/error_book.h"
#include "exercise/hint_balloon.h"
#include "exercise/window_art.h"
#include "exercise/window_style.h"
#include "platform/gif_player.h"
#include "platform/sound.h"
#include "widgets/controls.h"

#include <QAction>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <iterator>

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
    // Reached by Tab; a click leaves the focus where the child was typing.
    b->setFocusPolicy(Qt::TabFocus);
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setCursor(Qt::PointingHandCursor);
    b->setGeometry(left, 4, 48, 48);
    return b;
}

// The operator menu, in the order of the signs' Tags. The second item reads
// "_": a minus alone is hard to see and to hit.
struct OperatorMenuItem {
    const char* name;
    const char* caption;
};
constexpr OperatorMenuItem kOperatorMenu[] = {{"N1", "+"}, {"N3", "_"}, {"x1", "X"}, {"N4", ":"}};
static_assert(std::size(kOperatorMenu) == kOperatorSigns.size());

}  // namespace

const char* operatorMenuItemName(const QString& sign)
{
    const int tag = operatorTagOfSign(sign.toStdString());
    return tag ? kOperatorMenu[tag - 1].name : nullptr;
}

ExerciseWidgets ExerciseWindowBuilder::build(QDialog& window) const
{
    // Before the first widget, so none is given Qt's own role first.
    installAccessibleRoles();
    ExerciseWidgets w;
    window.setFont(childFont(15));
    window.setWindowTitle(QStringLiteral("Problemi di Matematica per la Scuola Primaria"));
    paintBackground(&window, QColor(236, 244, 250));
    buildToolBar(window, w);
    buildProblemBand(window, w);
    buildStepArea(window, w);
    buildSchemeWidgets(window, w);
    buildPlayers(window, w);
    buildOperatorMenu(window, w);
    w.msg = new HintBalloon(&window);
    window.resize(kWidth, kHeight);
    layoutChrome(window, w);
    return w;
}

void ExerciseWindowBuilder::buildToolBar(QWidget& window, ExerciseWidgets& w) const
{
    auto* bar = new QFrame(&window);
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
    solution->setAccessibleName(QStringLiteral("Mostra la soluzione"));

    w.Numero_problema = new QLabel(bar);
    w.Numero_problema->setObjectName(QStringLiteral("Numero_problema"));
    w.Numero_problema->setFont(childFont(28, true));
    w.Numero_problema->setAlignment(Qt::AlignCenter);
    w.Numero_problema->setStyleSheet(QStringLiteral("color: rgb(0, 60, 160);"));
    w.Numero_problema->setGeometry(left + 148, 4, 100, 48);

    w.error_num = new QLabel(bar);
    w.error_num->setObjectName(QStringLiteral("error_num"));
    w.error_num->setFont(childFont(24, true));
    w.error_num->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    w.error_num->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    w.error_num->setText(ErrorBook::totalCaption(0));
    w.error_num->setGeometry(left + 256, 4, 150, 48);

    w.Titolo = new QLabel(&window);
    w.Titolo->setObjectName(QStringLiteral("Titolo"));
    w.Titolo->setFont(childFont(17, true));
    w.Titolo->setIndent(8);
    paintBackground(w.Titolo, QColor(0, 0, 255), Qt::white);

    w.Label1 = new QLabel(&window);
    w.Label1->setObjectName(QStringLiteral("Label1"));
    w.Label1->setFont(childFont(17, true));
    w.Label1->setIndent(8);
    w.Label1->setText(QStringLiteral("Leggi e segui le indicazioni"));
    // A darker red than pure, so the white instruction reads at 4.5 : 1.
    paintBackground(w.Label1, QColor(220, 0, 0), Qt::white);
    w.instruction_caption = w.Label1->text();

    auto* logoPanel = new QFrame(&window);
    logoPanel->setObjectName(QStringLiteral("Panel1"));
    paintBackground(logoPanel, QColor(255, 255, 255));
    auto* logo = new PictureBox(QStringLiteral("Image2"), logoPanel);
    logo->setPixmap(logoPicture(kLogoWidth, kTitleHeight * 2));
    logo->setGeometry(kLogoArea);
}

void ExerciseWindowBuilder::buildProblemBand(QWidget& window, ExerciseWidgets& w) const
{
    auto* left = new QFrame(&window);
    left->setObjectName(QStringLiteral("LMDSimplePanel3"));
    paintBackground(left, kMemoBack);
    w.GIF2 = new platform::GifPlayer(QStringLiteral("GIF2"), left);
    w.GIF1 = new platform::GifPlayer(QStringLiteral("GIF1"), left);
    for (auto* gif : {w.GIF2, w.GIF1}) {
        gif->setGeometry(0, 0, kAnimationPanelWidth, kBandHeight);
        gif->setStretch(true);
        gif->hide();
    }

    auto* Memo1 = w.Memo1 = new QPlainTextEdit(&window);
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

    auto* right = new QFrame(&window);
    right->setObjectName(QStringLiteral("LMDSimplePanel4"));
    paintBackground(right, kMemoBack);
    w.Image4 = new PictureBox(QStringLiteral("Image4"), right);
    w.Image4->setGeometry(kProblemPictureArea);
}

void ExerciseWindowBuilder::buildStepArea(QWidget& window, ExerciseWidgets& w) const
{
    const WindowOptions& options = mode_ == Mode::Advanced ? scheme_.advanced : scheme_.beginner;
    auto* SB = w.SB = new QScrollArea(&window);
    SB->setObjectName(QStringLiteral("SB"));
    SB->setFrameShape(QFrame::NoFrame);
    SB->setWidgetResizable(false);
    SB->setFocusPolicy(options.scroll_box_takes_focus ? Qt::ClickFocus : Qt::NoFocus);
    const QColor back = fromRgb(options.scroll_box_rgb);
    QPalette pal = SB->palette();
    pal.setColor(QPalette::Window, back);
    SB->setPalette(pal);
    SB->viewport()->setPalette(pal);
    SB->viewport()->setAutoFillBackground(true);

    // The step panel sits on a plain sheet, so that its Left follows the
    // centring rule and not the scroll area's own alignment.
    auto* sb_contents_ = w.sb_contents = new QWidget;
    sb_contents_->setAutoFillBackground(false);
    auto* Panel6 = w.Panel6 = new QFrame(sb_contents_);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    paintBackground(Panel6, QColor(250, 250, 250));
    const int height = mode_ == Mode::Advanced ? scheme_.advanced_panel_height
                                               : scheme_.beginner_panel_height;
    Panel6->setGeometry(0, 0, scheme_.step_panel_width, height);
    sb_contents_->resize(scheme_.step_panel_width, height);
    SB->setWidget(sb_contents_);
}

void ExerciseWindowBuilder::buildPlayers(QWidget& window, ExerciseWidgets& w) const
{
    w.Afinale = new platform::WavePlayer(QStringLiteral("Afinale"), &window);
    w.WFinale = new platform::WavePlayer(QStringLiteral("WFinale"), &window);
    w.bravo = new platform::WavePlayer(QStringLiteral("bravo"), &window);
    w.nooo = new platform::WavePlayer(QStringLiteral("nooo"), &window);
    w.Timer1 = new QTimer(&window);
    w.Timer1->setObjectName(QStringLiteral("Timer1"));
    w.Timer1->setInterval(100);
}

void ExerciseWindowBuilder::buildOperatorMenu(QWidget& window, ExerciseWidgets& w) const
{
    auto* PopupMenu1 = w.PopupMenu1 = new QMenu(&window);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->setFont(signFont(28));
    PopupMenu1->setStyleSheet(QStringLiteral("QMenu::item { padding: 6px 34px; }"));
    int signTag = 0;
    for (const OperatorMenuItem& item : kOperatorMenu) {
        QAction* action = PopupMenu1->addAction(QLatin1String(item.caption));
        action->setObjectName(QLatin1String(item.name));
        setTag(action, ++signTag);
    }
}

bool showProblemPicture(PictureBox* picture, const QString& path)
{
    if (!picture->loadFile(path))
        return false;
    fitPicture(picture, picture->pixmap().size(), kProblemPictureArea);
    return true;
}

void applyDesignPictures(QWidget& window, const SchemeDescription& scheme, const QString& resourceFolder)
{
    const auto picture = [&resourceFolder](const char* file) {
        const QString path = resourceFile(resourceFolder, QLatin1String(file));
        return path.isEmpty() ? QPixmap() : QPixmap(path);
    };
    const auto control = [&window](const char* name) { return findControl(&window, QLatin1String(name)); };
    const struct {
        const char* button;
        const char* file;
    } glyphs[] = {{"LMDButton11", "btn_chiudi.png"},   {"LMDcarica", "btn_carica.png"},
                  {"LMDsalva", "btn_salva.png"},       {"LMDButton2", "btn_stampa.png"},
                  {"LMDButton8", "btn_aiuto.png"},     {"LMDButton3", "btn_precedente.png"},
                  {"LMDButton1", "btn_successivo.png"}, {"LMDsoluzione", "btn_soluzione.png"}};
    for (const auto& glyph : glyphs) {
        const QPixmap pixmap = picture(glyph.file);
        auto* button = qobject_cast<QAbstractButton*>(control(glyph.button));
        if (button && !pixmap.isNull())
            button->setIcon(QIcon(pixmap));
    }
    const QPixmap counter = picture("btn_err.png");
    if (!counter.isNull()) {
        for (const WidgetRow& row : scheme.widgets) {
            if (row.kind != WidgetKind::ErrorButton)
                continue;
            if (auto* button = qobject_cast<QAbstractButton*>(control(row.name)))
                button->setIcon(QIcon(counter));
        }
    }
    const QPixmap logo = picture("logo.png");
    if (auto* image2 = qobject_cast<QLabel*>(control("Image2")); image2 && !logo.isNull()) {
        image2->setPixmap(logo);
        fitPicture(image2, logo.size(), kLogoArea);
    }
    const struct {
        const char* name;
        const char* file;
    } endPictures[] = {{"Image5", "esatto.png"}, {"CoccaHelp", "aiuto.png"}};
    for (const auto& end : endPictures) {
        const QPixmap pixmap = picture(end.file);
        auto* label = qobject_cast<QLabel*>(control(end.name));
        if (label && !pixmap.isNull()) {
            const QRect area = label->geometry();
            label->setPixmap(pixmap);
            fitPicture(label, pixmap.size(), area);
        }
    }
}

void layoutChrome(QWidget& window, const ExerciseWidgets& widgets)
{
    const int w = window.width();
    const int h = window.height();
    const auto place = [&window](const char* name, int left, int top, int width, int height) {
        if (auto* part = findControlAs<QWidget>(&window, QLatin1String(name)))
            part->setGeometry(left, top, width, height);
    };
    place("ToolBar1", 0, 0, w, kToolBarHeight);
    widgets.Titolo->setGeometry(0, kTitleTop, w - kLogoWidth, kTitleHeight);
    widgets.Label1->setGeometry(0, kTitleTop + kTitleHeight, w - kLogoWidth, kTitleHeight);
    place("Panel1", w - kLogoWidth, kTitleTop, kLogoWidth, kTitleHeight * 2);
    place("LMDSimplePanel3", 0, kBandTop, kAnimationPanelWidth, kBandHeight);
    widgets.Memo1->setGeometry(kAnimationPanelWidth, kBandTop,
                               w - kAnimationPanelWidth - kPicturePanelWidth, kBandHeight);
    place("LMDSimplePanel4", w - kPicturePanelWidth, kBandTop, kPicturePanelWidth, kBandHeight);
    widgets.SB->setGeometry(0, kStepAreaTop, w, std::max(0, h - kStepAreaTop));
}

void centreStepPanel(const ExerciseWidgets& w)
{
    const int left = std::max(0, (w.SB->width() - 20 - w.Panel6->width()) / 2);
    w.Panel6->move(left, w.Panel6->y());
    w.sb_contents->resize(std::max(left + w.Panel6->width(), w.SB->viewport()->width() - 1),
                          w.Panel6->y() + w.Panel6->height());
}

}  // namespace quorvia
