#pragma once
// The tree of lines in the window: walking it by keys (next and previous variation at the
// nearest branch, up to the branch point), with what is said on arriving at a move that has
// alternatives, and editing it (promote, delete a variation or the moves after a move,
// comment, mark) from the Edit menu and the move list's context menu. Every change can be
// undone (TreeEdits). It reaches the window only through VariationHost.

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "control/record/variation_host.h"
#include "model/tree_edits.h"

class QAction;
class QMenu;
class QPoint;

namespace circumvia::control {

class MoveListDock;
struct MainMenu;

class VariationEditor : public QObject {
    Q_OBJECT
public:
    // The Edit menu's tree items are `menu`'s; the mark submenu is added under them.
    VariationEditor(VariationHost& host, const MainMenu& menu, MoveListDock& move_list);

    // The next (1) or previous (-1) alternative to the nearest move that has one.
    void StepVariation(int step);
    // To the position the nearest variation leaves its line from.
    void UpToBranch();
    // Each on the move the context menu was opened on, else the move on the board.
    void Promote();
    void DeleteVariation();
    void DeleteAfter();
    void EditComment();
    void SetMark(MoveMark mark);
    void Undo();

    // The board moved or the tree changed: the items' states, and what is said on arriving
    // at a move that has alternatives or a comment.
    void Follow();
    void Relabel(int base);
    QMenu& MarkMenu() { return *mark_menu_; }
    // The menu of a move list row, acting on `node`.
    void ShowContextMenu(int node, const QPoint& global);

    // Asks for a move's comment: the prompt and the comment so far; nothing when cancelled.
    using CommentAsker =
        std::function<std::optional<QString>(QWidget*, const QString&, const QString&)>;
    void SetCommentAsker(CommentAsker asker) { ask_comment_ = std::move(asker); }

private:
    int Target() const;
    void Enable();
    // After an edit: the window shows the change and `said` (a caption, or -1) is said.
    void Changed(bool changed, int before_current, int before_node, int said);
    // One of the tree's edits at the target move, said with the caption `said` if it changed
    // anything.
    void Edit(bool (TreeEdits::*edit)(Tjeu&, int), int said);
    QString MoveName(int node) const;
    // Says which of its alternatives `node` is, and its comment, when it has either.
    void SayWhere(int node);

    VariationHost& host_;
    const MainMenu& menu_;
    QMenu* mark_menu_;
    std::array<QAction*, kMoveMarkCount> mark_items_{};
    TreeEdits edits_;
    CommentAsker ask_comment_;
    int target_ = kNoNode;  // the row the context menu is open on
    int said_node_ = kNoNode;
};

}  // namespace circumvia::control
