// The remembered names: how the stored list is read, which typed names join it and how
// it is written back.
#include <gtest/gtest.h>

#include "dialogs/names_list.h"

namespace circumvia::dialogs {
namespace {

const QStringList kFrenchKinds = {
    QStringLiteral("Joueur humain"),       QStringLiteral("Ordinateur Novice"),
    QStringLiteral("Ordinateur Débutant"), QStringLiteral("Ordinateur Amateur"),
    QStringLiteral("Ordinateur Honneur"),  QStringLiteral("Ordinateur Excellence"),
};
const QStringList kSpanishKinds = {QStringLiteral("Humano"), QStringLiteral("Ordenador  novicio ")};

TEST(NamesList, StoredListIsSortedWithoutBlanksOrDuplicatesInAnyCase) {
    EXPECT_EQ(ParsePlayerNames(QStringLiteral("b;A; ;a;")).Names(),
              (QStringList{QStringLiteral("A"), QStringLiteral("b")}));
    EXPECT_EQ(ParsePlayerNames(QStringLiteral("  Zoé ;marc;;Anna")).Names(),
              (QStringList{QStringLiteral("Anna"), QStringLiteral("marc"), QStringLiteral("Zoé")}));
    EXPECT_TRUE(ParsePlayerNames(QString()).Names().isEmpty());
    EXPECT_EQ(JoinPlayerNames(ParsePlayerNames(QStringLiteral("B;A"))), QStringLiteral("A;B;"));
}

struct RememberCase {
    const char* what;
    const char* stored;  // PlayerNames before
    const char* typed;   // the text of a name box
    QStringList kinds;
    const char* expected;  // PlayerNames after
};

class RememberingANameTest : public ::testing::TestWithParam<RememberCase> {};

TEST_P(RememberingANameTest, FollowsTheRule) {
    const RememberCase& c = GetParam();
    QString player_names = QString::fromUtf8(c.stored);
    NamesList names = ParsePlayerNames(player_names);
    RememberName(QString::fromUtf8(c.typed), c.kinds, names, player_names);
    EXPECT_EQ(player_names.toStdString(), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    NamesList, RememberingANameTest,
    ::testing::Values(
        RememberCase{"a new name joins in order and the list ends with ;", "b;A; ;a;", "Marc",
                     kFrenchKinds, "A;b;Marc;"},
        RememberCase{"blanks around a name are dropped", "Anna;", "  Zoé ", kFrenchKinds,
                     "Anna;Zoé;"},
        RememberCase{"a name present in another case is not added twice", "Anna;", "ANNA",
                     kFrenchKinds, "Anna;"},
        RememberCase{"one letter: not remembered, list untouched", "b;A;", "Z", kFrenchKinds,
                     "b;A;"},
        RememberCase{"one letter after trimming", "b;A;", " Z ", kFrenchKinds, "b;A;"},
        RememberCase{"a ; inside: not remembered", "b;A;", "Jo;Li", kFrenchKinds, "b;A;"},
        RememberCase{"a leading hyphen orders before 0A", "b;A;", "-Max", kFrenchKinds, "b;A;"},
        RememberCase{"a parenthesis orders before 0A", "b;A;", "(ab)", kFrenchKinds, "b;A;"},
        RememberCase{"0 then a character below A", "b;A;", "0-9", kFrenchKinds, "b;A;"},
        RememberCase{"0A itself is remembered", "b;A;", "0A", kFrenchKinds, "0A;A;b;"},
        RememberCase{"a leading digit 1 to 9 is remembered", "", "7even", kFrenchKinds, "7even;"},
        RememberCase{"a player kind of the current language is left out, list rebuilt", "b;A; ;a;",
                     "Joueur humain", kFrenchKinds, "A;b;"},
        RememberCase{"kinds are compared trimmed and exactly", "", "Ordenador  novicio",
                     kSpanishKinds, ""},
        RememberCase{"a kind of another language is an ordinary name", "", "Joueur humain",
                     kSpanishKinds, "Joueur humain;"},
        RememberCase{"an accented first letter is remembered", "", "Émile", kFrenchKinds, "Émile;"},
        RememberCase{"64 characters are remembered", "",
                     "Éaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
                     kFrenchKinds,
                     "Éaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa;"},
        RememberCase{"65 characters are not", "b;A;",
                     "Éaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
                     kFrenchKinds, "b;A;"}));

}  // namespace
}  // namespace circumvia::dialogs
