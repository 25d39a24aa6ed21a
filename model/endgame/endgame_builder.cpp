#include "model/endgame/endgame_builder.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

#include "model/movegen.h"
#include "model/packed_board.h"

namespace circumvia::endgame {

namespace {

using Clock = std::chrono::steady_clock;
using Entry = std::uint64_t;  // the table (bit 63) and the slot
constexpr Entry kSecondTable = Entry{1} << 63;
// A bucket per number of moves; a position may wait in several, the first one counts.
using Buckets = std::vector<std::vector<Entry>>;

constexpr CellMask Bit(int cell) {
    return CellMask{1} << (cell - 1);
}

struct KnownMaterial {
    MaterialIndex index;
    std::vector<Distance> values;
};
using KnownMaterials = std::map<std::pair<int, int>, KnownMaterial>;

Material MaterialOf(SidesMasks position) {
    return {std::popcount(position.own), std::popcount(position.other)};
}

// The moves of the side to move; at most kMaxMovesPerPiece per piece.
using MoveBuffer = std::array<Move, kMaxMovesPerPiece * kMostTablePieces>;

int MovesOf(SidesMasks position, MoveBuffer& moves) {
    Position board;
    for (CellMask own = position.own; own; own &= own - 1) board[std::countr_zero(own) + 1] = kRed;
    for (CellMask other = position.other; other; other &= other - 1) {
        board[std::countr_zero(other) + 1] = kWhite;
    }
    return PackedBoard::From(board).GenerateMoves(kRed, moves.data());
}

// The position after the move, seen from the opponent, now to move.
SidesMasks After(SidesMasks position, Move move) {
    const CellMask own = position.own ^ Bit(move.From) ^ Bit(move.To);
    return {position.other & ~Bit(move.To), own};
}

bool IsCapture(SidesMasks position, Move move) {
    return (position.other & Bit(move.To)) != 0;
}

void Push(Buckets& buckets, int distance, Entry entry) {
    if (buckets.size() <= static_cast<std::size_t>(distance)) buckets.resize(distance + 1);
    buckets[distance].push_back(entry);
}

// Runs work(first, last, local buckets) over [0, count) on `threads` threads and gathers
// what they pushed.
template <typename Work>
void ParallelFor(std::uint64_t count, int threads, Buckets& buckets, Work&& work) {
    std::vector<Buckets> local(threads);
    std::vector<std::thread> workers;
    const std::uint64_t share = (count + threads - 1) / threads;
    for (int t = 0; t < threads; ++t) {
        const std::uint64_t first = std::min(count, share * t);
        const std::uint64_t last = std::min(count, first + share);
        workers.emplace_back([&, t, first, last] { work(first, last, local[t]); });
    }
    for (std::thread& worker : workers) worker.join();
    for (Buckets& part : local) {
        for (std::size_t d = 0; d < part.size(); ++d) {
            if (part[d].empty()) continue;
            if (buckets.size() <= d) buckets.resize(d + 1);
            buckets[d].insert(buckets[d].end(), part[d].begin(), part[d].end());
        }
    }
}

// What the captures of a position say: the soonest win through one, whether one draws,
// and the longest loss.
struct CaptureSummary {
    int soonest_win = 0;  // 0: none
    bool draws = false;
    int longest_loss = 0;
};

// Solves a material and its mirror (b against a) together.
class PairSolver {
public:
    PairSolver(Material material, const KnownMaterials& known, const BuildOptions& options)
        : known_(known), options_(options) {
        tables_.push_back(Table{MaterialIndex(material), {}, {}});
        if (material.own != material.other) {
            tables_.push_back(Table{MaterialIndex({material.other, material.own}), {}, {}});
        }
        threads_ = options.threads > 0 ? options.threads
                                       : std::max(1, int(std::thread::hardware_concurrency()));
    }

    bool Solve() {
        for (Table& table : tables_) {
            total_ += table.index.SlotCount();
            table.values.assign(table.index.SlotCount(), 0);
            table.step_children.assign(table.index.SlotCount(), 0);
        }
        Buckets buckets;
        for (std::size_t t = 0; t < tables_.size(); ++t) ValueFromCaptures(t, buckets);
        if (Cancelled()) return false;
        for (std::size_t d = 1; d < buckets.size(); ++d) {
            if (Cancelled()) return false;
            Report(0.5 + 0.5 * double(resolved_) / double(total_));
            std::vector<Entry> layer = std::move(buckets[d]);
            ParallelFor(layer.size(), threads_, buckets,
                        [&](std::uint64_t first, std::uint64_t last, Buckets& out) {
                            for (std::uint64_t i = first; i < last; ++i) {
                                Resolve(layer[i], static_cast<int>(d), out);
                            }
                        });
        }
        return true;
    }

    Material MaterialAt(std::size_t t) const { return tables_[t].index.Of(); }
    std::size_t TableCount() const { return tables_.size(); }
    std::vector<Distance>& ValuesAt(std::size_t t) { return tables_[t].values; }
    const MaterialIndex& IndexAt(std::size_t t) const { return tables_[t].index; }

private:
    struct Table {
        MaterialIndex index;
        std::vector<Distance> values;
        // Distinct slots a step leads to that are not yet won by the opponent.
        std::vector<std::uint8_t> step_children;
    };

    bool Cancelled() const { return options_.cancel && options_.cancel->load(); }
    void Report(double fraction) const {
        if (options_.progress) options_.progress(tables_[0].index.Of(), fraction);
    }

    // Where a step from table t leads.
    std::size_t StepTable(std::size_t t) const { return tables_.size() == 1 ? 0 : 1 - t; }

    Distance KnownValue(SidesMasks position) const {
        const Material material = MaterialOf(position);
        const KnownMaterial& known = known_.at({material.own, material.other});
        return known.values[known.index.SlotOf(position)];
    }

    CaptureSummary SummariseCaptures(SidesMasks position, const MoveBuffer& moves,
                                     int count) const {
        CaptureSummary summary;
        for (int m = 0; m < count; ++m) {
            if (!IsCapture(position, moves[m])) continue;
            const SidesMasks child = After(position, moves[m]);
            if (child.own == 0) {
                summary.soonest_win = 1;
                continue;
            }
            const EndgameValue before = ValueBefore(ValueOf(KnownValue(child)));
            if (before.outcome == Outcome::Draw) summary.draws = true;
            if (before.outcome == Outcome::Win &&
                (summary.soonest_win == 0 || before.distance < summary.soonest_win)) {
                summary.soonest_win = before.distance;
            }
            if (before.outcome == Outcome::Loss) {
                summary.longest_loss = std::max(summary.longest_loss, before.distance);
            }
        }
        return summary;
    }

    // First pass: the wins and losses the captures decide, and how many steps each
    // position has.
    void ValueFromCaptures(std::size_t t, Buckets& buckets) {
        Table& table = tables_[t];
        const Entry tag = t == 1 ? kSecondTable : 0;
        std::atomic<std::uint64_t> done{0};
        std::mutex mutex;
        std::condition_variable wake;
        bool finished = false;
        std::thread reporter([&] {
            std::unique_lock lock(mutex);
            while (!finished) {
                Report(0.5 * double(passed_ + done.load()) / double(total_));
                wake.wait_for(lock, std::chrono::milliseconds(200));
            }
        });
        ParallelFor(
            table.index.SlotCount(), threads_, buckets,
            [&](std::uint64_t first, std::uint64_t last, Buckets& out) {
                MoveBuffer moves;
                std::vector<Slot> children;
                for (Slot slot = first; slot < last; ++slot) {
                    if ((slot & 0xfff) == 0) {
                        done += std::min<std::uint64_t>(0x1000, last - slot);
                        if (Cancelled()) return;
                    }
                    if (!table.index.IsCanonical(slot)) continue;
                    const SidesMasks position = table.index.PositionAt(slot);
                    const int count = MovesOf(position, moves);
                    if (count == 0) continue;  // no move: a draw
                    children.clear();
                    const MaterialIndex& steps = tables_[StepTable(t)].index;
                    for (int m = 0; m < count; ++m) {
                        if (IsCapture(position, moves[m])) continue;
                        children.push_back(steps.SlotOf(After(position, moves[m])));
                    }
                    std::sort(children.begin(), children.end());
                    children.erase(std::unique(children.begin(), children.end()), children.end());
                    table.step_children[slot] = static_cast<std::uint8_t>(children.size());
                    const CaptureSummary captures = SummariseCaptures(position, moves, count);
                    if (captures.soonest_win > 0) {
                        Push(out, captures.soonest_win, tag | slot);
                    } else if (children.empty() && !captures.draws) {
                        Push(out, captures.longest_loss, tag | slot);
                    }
                }
            });
        {
            const std::lock_guard lock(mutex);
            finished = true;
        }
        wake.notify_one();
        reporter.join();
        passed_ += table.index.SlotCount();
    }

    // Settles the entry at `distance` moves unless settled sooner, and passes the news to
    // the positions one step before it.
    void Resolve(Entry entry, int distance, Buckets& out) {
        const std::size_t t = (entry & kSecondTable) ? 1 : 0;
        const Slot slot = entry & ~kSecondTable;
        Table& table = tables_[t];
        Distance unresolved = 0;
        if (!std::atomic_ref<Distance>(table.values[slot])
                 .compare_exchange_strong(unresolved, static_cast<Distance>(distance))) {
            return;
        }
        ++resolved_;
        const std::size_t before_t = StepTable(t);
        Table& before_table = tables_[before_t];
        const Entry before_tag = before_t == 1 ? kSecondTable : 0;
        const bool lost = distance % 2 == 0;
        for (Slot before : StepsBefore(table.index.PositionAt(slot), before_table.index)) {
            if (std::atomic_ref<Distance>(before_table.values[before]).load() != 0) continue;
            if (lost) {
                Push(out, distance + 1, before_tag | before);
            } else if (std::atomic_ref<std::uint8_t>(before_table.step_children[before])
                           .fetch_sub(1) == 1) {
                // Every step of `before` now leads to a win of the opponent.
                const SidesMasks position = before_table.index.PositionAt(before);
                MoveBuffer moves;
                const CaptureSummary captures =
                    SummariseCaptures(position, moves, MovesOf(position, moves));
                if (captures.soonest_win == 0 && !captures.draws) {
                    Push(out, std::max(captures.longest_loss, distance + 1), before_tag | before);
                }
            }
        }
    }

    // The distinct slots of the positions from which one step of the side that just moved
    // leads to `position`.
    static std::vector<Slot> StepsBefore(SidesMasks position, const MaterialIndex& index) {
        std::vector<Slot> slots;
        const CellMask occupied = position.own | position.other;
        for (CellMask movers = position.other; movers; movers &= movers - 1) {
            const int to = std::countr_zero(movers) + 1;
            for (std::uint8_t from : NeighboursOf(to)) {
                if (occupied & Bit(from)) continue;
                const SidesMasks before{position.other ^ Bit(to) ^ Bit(from), position.own};
                slots.push_back(index.SlotOf(before));
            }
        }
        std::sort(slots.begin(), slots.end());
        slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
        return slots;
    }

    const KnownMaterials& known_;
    const BuildOptions& options_;
    std::vector<Table> tables_;
    int threads_ = 1;
    std::uint64_t total_ = 0;
    std::uint64_t passed_ = 0;
    std::atomic<std::uint64_t> resolved_{0};
};

ResultCounts CountResults(const MaterialIndex& index, const std::vector<Distance>& values) {
    ResultCounts counts;
    for (Slot slot = 0; slot < index.SlotCount(); ++slot) {
        if (!index.IsCanonical(slot)) continue;
        const std::uint64_t images = static_cast<std::uint64_t>(index.ImageCount(slot));
        const EndgameValue value = ValueOf(values[slot]);
        if (value.outcome == Outcome::Win) counts.wins += images;
        if (value.outcome == Outcome::Draw) counts.draws += images;
        if (value.outcome == Outcome::Loss) counts.losses += images;
        counts.longest = std::max(counts.longest, value.distance);
    }
    return counts;
}

bool IsWritten(const std::filesystem::path& file, Material material) {
    std::string why;
    return MappedMaterial::Open(file, material, why) != nullptr;
}

// A material already written by an earlier build, read back whole.
void ReuseWritten(const std::filesystem::path& file, Material material, KnownMaterials& known,
                  BuildReport& report) {
    std::string why;
    const auto mapped = MappedMaterial::Open(file, material, why);
    KnownMaterial entry{MaterialIndex(material), std::vector<Distance>(mapped->SlotCount())};
    for (Slot slot = 0; slot < mapped->SlotCount(); ++slot) entry.values[slot] = mapped->At(slot);
    report.materials.push_back({material, mapped->Counts(), mapped->SlotCount(), true, 0});
    known.emplace(std::pair{material.own, material.other}, std::move(entry));
}

}  // namespace

std::vector<Material> MaterialsUpTo(int pieces) {
    std::vector<Material> materials;
    for (int total = 2; total <= pieces; ++total) {
        for (int own = 1; own < total; ++own) materials.push_back({own, total - own});
    }
    return materials;
}

BuildReport BuildEndgameTable(const BuildOptions& options) {
    BuildReport report;
    KnownMaterials known;
    for (const Material material : MaterialsUpTo(options.pieces)) {
        if (material.own > material.other) continue;  // solved with its mirror
        const Material mirror{material.other, material.own};
        const auto file = options.folder / MaterialFileName(material);
        const auto mirror_file = options.folder / MaterialFileName(mirror);
        if (IsWritten(file, material) && IsWritten(mirror_file, mirror)) {
            ReuseWritten(file, material, known, report);
            if (mirror != material) ReuseWritten(mirror_file, mirror, known, report);
            continue;
        }
        const auto start = Clock::now();
        PairSolver solver(material, known, options);
        if (!solver.Solve()) {
            report.cancelled = true;
            return report;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        for (std::size_t t = 0; t < solver.TableCount(); ++t) {
            const Material solved = solver.MaterialAt(t);
            const ResultCounts counts = CountResults(solver.IndexAt(t), solver.ValuesAt(t));
            const auto target = options.folder / MaterialFileName(solved);
            if (const auto error = WriteMaterialFile(target, solved, solver.ValuesAt(t), counts)) {
                report.error = target.string() + ": " + error.message();
                return report;
            }
            report.materials.push_back(
                {solved, counts, solver.IndexAt(t).SlotCount(), false, seconds});
            known.insert_or_assign(std::pair{solved.own, solved.other},
                                   KnownMaterial{solver.IndexAt(t), std::move(solver.ValuesAt(t))});
        }
    }
    return report;
}

}  // namespace circumvia::endgame
