#include "tools/cli/bench_positions.h"

namespace circumvia::cli {

namespace {

constexpr BenchPosition kPositions[] = {
    {"BBBBBBBBBBBB____________RRRRRRRRRRRR", 1, "opening"},
    {"BBBBBBBBB_BB_R_B________RRR_RRRRRRRR", 1, "opening"},
    {"BBBBBBBB_BB___B_B_RR__R___R_RRRRRRRR", 2, "opening"},
    {"BBBBBBBB_B_B___BB__R_R_RR__R_RRRRRRR", 2, "opening"},
    {"BBBBBBBB__BB__BB_____R__RRRRRRRRR_RR", 2, "opening"},
    {"BBBBBBB_B_B___B_BBR__RR__R_RR_RRRRRR", 1, "opening"},
    {"BBBBBBB_B__BB_B_B_R__R__RRRRRR_RR_RR", 2, "opening"},
    {"BBBBBBB__BBBBB____RRR____R__RRRRRRRR", 2, "opening"},
    {"BBBBBB_BB_BB_B_____R_R___RRBRRRRR_RR", 1, "opening"},
    {"BBBBBB_BB__BB__B_B____R_RRR_RRRRRRRR", 2, "opening"},
    {"BBBBBB___BB_BBB_B_RR_R____RRRRRR_RRR", 2, "opening"},
    {"BBBRBBBBBB______B_B______RRR_RRRR_RR", 1, "opening"},
    {"BBB_BBBBBB_B___B_BR_R__R_R_RR_RRRRRR", 1, "opening"},
    {"BBBB_BBRB_B_B__B_BR_RRR___RRR_R___RR", 2, "middlegame"},
    {"BBBB_B_BB__R__B_____BR__RR____RR___R", 1, "middlegame"},
    {"BBB_BBBBB_B_________RB___R_R_RRRR_RR", 2, "middlegame"},
    {"BBB___B____B__B___R_____R_____RR__R_", 2, "middlegame"},
    {"BBR___B_________________RB_B__RR___R", 1, "middlegame"},
    {"BRB_RB_____B__B_____R__B______RRRR_R", 2, "middlegame"},
    {"B_BBBBBB_B_B___B____R____RR__RRRRRRR", 1, "middlegame"},
    {"B_BB_BBBBBR_B____BR__R_RRRRR__R_R__R", 2, "middlegame"},
    {"B__BBB__B_B_BBBBB____R_RRRR__R__RRRR", 1, "middlegame"},
    {"_BB_BB__B_BB__B___R___B___R_RRR_R_R_", 2, "middlegame"},
    {"_B_BBBB_RBBBB___B____RR__R__RRRR_RRR", 2, "middlegame"},
    {"_B____BB____RRB_____RB_R_RB___R_RR__", 2, "middlegame"},
    {"B__B___R_________________________B__", 2, "endgame"},
    {"B____B_____B_______R____________R__R", 2, "endgame"},
    {"B____B______R____B_________R__R_____", 2, "endgame"},
    {"B_____B_________________R____BR_R___", 2, "endgame"},
    {"B__________R_B________________R____R", 1, "endgame"},
    {"_BR__B_______________B________R_____", 2, "endgame"},
    {"_B_____________B_______B______R__R_R", 1, "endgame"},
    {"____RB_________B____________BR____R_", 1, "endgame"},
    {"___________B_B______________B_R__R_R", 1, "endgame"},
    {"__________________________B__RR____R", 1, "endgame"},
};

}  // namespace

std::span<const BenchPosition> BenchPositions() {
    return kPositions;
}

}  // namespace circumvia::cli
