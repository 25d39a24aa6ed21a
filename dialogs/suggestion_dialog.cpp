#include "dialogs/suggestion_dialog.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "dialogs/dialog_placement.h"
#include "dialogs/draw_position.h"
#include "dialogs/paint_box.h"
#include "dialogs/review_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/notation.h"
#include "model/record_review.h"
#include "model/tjeu.h"

namespace circumvia::dialogs {

namespace {

constexpr QSize kClientSize(395, 256);
constexpr QSize kGroupSize(185, 193);
constexpr int kBoxSide = 160;
// Where each diagram goes in its box: the loops overflow the 140-unit square by 4 on every
// side, which the 160-pixel box leaves room for.
constexpr int kDiagramLeft = 10;
constexpr int kDiagramTop = 10;
constexpr int kDiagramSize = 140;
// The bottom row: Close under the current position; the move and Play under the proposal.
constexpr QRect kCloseButton(8 + (kGroupSize.width() - 100) / 2, 214, 100, 30);
constexpr QRect kMoveLabel(202, 214, 80, 30);
constexpr QRect kPlayButton(287, 214, 100, 30);
// Below them, when the review disagrees with the proposal.
constexpr QRect kReviewNote(8, 250, 379, 44);
constexpr int kReviewNoteHeight = 46;

// A group box holding one paint box, centred across it below the group's title.
TPaintBox* AddPaintBox(QGroupBox& group) {
    auto* box = new TPaintBox(&group);
    box->setGeometry((kGroupSize.width() - kBoxSide) / 2, 22, kBoxSide, kBoxSide);
    return box;
}

// A black frame on white, then the diagram; the loops' curves are smoothed.
void PaintDiagram(QPainter& canvas, const QSize& box, const Position& cells,
                  bool with_coordinates) {
    canvas.fillRect(QRect(QPoint(0, 0), box), Qt::white);
    canvas.setPen(Qt::black);
    canvas.setBrush(Qt::white);
    canvas.drawRect(0, 0, box.width() - 1, box.height() - 1);
    canvas.setRenderHint(QPainter::Antialiasing);
    DrawPosition(canvas, kDiagramLeft, kDiagramTop, kDiagramSize, cells, with_coordinates);
}

QString CaptionText(int k) {
    return QString::fromStdString(lang::Caption(lang::CaptionBase() + k));
}

}  // namespace

Position ProposedPosition(const Position& cells, Move proposed) {
    Position after = cells;
    if (proposed.IsNull() || !IsCell(proposed.From) || !IsCell(proposed.To)) return after;
    after[proposed.To] = after[proposed.From];
    after[proposed.From] = kEmpty;
    return after;
}

TFPropo::TFPropo(Tjeu& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      game_(game) {
    setFixedSize(kClientSize);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setGeometry(QRect(QPoint(8, 8), kGroupSize));
    Pb_actu = AddPaintBox(*GroupBox1);
    Pb_actu->SetOnPaint([this](QPainter& canvas) { Pb_actuPaint(canvas); });

    GroupBox2 = new QGroupBox(this);
    GroupBox2->setGeometry(QRect(QPoint(202, 8), kGroupSize));
    PB_propo = AddPaintBox(*GroupBox2);
    PB_propo->SetOnPaint([this](QPainter& canvas) { PB_propoPaint(canvas); });

    BitBtn1 = new QPushButton(this);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    BitBtn1->setGeometry(kCloseButton);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    MoveLabel = new QLabel(this);
    MoveLabel->setGeometry(kMoveLabel);
    MoveLabel->setAlignment(Qt::AlignCenter);
    QFont bold = MoveLabel->font();
    bold.setBold(true);
    MoveLabel->setFont(bold);

    PlayButton = new QPushButton(this);
    PlayButton->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    PlayButton->setGeometry(kPlayButton);
    connect(PlayButton, &QPushButton::clicked, this, &QDialog::accept);
    PB_propo->installEventFilter(this);
    ReviewNote = new QLabel(this);
    ReviewNote->setObjectName(QStringLiteral("ReviewNote"));
    ReviewNote->setGeometry(kReviewNote);
    ReviewNote->setWordWrap(true);
    ReviewNote->hide();

    FormCreate();
    CentreOnOwner(*this);
}

void TFPropo::FormCreate() {
    Relabel();
    proposal_ = game_.Pos;
    proposed_ = game_.SuggestMove(proposal_, game_.SideToMove, kSearchDepth);
    proposal_ = ProposedPosition(proposal_, proposed_);
    const bool playable = !proposed_.IsNull() && IsCell(proposed_.From) && IsCell(proposed_.To);
    MoveLabel->setText(playable ? QString::fromStdString(MoveText(proposed_.From, proposed_.To))
                                : QString());
    PlayButton->setEnabled(playable);
    if (playable) review_ = ReviewOfMoveHere(game_, proposed_);
    ShowReviewNote();
    PB_propo->update();
}

void TFPropo::ShowReviewNote() {
    const bool disagrees =
        review_ && review_->best != review_->played &&
        (review_->move_class == MoveClass::kInaccuracy ||
         review_->move_class == MoveClass::kMistake || review_->move_class == MoveClass::kBlunder ||
         review_->move_class == MoveClass::kMissedWin);
    ReviewNote->setVisible(disagrees);
    setFixedSize(kClientSize + QSize(0, disagrees ? kReviewNoteHeight : 0));
    if (!disagrees) return;
    const MoveAnalysis& move = *review_;
    const std::string better =
        lang::FormatText(lang::Caption(lang::CaptionBase() + lang::caption::kBetterMove),
                         {MoveText(move.best.From, move.best.To)});
    std::string note = better;
    note += " (";
    note += MoveValueText(move, false);
    note += "); ";
    note += MarkedMoveText(move);
    note += " (";
    note += MoveValueText(move, true);
    note += ')';
    ReviewNote->setText(QString::fromStdString(note));
}

bool TFPropo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PB_propo && event->type() == QEvent::MouseButtonDblClick &&
        PlayButton->isEnabled()) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFPropo::Relabel() {
    namespace caption = lang::caption;
    setWindowTitle(CaptionText(caption::kSuggestDialog));
    BitBtn1->setText(CaptionText(caption::kSuggestClose));
    BitBtn1->setToolTip(CaptionText(caption::kSuggestCloseHint));
    PlayButton->setText(CaptionText(caption::kSuggestPlay));
    PlayButton->setToolTip(CaptionText(caption::kSuggestPlayHint));
    GroupBox1->setTitle(CaptionText(caption::kSuggestCurrent));
    GroupBox2->setTitle(CaptionText(caption::kSuggestProposal));
    if (ReviewNote != nullptr) ShowReviewNote();
}

void TFPropo::Pb_actuPaint(QPainter& canvas) {
    // The board as it stands now, read afresh at every repaint.
    PaintDiagram(canvas, Pb_actu->size(), game_.Pos, true);
}

void TFPropo::PB_propoPaint(QPainter& canvas) {
    PaintDiagram(canvas, PB_propo->size(), proposal_, false);
}

}  // namespace circumvia::dialogs
