#include "control/window/status_line.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <algorithm>
#include <string>

#include "control/access/announcer.h"
#include "control/window/image_list.h"
#include "control/window/main_menu.h"
#include "lang/counted_text.h"
#include "lang/format.h"
#include "lang/kind_caption.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

const QColor kBlackText(0, 0, 0);
const QColor kGreyText(128, 128, 128);
const QColor kWhiteDisc(255, 255, 255);
const QColor kRedDisc(255, 0, 0);
constexpr int kPanelTextLeft = 70;  // beside the icon, the count and the disc

}  // namespace

int PlayerPanelWidth(const QFontMetrics& metrics) {
    const int widest = metrics.horizontalAdvance(QStringLiteral("000:  W 0->W 0"));
    return std::max(kPlayerPanelWidth, kPanelTextLeft + widest + 6);
}

QString PanelSummary(int panel, const Tjeu& game) {
    const Side side = SideOfPanel(panel);
    const Player& player = game.PlayerOf(side);
    const int base = lang::CaptionBase();
    std::string text =
        lang::FormatText(lang::LoadText(lang::message::kPanelSummary),
                         {lang::Caption(base + (side == kWhite ? lang::caption::kSetupWhiteGroup
                                                               : lang::caption::kSetupRedGroup)),
                          lang::CountedText(player.Pieces, lang::kPieces),
                          lang::Caption(base + lang::caption::KindCaption(player.Kind))});
    if (game.SideToMove == side && game.Result == kInProgress) {
        text += ", " + lang::LoadText(lang::message::kPanelToMove);
    }
    return QString::fromStdString(text);
}

void StatusLineDrawPanel(QPainter& painter, int panel, const QRect& rect, const Tjeu& game,
                         const QString& panel_text, const QColor& face) {
    const Side side = SideOfPanel(panel);
    const bool to_move = game.SideToMove == side;
    const int left = rect.left();
    const int top = rect.top();
    const int d = rect.height() - 2;

    painter.save();
    painter.fillRect(rect, face);

    const QPixmap icon = ImageListIcon(IsComputer(game.PlayerOf(side).Kind) ? ImageIndex::Computer
                                                                            : ImageIndex::Human);
    painter.drawPixmap(left + 1, top,
                       QIcon(icon).pixmap(icon.deviceIndependentSize().toSize(),
                                          painter.device()->devicePixelRatioF(),
                                          to_move ? QIcon::Normal : QIcon::Disabled));

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black));
    painter.setBrush(side == kWhite ? kWhiteDisc : kRedDisc);
    painter.drawEllipse(QRect(left + 40, top + 1, d, d));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(to_move ? kBlackText : kGreyText);
    const QRect count_rect(QPoint(left + 23, top + 1), QPoint(left + 40, top + 1 + d));
    painter.drawText(count_rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QString::number(game.PlayerOf(side).Pieces));
    const QRect text_rect(QPoint(left + kPanelTextLeft, top + 1),
                          QPoint(rect.right(), top + 1 + d));
    painter.setClipRect(text_rect);
    painter.drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, panel_text);
    painter.restore();
}

class StatusLine::PlayerPanel : public QWidget {
public:
    PlayerPanel(const StatusLine& line, const Tjeu& game, int panel, QWidget* parent)
        : QWidget(parent), line_(line), game_(game), panel_(panel) {
        setFixedSize(PlayerPanelWidth(fontMetrics()), kStatusLineHeight - 2);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(font());
        StatusLineDrawPanel(painter, panel_, rect(), game_, line_.PanelText(panel_),
                            palette().color(QPalette::Window));
    }

private:
    const StatusLine& line_;
    const Tjeu& game_;
    int panel_;
};

StatusLine::StatusLine(const Tjeu& game, QWidget* parent)
    : QStatusBar(parent), game_(game), message_(new QLabel(this)), announcer_(new Announcer(this)) {
    setObjectName(QStringLiteral("StatusLine"));
    setSizeGripEnabled(false);
    setFixedHeight(kStatusLineHeight);
    // The message panel takes the width left beside the player panels but never forces
    // the window to be wider than that.
    message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Names and paths from files reach this line: never read as markup.
    message_->setTextFormat(Qt::PlainText);
    message_->setMaximumWidth(400);
    addWidget(message_, 1);
    for (int panel : {1, 2}) {
        panels_[panel] = new PlayerPanel(*this, game, panel, this);
        addPermanentWidget(panels_[panel]);
    }
}

void StatusLine::SetStatusText(const QString& text) {
    // The turn loop says the same again at every tick; only a change is news, which the
    // label tells assistive technologies as its new name.
    if (text == message_->text()) return;
    message_->setText(text);
    FitMessageText();
}

void StatusLine::FitMessageText() {
    constexpr double kSmallestScale = 0.85;
    constexpr int kRoomLeft = 12;  // the bar's own spacing beside the panel
    constexpr int kSmallestPixels = 7;
    QFont font = this->font();
    const QString text = message_->text();
    const int room = message_->maximumWidth() - kRoomLeft;
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    const bool too_wide = room > 0 && natural > room;
    bool two_lines = false;
    // A little under the exact ratio: hinting rounds the smaller glyphs' advances up.
    const double scale = too_wide ? 0.97 * static_cast<double>(room) / natural : 1.0;
    if (too_wide && scale >= kSmallestScale) {
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * scale);
        } else {
            font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale)));
        }
    } else if (too_wide) {
        // Two lines in the bar's height, in the largest font that holds them.
        const int height = kStatusLineHeight - 2;
        two_lines = true;
        for (int pixels = height / 2; pixels >= kSmallestPixels; --pixels) {
            font.setPixelSize(pixels);
            const QFontMetrics metrics(font);
            const QRect needed =
                metrics.boundingRect(QRect(0, 0, room, 10 * height), Qt::TextWordWrap, text);
            if (needed.height() <= height && 2 * metrics.lineSpacing() <= height + 1) break;
        }
    }
    message_->setFont(font);
    message_->setWordWrap(two_lines);
    message_->setToolTip(too_wide ? text : QString());
}

void StatusLine::Announce(const QString& text) {
    KeepAnnouncement(text);
    announcer_->Say(text);  // also the same news again: a second refusal is news too
}

void StatusLine::KeepAnnouncement(const QString& text) {
    if (text != accessibleName()) setAccessibleName(text);
}

void StatusLine::Relabel(int base) {
    message_->setAccessibleDescription(
        QString::fromStdString(lang::Caption(base + lang::caption::kStatusMessages)));
    RepaintPanels();
}

void StatusLine::SetPanelText(int panel, const QString& text) {
    panel_texts_[panel] = text;
    panels_[panel]->update();
}

void StatusLine::RepaintPanels() {
    for (int panel : {1, 2}) {
        panels_[panel]->setAccessibleName(PanelSummary(panel, game_));
        panels_[panel]->setToolTip(panels_[panel]->accessibleName());
        panels_[panel]->update();
    }
}

void StatusLine::FitMessagePanel(int window_width) {
    message_->setMaximumWidth(MessagePanelWidth(window_width, panels_[1]->width()));
    FitMessageText();
}

}  // namespace circumvia::control
