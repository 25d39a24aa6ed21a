#include "control/window/commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "lang/text_ids.h"

namespace circumvia::control {
namespace {

bool IsShownCaption(int offset) {
    return std::find(lang::caption::kAll.begin(), lang::caption::kAll.end(), offset) !=
           lang::caption::kAll.end();
}

// A row added with a caption or hint that no language has, a command or shortcut declared
// twice, a toolbar button for a command the table lacks, or a designed menu text that no
// longer reaches its item would each show as a blank, ambiguous or missing control.
TEST(Commands, TableAndRelabellingAgree) {
    std::vector<int> relabelled;  // caption and hint numbers, in pairs
    const auto check_texts = [&](int caption, int hint, const char* fixed_text) {
        if (caption == kFixedText) {
            EXPECT_NE(fixed_text, nullptr);
            EXPECT_EQ(hint, kNoHint);
            return;
        }
        EXPECT_TRUE(IsShownCaption(caption)) << caption;
        EXPECT_TRUE(hint == kNoHint || IsShownCaption(hint)) << hint;
        relabelled.push_back(caption);
        if (hint != kNoHint) relabelled.push_back(hint);
    };
    for (const MenuTitle& title : MenuTitles()) {
        check_texts(title.caption, title.hint, title.fixed_text);
    }
    std::vector<QAction * MainMenu::*> items;
    std::set<QString> shortcuts;
    for (const Command& command : Commands()) {
        SCOPED_TRACE(command.caption);
        check_texts(command.caption, command.hint, command.fixed_text);
        EXPECT_EQ(std::count(items.begin(), items.end(), command.item), 0);
        items.push_back(command.item);
        EXPECT_TRUE(std::any_of(MenuTitles().begin(), MenuTitles().end(),
                                [&](const MenuTitle& t) { return t.menu == command.menu; }));
        for (const QKeySequence& key : command.shortcuts) {
            EXPECT_TRUE(shortcuts.insert(key.toString()).second) << key.toString().toStdString();
        }
    }
    for (const ToolSlot& slot : ToolBarSlots()) {
        if (slot.kind == ToolSlot::kCommand) {
            EXPECT_EQ(std::count(items.begin(), items.end(), slot.item), 1);
        }
    }
    // No text used twice, and the designed menu texts all in use: item i's caption at 2i and
    // its hint at 2i + 1.
    std::vector<int> sorted = relabelled;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    for (int k = 0; k < 2 * lang::caption::kMainMenuItems; ++k) {
        EXPECT_TRUE(
            std::binary_search(sorted.begin(), sorted.end(), lang::caption::kMainMenuFirst + k))
            << k;
    }
    for (std::size_t i = 0; i + 1 < relabelled.size(); ++i) {
        if (relabelled[i] < 2 * lang::caption::kMainMenuItems && relabelled[i] % 2 == 0) {
            EXPECT_EQ(relabelled[i + 1], relabelled[i] + 1) << relabelled[i];
        }
    }
}

}  // namespace
}  // namespace circumvia::control
