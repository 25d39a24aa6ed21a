#include "tests/reference/reference_search.h"

namespace reference {

namespace {

bool SameCells(const Board& a, const Board& b) {
    for (int n = 1; n <= 36; n++) {
        if (a[n] != b[n]) return false;
    }
    return true;
}

int Count(const Board& p, int value) {
    int n = 0;
    for (int cell = 1; cell <= 36; cell++) {
        if (p[cell] == value) n++;
    }
    return n;
}

bool Recorded(const Game& g, int k) {
    return k >= 0 && k < (int)g.history.size() &&
           (g.history[k].mover == 1 || g.history[k].mover == 2);
}

}  // namespace

Game::Game() {
    depth = 7;
    current = 0;
    for (int n = 1; n <= 36; n++) pos[n] = 0;
    for (int n = 1; n <= 12; n++) pos[n] = 2;
    for (int n = 25; n <= 36; n++) pos[n] = 1;
    sideToMove = 1;
    pieces[2] = 12;
    kind[2] = 3;
    pieces[1] = 12;
    kind[1] = 0;
    history.assign(100, Entry{});
    history[0].cells = pos;
    result = 0;
}

void ApplyMove(Game& g, Board& p, int from, int to) {
    if (g.result != 0) return;
    if (from > 0 && to > 0) {
        p[to] = p[from];
        p[from] = 0;
    }
    if (&p != &g.pos) return;
    g.current = g.current + 1;
    g.pieces[1] = Count(g.pos, 1);
    g.pieces[2] = Count(g.pos, 2);
    if (g.sideToMove == 1) {
        g.sideToMove = 2;
    } else {
        g.sideToMove = 1;
    }
    while ((int)g.history.size() <= g.current + 1) {
        g.history.resize(g.history.size() + 20);
    }
    Entry& e = g.history[g.current];
    e.cells = g.pos;
    e.from = from;
    e.to = to;
    if (from == 0 || to == 0) {
        e.mover = 0;
    } else {
        e.mover = g.pos[to];
    }
    for (int k = g.current + 1; k < (int)g.history.size(); k++) g.history[k] = Entry{};
    EndTest(g);
    if (from == 0 || to == 0) g.result = -1;
}

void EndTest(Game& g) {
    g.result = 0;
    g.pieces[1] = Count(g.pos, 1);
    g.pieces[2] = Count(g.pos, 2);
    if (g.pieces[2] == 0 && g.pieces[1] > 0) {
        g.result = 1;
    } else if (g.pieces[1] == 0 && g.pieces[2] > 0) {
        g.result = 2;
    } else if (g.pieces[1] == 0 && g.pieces[2] == 0) {
        g.result = -1;
    } else if (g.current >= 6) {
        const Board& r = g.history[g.current - 1].cells;
        int count = 0;
        for (int k = 0; k <= g.current - 2; k++) {
            if (SameCells(g.history[k].cells, r)) count++;
        }
        if (count >= 4) g.result = -1;
    }
}

int RepetitionCount(const Game& g, const Board& cells) {
    int count = 0;
    for (int k = 0; k <= g.current - 1; k++) {
        if (SameCells(g.history[k].cells, cells)) count++;
    }
    return count;
}

bool StepBack(Game& g) {
    int i = g.current - 1;
    while (i > 0 && Recorded(g, i) && g.kind[g.history[i].mover] > 0) i = i - 1;
    if (i <= 0) return false;
    if (!Recorded(g, i)) return false;
    g.current = i - 1;
    g.pos = g.history[i - 1].cells;
    g.sideToMove = g.history[i].mover;
    EndTest(g);
    return true;
}

bool StepForward(Game& g) {
    int i = g.current + 1;
    while (i < (int)g.history.size() && Recorded(g, i) && g.kind[g.history[i].mover] > 0) {
        i = i + 1;
    }
    int m = 0;
    if (i < (int)g.history.size()) m = g.history[i].mover;
    if (m == 0 || g.kind[m] > 0) return false;
    if (!Recorded(g, i + 1)) return false;
    g.current = i + 1;
    g.pos = g.history[i + 1].cells;
    g.sideToMove = m;
    EndTest(g);
    return true;
}

int PieceValue(const Board& p, int a) {
    int v = 50;
    if (a != 1 && a != 6 && a != 31 && a != 36) {
        if (OnCircuit(a, kOuter)) v = v + 5 * (int)ScanCaptures(p, kOuter, a).size();
        if (OnCircuit(a, kInner)) v = v + 5 * (int)ScanCaptures(p, kInner, a).size();
    }
    int r = (a - 1) / 6 + 1;
    int k = (a - 1) % 6 + 1;
    for (int dr = -1; dr <= 1; dr++) {
        for (int dk = -1; dk <= 1; dk++) {
            if (dr == 0 && dk == 0) continue;
            int rr = r + dr;
            int kk = k + dk;
            if (rr >= 1 && rr <= 6 && kk >= 1 && kk <= 6 && p[6 * (rr - 1) + kk] == 0) v = v + 1;
        }
    }
    return v;
}

int Evaluate(const Board& p, int side) {
    int s1 = 0;
    int s2 = 0;
    for (int n = 1; n <= 36; n++) {
        if (p[n] == 1) s1 = s1 + PieceValue(p, n);
        if (p[n] == 2) s2 = s2 + PieceValue(p, n);
    }
    if (side == 1) {
        if (s1 == 0) return kLoss;
        if (s2 == 0) return kWin;
        return s1 - s2;
    }
    if (s2 == 0) return kLoss;
    if (s1 == 0) return kWin;
    return s2 - s1;
}

void Search(Game& g, int L, long long penalty, Move& best, int& score, int alpha, int beta) {
    g.nodes++;
    if (L > g.depth) {
        long long leaf = (long long)Evaluate(g.stack[L].cells, g.stack[L].side) - penalty;
        if (leaf < kLoss) leaf = kLoss;
        score = (int)leaf;
        return;
    }
    int opp = g.stack[L].side == 2 ? 1 : 2;
    MoveList moves = ListAllMoves(g.stack[L].cells, g.stack[L].side);
    if (moves.empty()) {
        score = Evaluate(g.stack[L].cells, g.stack[L].side);
        return;
    }
    for (int i = 0; i < (int)moves.size() && alpha < beta; i++) {
        Frame& f = g.stack[L + 1];
        f.cells = g.stack[L].cells;
        f.cells[moves[i].second] = f.cells[moves[i].first];
        f.cells[moves[i].first] = 0;
        f.side = opp;
        f.from = moves[i].first;
        f.to = moves[i].second;
        penalty = penalty + RepetitionCount(g, f.cells);
        if (L == 0 && Evaluate(g.stack[1].cells, g.rootSide) == kWin) {
            best = moves[i];
            return;
        }
        Move childBest{0, 0};
        int childScore = 0;
        Search(g, L + 1, penalty, childBest, childScore, -beta, -alpha);
        int v = -childScore;
        if (v > alpha) {
            alpha = v;
            best = moves[i];
        }
        score = alpha;
    }
}

Move RandomMove(Game& g, const Draw& draw) {
    MoveList moves = ListAllMoves(g.stack[0].cells, g.stack[0].side);
    if (moves.empty()) return {0, 0};
    return moves[draw((int)moves.size())];
}

namespace {
void ClearFrames(Game& g, const Board& p, int side) {
    for (Frame& f : g.stack) f = Frame{};
    g.stack[0].cells = p;
    g.stack[0].side = side;
    g.rootSide = side;
    g.nodes = 0;
}
}  // namespace

Move SuggestMove(Game& g, const Board& p, int side, int depth, const Draw& draw) {
    ClearFrames(g, p, side);
    Move best{0, 0};
    g.depth = depth;
    int score = 0;
    Search(g, 0, 0, best, score, kLoss, kWin);
    if (best.first == 0 || best.second == 0) best = RandomMove(g, draw);
    return best;
}

Move ComputerMove(Game& g, const Board& p, int side, const Draw& draw) {
    int red = Count(p, 1);
    int white = Count(p, 2);
    int balance = side == 2 ? white - red : red - white;
    g.bothComputers = g.kind[1] > 0 && g.kind[2] > 0;
    ClearFrames(g, p, side);
    Move best{0, 0};
    int level = g.kind[side];
    if (level == 0 || level == 1) {
        if (balance < 0) {
            g.depth = 1;
        } else {
            g.depth = draw(2);
        }
    } else if (level == 2) {
        g.depth = 2;
        if (balance >= 0 && draw(3) == 0) {
            g.depth = 0;
        } else if (balance > 3) {
            g.depth = draw(3);
        }
    } else if (level == 3) {
        g.depth = 3;
        if (balance >= 0 && draw(4) == 0) {
            g.depth = 0;
        } else if (balance > 3) {
            g.depth = draw(4);
        }
    } else if (level == 4) {
        if (g.current < 3) {
            g.depth = 0;
        } else if (g.current < 6) {
            g.depth = 2;
        } else {
            g.depth = 3;
        }
        if (balance > 3) g.depth = draw(4);
    } else if (level == 5) {
        if (g.current < 3) {
            g.depth = 0;
        } else if (g.current < 6) {
            g.depth = 2;
        } else if (g.current < 8) {
            g.depth = 3;
        } else {
            g.depth = 4;
        }
        if (balance > 3) g.depth = draw(5);
        if (red < 4 && white < 4) g.depth = 7;
    }
    if (g.bothComputers && g.depth > 0) {
        if (draw(21) % 7 == 0) g.depth = 0;
    }
    if (g.depth < 0) g.depth = 0;
    if (g.depth > 19) g.depth = 19;
    if (g.depth == 0) {
        best = RandomMove(g, draw);
    } else {
        int score = 0;
        Search(g, 0, 0, best, score, kLoss, kWin);
    }
    if (best.first == 0 || best.second == 0) best = RandomMove(g, draw);
    return best;
}

}  // namespace reference
