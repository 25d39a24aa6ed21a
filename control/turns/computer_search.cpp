#include "control/turns/computer_search.h"

#include <QtConcurrent/QtConcurrentRun>

#include "model/endgame/table_location.h"

namespace circumvia::control {

namespace {

ComputerSearch::Outcome SearchOnCopy(const std::atomic<bool>* stop, Tjeu game) {
    game.Engine.StopWhen(stop);
    // The Expert plays endings from the table the program found, when there is one.
    if (!game.Endgame) game.Endgame = endgame::InstalledTable();
    const Move move = game.ComputerMove(game.Pos, game.SideToMove);
    game.Engine.StopWhen(nullptr);
    return {move, std::move(game)};
}

}  // namespace

ComputerSearch::ComputerSearch(const Tjeu& game)
    : future_(QtConcurrent::run(SearchOnCopy, &stop_, game)) {}

ComputerSearch::~ComputerSearch() {
    if (!future_.isValid()) return;  // its result was taken: the thread is done with it
    stop_ = true;
    future_.waitForFinished();
}

Move ComputerSearch::TakeMove(Tjeu& game) {
    Outcome outcome = future_.takeResult();
    game.Depth = outcome.searched.Depth;
    game.BothComputers = outcome.searched.BothComputers;
    game.Random = outcome.searched.Random;
    return outcome.move;
}

}  // namespace circumvia::control
