#include "tjeu.h"

namespace circumvia {

Tjeu::Tjeu() {
    Players[kRed].Name = kDefaultRedName;
    Players[kWhite].Name = kDefaultWhiteName;
    ResetGame();
}

void Tjeu::ResetGame() {
    Depth = 7;
    Current = 0;
    Pos = Position::Start();
    SideToMove = kRed;
    Players[kWhite].Pieces = 12;
    Players[kWhite].Kind = 3;
    Players[kRed].Pieces = 12;
    Players[kRed].Kind = kHuman;
    History.Reset();
    History.Set(0, HistoryEntry{Pos, 0, 0, 0});
    Tree.Reset(History[0]);
    FileName = kNoName;
    Result = kInProgress;
}

}  // namespace circumvia
