#include "control/record/variation_editor.h"

#include <QActionGroup>
#include <QInputDialog>
#include <QMenu>

#include "control/record/move_list.h"
#include "control/window/main_menu.h"
#include "dialogs/variation_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/notation.h"

namespace circumvia::control {

namespace {

namespace caption = lang::caption;

QString Caption(int k) {
    return QString::fromStdString(lang::Caption(lang::CaptionBase() + k));
}

QString Format(int k, std::initializer_list<std::string_view> args) {
    return QString::fromStdString(lang::FormatText(lang::Caption(lang::CaptionBase() + k), args));
}

std::optional<QString> AskComment(QWidget* parent, const QString& prompt, const QString& now) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(Caption(caption::kCommentTitle));
    dialog.setLabelText(prompt);
    dialog.setOption(QInputDialog::UsePlainTextEditForTextInput);
    dialog.setTextValue(now);
    dialog.setOkButtonText(Caption(caption::kSetupConfirm));
    dialog.setCancelButtonText(Caption(caption::kCancelJob));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

}  // namespace

VariationEditor::VariationEditor(VariationHost& host, const MainMenu& menu, MoveListDock& move_list)
    : QObject(menu.VariationsMenu),
      host_(host),
      menu_(menu),
      mark_menu_(new QMenu(menu.VariationsMenu)),
      ask_comment_(AskComment) {
    auto* marks = new QActionGroup(mark_menu_);
    for (std::size_t k = 0; k < mark_items_.size(); ++k) {
        QAction* item = mark_menu_->addAction(QString());
        item->setCheckable(true);
        marks->addAction(item);
        connect(item, &QAction::triggered, this, [this, k] { SetMark(static_cast<MoveMark>(k)); });
        mark_items_[k] = item;
    }
    menu.VariationsMenu->insertMenu(menu.UndoTreeItem, mark_menu_);
    menu.VariationsMenu->insertSeparator(menu.UndoTreeItem);
    connect(&move_list, &MoveListDock::ContextMenuAsked, this, &VariationEditor::ShowContextMenu);
    Relabel(lang::CaptionBase());
}

void VariationEditor::Relabel(int base) {
    mark_menu_->setTitle(QString::fromStdString(lang::Caption(base + caption::kMarkMenu)));
    mark_menu_->menuAction()->setStatusTip(
        QString::fromStdString(lang::Caption(base + caption::kMarkMenuHint)));
    for (std::size_t k = 0; k < mark_items_.size(); ++k) {
        mark_items_[k]->setText(
            QString::fromStdString(lang::Caption(base + caption::kMarkNone + static_cast<int>(k))));
    }
}

int VariationEditor::Target() const {
    const Tjeu& game = host_.TreeGame();
    return game.Tree.Contains(target_) ? target_ : game.CurrentNode();
}

QString VariationEditor::MoveName(int node) const {
    const HistoryEntry& entry = host_.TreeGame().Tree.Node(node).Entry;
    return QString::fromStdString(MoveText(entry.From, entry.To));
}

void VariationEditor::Enable() {
    const Tjeu& game = host_.TreeGame();
    const bool open = host_.TreeOpen();
    const int node = Target();
    const bool in_variation = VariationStart(game.Tree, node) != kNoNode;
    const auto& line = game.Tree.Line();
    const auto next = static_cast<std::size_t>(game.Current + 1);
    const int key_node =
        VariationKeyNode(game.Tree, game.CurrentNode(), next < line.size() ? line[next] : kNoNode);
    menu_.NextVariationItem->setEnabled(open && key_node != kNoNode);
    menu_.PreviousVariationItem->setEnabled(open && key_node != kNoNode);
    menu_.BranchPointItem->setEnabled(open && key_node != kNoNode);
    menu_.PromoteItem->setEnabled(open && in_variation);
    menu_.DeleteVariationItem->setEnabled(open && in_variation);
    menu_.DeleteAfterItem->setEnabled(open && game.Tree.Node(node).FirstChild != kNoNode);
    menu_.CommentItem->setEnabled(open && node != kRootNode);
    mark_menu_->setEnabled(open && node != kRootNode);
    mark_items_[static_cast<std::size_t>(game.Tree.Node(node).Mark)]->setChecked(true);
    menu_.UndoTreeItem->setEnabled(open && edits_.CanUndo(game));
}

void VariationEditor::Follow() {
    Enable();
    const int node = host_.TreeGame().CurrentNode();
    if (node == said_node_) return;
    said_node_ = node;
    SayWhere(node);
}

void VariationEditor::SayWhere(int node) {
    if (node == kRootNode) return;
    const GameTree& tree = host_.TreeGame().Tree;
    QString text = QString::fromStdString(dialogs::VariationPlaceText(tree, node));
    if (const std::string& comment = tree.Comment(node); !comment.empty()) {
        if (!text.isEmpty()) text += QStringLiteral(" ");
        text += Format(caption::kCommentSaid, {comment});
    }
    if (!text.isEmpty()) host_.SayVariation(text);
}

void VariationEditor::StepVariation(int step) {
    if (!host_.TreeOpen()) return;
    const Tjeu& game = host_.TreeGame();
    const auto& line = game.Tree.Line();
    const auto next = static_cast<std::size_t>(game.Current + 1);
    const int from =
        VariationKeyNode(game.Tree, game.CurrentNode(), next < line.size() ? line[next] : kNoNode);
    if (from == kNoNode) {
        host_.SayVariation(Caption(caption::kNoVariation));
        return;
    }
    const int to = SiblingMove(game.Tree, from, step);
    const int chosen = to == kNoNode ? from : to;
    host_.StandOnNode(chosen);
    // Said of the move chosen, wherever a game under way let the board stop (after the
    // computer's reply), and again at either end so the player knows where they are.
    said_node_ = game.CurrentNode();
    SayWhere(chosen);
}

void VariationEditor::UpToBranch() {
    if (!host_.TreeOpen()) return;
    const Tjeu& game = host_.TreeGame();
    const auto& line = game.Tree.Line();
    const auto next = static_cast<std::size_t>(game.Current + 1);
    const int from =
        VariationKeyNode(game.Tree, game.CurrentNode(), next < line.size() ? line[next] : kNoNode);
    if (from == kNoNode) {
        host_.SayVariation(Caption(caption::kNoVariation));
        return;
    }
    const int branch = game.Tree.Node(from).Parent;
    host_.StandOnNode(branch);
    said_node_ = game.CurrentNode();
    host_.SayVariation(QString::fromStdString(dialogs::BranchText(game.Tree, branch)));
}

void VariationEditor::Changed(bool changed, int before_current, int before_node, int said) {
    if (!changed) return;
    const Tjeu& game = host_.TreeGame();
    const bool moved = game.Current != before_current || game.CurrentNode() != before_node;
    said_node_ = game.CurrentNode();  // what changed is said, not the move arrived at
    host_.TreeChanged(moved);
    if (said >= 0) host_.SayVariation(Caption(said));
}

void VariationEditor::Edit(bool (TreeEdits::*edit)(Tjeu&, int), int said) {
    if (!host_.TreeOpen()) return;
    Tjeu& game = host_.TreeGame();
    const int current = game.Current;
    const int node = game.CurrentNode();
    Changed((edits_.*edit)(game, Target()), current, node, said);
}

void VariationEditor::Promote() {
    Edit(&TreeEdits::Promote, caption::kVariationPromoted);
}

void VariationEditor::DeleteVariation() {
    Edit(&TreeEdits::DeleteVariation, caption::kVariationDeleted);
}

void VariationEditor::DeleteAfter() {
    Edit(&TreeEdits::DeleteAfter, caption::kMovesDeleted);
}

void VariationEditor::EditComment() {
    if (!host_.TreeOpen()) return;
    const int target = Target();
    if (target == kRootNode) return;
    Tjeu& game = host_.TreeGame();
    const std::optional<QString> comment = ask_comment_(
        host_.TreeWindow(), Format(caption::kCommentPrompt, {MoveName(target).toStdString()}),
        QString::fromStdString(game.Tree.Comment(target)));
    if (!comment || !game.Tree.Contains(target)) return;
    const int current = game.Current;
    const int node = game.CurrentNode();
    Changed(edits_.SetComment(game, target, comment->trimmed().toStdString()), current, node, -1);
}

void VariationEditor::SetMark(MoveMark mark) {
    if (!host_.TreeOpen()) return;
    Tjeu& game = host_.TreeGame();
    const int current = game.Current;
    const int node = game.CurrentNode();
    Changed(edits_.SetMark(game, Target(), mark), current, node, -1);
}

void VariationEditor::Undo() {
    if (!host_.TreeOpen()) return;
    Tjeu& game = host_.TreeGame();
    const int current = game.Current;
    const int node = game.CurrentNode();
    Changed(edits_.Undo(game), current, node, caption::kTreeUndone);
    Enable();
}

void VariationEditor::ShowContextMenu(int node, const QPoint& global) {
    if (!host_.TreeOpen() || !host_.TreeGame().Tree.Contains(node)) return;
    QMenu menu;
    menu.addAction(menu_.PromoteItem);
    menu.addAction(menu_.DeleteVariationItem);
    menu.addAction(menu_.DeleteAfterItem);
    menu.addSeparator();
    menu.addAction(menu_.CommentItem);
    menu.addMenu(mark_menu_);
    menu.addSeparator();
    menu.addAction(menu_.UndoTreeItem);
    target_ = node;
    Enable();
    menu.exec(global);
    target_ = kNoNode;
    Enable();
}

}  // namespace circumvia::control
