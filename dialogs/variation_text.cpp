#include "dialogs/variation_text.h"

#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/notation.h"

namespace circumvia::dialogs {

std::string VariationPlaceText(const GameTree& tree, int node) {
    if (!tree.Contains(node) || node == kRootNode) return {};
    const int count = tree.ChildCount(tree.Node(node).Parent);
    if (count < 2) return {};
    const HistoryEntry& entry = tree.Node(node).Entry;
    const std::string move = MoveText(entry.From, entry.To);
    const int number = tree.ChildNumber(node);
    const int base = lang::CaptionBase();
    if (number == 1)
        return lang::FormatText(lang::Caption(base + lang::caption::kMainLineOf),
                                {std::to_string(count), move});
    return lang::FormatText(lang::Caption(base + lang::caption::kVariationOf),
                            {std::to_string(number), std::to_string(count), move});
}

std::string BranchText(const GameTree& tree, int node) {
    if (!tree.Contains(node) || tree.ChildCount(node) < 2) return {};
    std::string moves;
    for (const int child : tree.Children(node)) {
        if (!moves.empty()) moves += ", ";
        const HistoryEntry& entry = tree.Node(child).Entry;
        moves += MoveText(entry.From, entry.To);
    }
    return lang::FormatText(lang::Caption(lang::CaptionBase() + lang::caption::kBranchPoint),
                            {moves});
}

}  // namespace circumvia::dialogs
