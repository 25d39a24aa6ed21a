// Every control of the dialogs has a name a screen reader can say, in each language: the
// lists, lines, buttons and boxes, and the widgets the program draws itself.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QDialog>

#include "dialogs/about_box.h"
#include "dialogs/die_control.h"
#include "dialogs/print/page_preview.h"
#include "dialogs/print/page_thumbnails.h"
#include "dialogs/print/print_dialog.h"
#include "dialogs/setup_dialog.h"
#include "dialogs/suggestion_dialog.h"
#include "lang/language.h"
#include "model/tjeu.h"

namespace circumvia::dialogs {
namespace {

// Roles a player reaches or reads on its own; containers and list entries are left out.
bool IsControl(QAccessible::Role role) {
    switch (role) {
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::List:
        case QAccessible::Graphic:
        case QAccessible::Client:  // a widget the program draws itself
            return true;
        default:
            return false;
    }
}

// The unnamed controls below `node`, by role and path of child indices.
void CollectUnnamed(QAccessibleInterface* node, const std::string& path,
                    std::vector<std::string>& unnamed) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr) continue;
        const std::string at = path + "/" + std::to_string(i);
        if (IsControl(child->role()) && child->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed.push_back(at + " role " + std::to_string(child->role()));
        }
        if (child->role() != QAccessible::ComboBox) CollectUnnamed(child, at, unnamed);
    }
}

std::vector<std::string> UnnamedControls(QWidget& dialog) {
    std::vector<std::string> unnamed;
    CollectUnnamed(QAccessible::queryAccessibleInterface(&dialog), "", unnamed);
    return unnamed;
}

class AccessibleNamesTest : public ::testing::TestWithParam<char> {
protected:
    AccessibleNamesTest() { lang::SetLanguageCode(GetParam()); }
    ~AccessibleNamesTest() override { lang::SetLanguageCode('F'); }
    static QString Name(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }
    Tjeu game;
    QString player_names;
};

TEST_P(AccessibleNamesTest, EveryControlOfTheDialogsIsNamed) {
    TFSetup setup(player_names, nullptr);
    setup.LoadFromGame(game);
    EXPECT_TRUE(UnnamedControls(setup).empty()) << ::testing::PrintToString(UnnamedControls(setup));
    // The same labels in both groups: the side tells the lists apart.
    EXPECT_NE(Name(setup.CB_1), Name(setup.CB_2));
    EXPECT_NE(Name(setup.CB_nom1), Name(setup.CB_nom2));
    EXPECT_FALSE(Name(setup.Des).isEmpty());

    TFprint print;
    print.ComposePrint(QImage(), game);
    EXPECT_TRUE(UnnamedControls(print).empty()) << ::testing::PrintToString(UnnamedControls(print));
    EXPECT_FALSE(Name(print.PrintPreview1).isEmpty());
    EXPECT_FALSE(Name(print.ThumbnailPreview1).isEmpty());

    TFAbout about(QStringLiteral("1.0.0"), nullptr);
    EXPECT_TRUE(UnnamedControls(about).empty()) << ::testing::PrintToString(UnnamedControls(about));

    TFPropo suggestion(game);
    EXPECT_TRUE(UnnamedControls(suggestion).empty())
        << ::testing::PrintToString(UnnamedControls(suggestion));
}

INSTANTIATE_TEST_SUITE_P(FourLanguages, AccessibleNamesTest, ::testing::Values('F', 'A', 'E', 'D'));

}  // namespace
}  // namespace circumvia::dialogs
