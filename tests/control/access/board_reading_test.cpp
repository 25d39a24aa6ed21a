// The keyboard cursor on a turned board, what a cell says in each language, and the menus'
// mnemonics in each language: the plain logic behind playing by keys and screen readers.
#include <gtest/gtest.h>

#include <QMenu>
#include <algorithm>
#include <set>
#include <vector>

#include "control/access/cell_description.h"
#include "control/access/keyboard_cursor.h"
#include "control/access/mnemonics.h"
#include "control/window/commands.h"
#include "lang/language.h"
#include "model/notation.h"

namespace circumvia::control {
namespace {

constexpr char kLanguages[] = {'F', 'A', 'E', 'D'};

// "C 3": row C, column 3.
int Cell(const char* text) {
    return CellAt(text[0] - 'A' + 1, text[2] - '0');
}

QString MenuText(int caption, const char* fixed_text) {
    return caption == kFixedText
               ? QString::fromUtf8(fixed_text)
               : QString::fromStdString(lang::Caption(lang::CaptionBase() + caption));
}

// Each screen direction walks the board along the row or column that the turn brings under
// it; a step off the edge stays where it is.
TEST(KeyboardCursor, StepsFollowTheBoardAsTurnedOnTheScreen) {
    using enum CursorStep;
    const struct {
        int quarter_turns;
        const char* from;
        CursorStep step;
        const char* to;
    } cases[] = {
        {0, "C 3", kUp, "B 3"},    {0, "C 3", kDown, "D 3"},  {0, "C 3", kLeft, "C 2"},
        {0, "C 3", kRight, "C 4"}, {1, "C 3", kUp, "C 4"},    {1, "C 3", kDown, "C 2"},
        {1, "C 3", kLeft, "B 3"},  {1, "C 3", kRight, "D 3"}, {2, "C 3", kUp, "D 3"},
        {2, "C 3", kDown, "B 3"},  {2, "C 3", kLeft, "C 4"},  {2, "C 3", kRight, "C 2"},
        {3, "C 3", kUp, "C 2"},    {3, "C 3", kDown, "C 4"},  {3, "C 3", kLeft, "D 3"},
        {3, "C 3", kRight, "B 3"}, {0, "A 1", kUp, "A 1"},    {0, "A 1", kLeft, "A 1"},
        {2, "F 6", kUp, "F 6"},    {2, "F 6", kLeft, "F 6"},  {1, "A 6", kUp, "A 6"},
        {3, "F 1", kUp, "F 1"},    {5, "C 3", kUp, "C 4"},    {-1, "C 3", kUp, "C 2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CellText(StepCursor(Cell(c.from), c.step, c.quarter_turns)), c.to)
            << c.from << " turned " << c.quarter_turns << " step " << static_cast<int>(c.step);
    }
}

class LanguageTest : public ::testing::Test {
protected:
    ~LanguageTest() override { lang::SetLanguageCode('F'); }
};

TEST_F(LanguageTest, ACellSaysItsNameContentAndStateInEachLanguage) {
    Position position = Position::Start();
    position[Cell("C 3")] = kWhite;
    const int red = Cell("E 1");
    const int white = Cell("C 3");
    const int empty = Cell("D 1");
    const struct {
        char language;
        int cell;
        CellState state;
        const char* said;
    } cases[] = {
        {'F', red, {.selected = true}, "E 1, pion rouge, sélectionné"},
        {'A', red, {}, "E 1, Red piece"},
        {'E', white, {}, "C 3, ficha blanca"},
        {'D', empty, {.destination = true}, "D 1, leer, mögliches Ziel"},
        {'A',
         empty,
         {.selected = true, .destination = true},
         "D 1, empty, selected, possible destination"},
    };
    for (const auto& c : cases) {
        lang::SetLanguageCode(c.language);
        EXPECT_EQ(CellDescription(position, c.cell, c.state), c.said) << c.language;
    }
}

// Where letters run short, "Save as" and "Print && export" give theirs up for "Sa" and "SAP",
// which have no other; "Sap" is left without, as every letter it has is taken.
TEST(Mnemonics, OwnKeptThenWordStartsThenAnyLetterAsManyAsTheLettersAllow) {
    const QStringList marked =
        WithMnemonics({"&Save", "Save as", "Print && export", "Page", "Sa", "SAP", "Sap", "-"});
    EXPECT_EQ(marked, QStringList({"&Save", "Sa&ve as", "Print && &export", "Pa&ge", "S&a", "SA&P",
                                   "Sap", "-"}));
}

// Every title of the menu bar and every item of each menu, in every language, gets a letter
// that no other entry beside it has.
TEST_F(LanguageTest, EveryMenuItemHasItsOwnMnemonicInEachLanguage) {
    for (char language : kLanguages) {
        lang::SetLanguageCode(language);
        // Member pointers have no order: the menus in a list, found by equality.
        std::vector<std::pair<QMenu * MainMenu::*, QStringList>> menus = {{nullptr, {}}};
        for (const MenuTitle& title : MenuTitles()) {
            menus.front().second << MenuText(title.caption, title.fixed_text);
        }
        for (const Command& command : Commands()) {
            auto it = std::find_if(menus.begin(), menus.end(),
                                   [&](const auto& menu) { return menu.first == command.menu; });
            if (it == menus.end()) it = menus.insert(menus.end(), {command.menu, {}});
            it->second << MenuText(command.caption, command.fixed_text);
        }
        for (const auto& [menu, texts] : menus) {
            std::set<QChar> letters;
            for (const QString& text : WithMnemonics(texts)) {
                const qsizetype at = QString(text).replace("&&", "__").indexOf(u'&');
                ASSERT_GE(at, 0) << language << ": " << text.toStdString();
                EXPECT_TRUE(letters.insert(text[at + 1].toLower()).second)
                    << language << ": " << text.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace circumvia::control
