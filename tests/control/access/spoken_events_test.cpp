#include "control/access/spoken_events.h"

#include <gtest/gtest.h>

#include "lang/language.h"

namespace circumvia::control {
namespace {

constexpr int kE1 = 25;
constexpr int kD1 = 19;
constexpr int kC2 = 14;
constexpr int kA3 = 3;

struct SpokenCase {
    char language;
    std::string red_step_white_next;  // E 1 to D 1, then White's turn
    std::string white_capture;        // A 3 takes C 2, nobody named
    std::string selected;             // E 1 chosen
    std::string dropped;
};

class SpokenEvents : public testing::TestWithParam<SpokenCase> {
protected:
    void SetUp() override { lang::SetLanguageCode(GetParam().language); }
    void TearDown() override { lang::SetLanguageCode('F'); }
};

// Each event is one short sentence in the interface's language, naming the colour and the
// cells as the board table names them; a capture is worded apart from a step.
TEST_P(SpokenEvents, SayTheEventInTheInterfaceLanguage) {
    const SpokenCase& expected = GetParam();
    EXPECT_EQ(SpokenMove(kRed, kE1, kD1, false, kWhite), expected.red_step_white_next);
    EXPECT_EQ(SpokenMove(kWhite, kA3, kC2, true, kNobody), expected.white_capture);
    EXPECT_EQ(SpokenSelection(kE1), expected.selected);
    EXPECT_EQ(SpokenSelection(0), expected.dropped);
}

INSTANTIATE_TEST_SUITE_P(
    FourLanguages, SpokenEvents,
    testing::Values(SpokenCase{'F', "Rouge, E 1 à D 1. Aux blancs de jouer", "Blanc, A 3 prend C 2",
                               "E 1 sélectionné", "Sélection annulée"},
                    SpokenCase{'A', "Red, E 1 to D 1. White to move", "White, A 3 takes C 2",
                               "E 1 selected", "Selection dropped"},
                    SpokenCase{'E', "Rojas, E 1 a D 1. Juegan las blancas",
                               "Blancas, A 3 captura C 2", "E 1 seleccionada", "Selección anulada"},
                    SpokenCase{'D', "Rot, E 1 nach D 1. Weiß ist am Zug", "Weiß, A 3 schlägt C 2",
                               "E 1 ausgewählt", "Auswahl aufgehoben"}));

// On screen a capture also names the piece taken, unlike a step.
TEST(CaptureShown, NamesThePlayerTheMoveAndThePieceTaken) {
    lang::SetLanguageCode('A');
    EXPECT_EQ(CaptureShown("Ruby", kA3, kC2), "Ruby plays A 3->C 2, taking C 2");
    lang::SetLanguageCode('F');
    EXPECT_EQ(CaptureShown("Ruby", kA3, kC2), "Ruby joue A 3->C 2 et prend C 2");
}

}  // namespace
}  // namespace circumvia::control
