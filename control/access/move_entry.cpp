#include "control/access/move_entry.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QStringListModel>
#include <QTimer>

#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/notation.h"

namespace circumvia::control {

namespace {
constexpr int kEntryWidth = 96;
}  // namespace

MoveEntry::MoveEntry(QWidget* parent)
    : QLineEdit(parent), offered_(new QStringListModel(this)), completer_(new QCompleter(this)) {
    setObjectName(QStringLiteral("MoveEntry"));
    setFixedWidth(kEntryWidth);
    setClearButtonEnabled(false);
    completer_->setModel(offered_);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    setCompleter(completer_);
    connect(this, &QLineEdit::returnPressed, this, [this] {
        // A completion popup chosen with Return has already filled the line.
        if (!text().trimmed().isEmpty()) Q_EMIT MoveTyped(text());
    });
}

void MoveEntry::OfferMoves(const Tlcoup& moves) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(moves.size()));
    for (const Move& move : moves) texts << QString::fromStdString(MoveText(move.From, move.To));
    if (texts != offered_->stringList()) offered_->setStringList(texts);
}

void MoveEntry::CloseOffers() {
    QTimer::singleShot(0, this, [this] {
        if (completer_->popup()) completer_->popup()->hide();
    });
}

void MoveEntry::Relabel(int base) {
    const QString name = QString::fromStdString(lang::Caption(base + lang::caption::kMoveEntry));
    const QString hint =
        QString::fromStdString(lang::Caption(base + lang::caption::kMoveEntryHint));
    setAccessibleName(name);
    setAccessibleDescription(hint);
    setToolTip(hint);
    setStatusTip(hint);
    setPlaceholderText(name);
}

void MoveEntry::keyPressEvent(QKeyEvent* event) {
    // Escape leaves the entry for the board, as it would leave a popup.
    if (event->key() == Qt::Key_Escape &&
        !(completer_->popup() && completer_->popup()->isVisible())) {
        clear();
        Q_EMIT LeaveRequested();
        return;
    }
    QLineEdit::keyPressEvent(event);
    // The line passes Return on (for a dialog's default button); here the window would take
    // it as a choice at the keyboard cursor.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
}

}  // namespace circumvia::control
