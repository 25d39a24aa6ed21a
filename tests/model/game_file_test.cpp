#include "model/game_file.h"

#include <gtest/gtest.h>

#include "model/position_text.h"
#include "model/record_review.h"
#include "tests/model/game_file_fixtures.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

using testing::Bytes;
using testing::BytesOf;
using testing::Concat;
using testing::Load;
using testing::ScratchFolder;
using testing::ValueLog;

constexpr char kStartText[] = "BBBBBBBBBBBB____________RRRRRRRRRRRR";

Tjeu NewGame() {
    Tjeu game;
    game.Players[kRed].Name = "Rouge";
    game.Players[kWhite].Name = "Blanc";
    return game;
}

Bytes ShortText(std::string_view text) {
    return Concat({{0x06, static_cast<std::uint8_t>(text.size())}, BytesOf(text)});
}

// The new game with its Red name stored as `name_value` (any text type).
Bytes NewGameWithRedName(const Bytes& name_value) {
    return Concat({{0x02, 0x15},
                   ShortText("Noname"),
                   {0x02, 0x01, 0x02, 0x07},
                   ShortText(kStartText),
                   {0x02, 0x00, 0x02, 0x00},
                   name_value,
                   {0x02, 0x0C, 0x02, 0x00},
                   ShortText("Blanc"),
                   {0x02, 0x0C, 0x02, 0x03},
                   ShortText(kStartText),
                   {0x02, 0x00, 0x02, 0x00, 0x02, 0x00}});
}

void ExpectSameGame(const Tjeu& loaded, const Tjeu& saved) {
    EXPECT_EQ(loaded.Pos, saved.Pos);
    EXPECT_EQ(loaded.SideToMove, saved.SideToMove);
    EXPECT_EQ(loaded.Depth, saved.Depth);
    EXPECT_EQ(loaded.Current, saved.Current);
    EXPECT_EQ(loaded.Result, saved.Result);
    for (Side side : {kRed, kWhite}) {
        EXPECT_EQ(loaded.Players[side].Name, saved.Players[side].Name);
        EXPECT_EQ(loaded.Players[side].Pieces, saved.Players[side].Pieces);
        EXPECT_EQ(loaded.Players[side].Kind, saved.Players[side].Kind);
    }
    ASSERT_GE(loaded.History.size(), static_cast<std::size_t>(saved.Current) + 2);
    for (int k = 0; k <= saved.Current; ++k) {
        EXPECT_EQ(loaded.History[static_cast<std::size_t>(k)],
                  saved.History[static_cast<std::size_t>(k)])
            << "entry " << k;
    }
}

TEST(SaveGame, NewGameIsExactlyThe122ExpectedBytes) {
    const Bytes expected = NewGameWithRedName(ShortText("Rouge"));
    ASSERT_EQ(expected.size(), 122u);
    EXPECT_EQ(GameFileBytes(NewGame()), expected);
}

TEST(SaveGame, SmallNegativeAndSixteenBitValuesTakeTheirWidths) {
    Tjeu game = NewGame();
    game.Result = kDrawn;
    game.Depth = 200;
    const Bytes bytes = GameFileBytes(game);
    // 02 15 | 06 06 Noname | 02 01 | depth at offset 12
    EXPECT_EQ(Bytes(bytes.begin() + 12, bytes.begin() + 15), (Bytes{0x03, 0xC8, 0x00}));
    // position (38 bytes) from offset 15, current 02 00 at 53, result at 55
    EXPECT_EQ(Bytes(bytes.begin() + 55, bytes.begin() + 57), (Bytes{0x02, 0xFF}));
}

TEST(SaveGame, ACurrentOf200IsWrittenInTwoBytes) {
    const Bytes bytes = GameFileBytes(testing::LongRecord(200));
    EXPECT_EQ(Bytes(bytes.begin() + 52, bytes.begin() + 55), (Bytes{0x03, 0xC8, 0x00}));
}

TEST(SaveGame, EntriesAfterCurrentAreNotSaved) {
    Tjeu game = testing::PlayedGame(6);
    game.Current = 4;  // as after stepping back: entries 5 and 6 can be replayed
    game.Pos = game.History[4].Cells;
    Tjeu loaded;
    ASSERT_TRUE(Load(loaded, GameFileBytes(game)));
    EXPECT_EQ(loaded.Current, 4);
    EXPECT_EQ(loaded.History[4], game.History[4]);
    EXPECT_EQ(loaded.History[5], HistoryEntry{});
    EXPECT_EQ(loaded.History[6], HistoryEntry{});
}

TEST(LoadGame, ReadsTheNewGameBack) {
    Tjeu loaded;
    loaded.Players[kRed].Name = "x";
    ASSERT_TRUE(Load(loaded, GameFileBytes(NewGame())));
    ExpectSameGame(loaded, NewGame());
}

TEST(LoadGame, AccentedNamesAreUtf8ValuesAndComeBackTheSame) {
    Tjeu game = NewGame();
    game.Players[kRed].Name = "Ren\u00e9e";
    EXPECT_EQ(GameFileBytes(game),
              NewGameWithRedName(Concat({{0x14, 0x06, 0x00, 0x00, 0x00}, BytesOf("Ren\u00e9e")})));
    game.Players[kWhite].Name = "J\u00fcrgen \u4e2d \U0001F600";
    Tjeu loaded;
    ASSERT_TRUE(Load(loaded, GameFileBytes(game)));
    EXPECT_EQ(loaded.Players[kRed].Name, "Ren\u00e9e");
    EXPECT_EQ(loaded.Players[kWhite].Name, "J\u00fcrgen \u4e2d \U0001F600");
}

TEST(LoadGame, ReadsNamesStoredAsUtf16OrLatin1) {
    Tjeu loaded;
    ASSERT_TRUE(Load(loaded, NewGameWithRedName({0x12, 0x03, 0x00, 0x00, 0x00, 'Z', 0x00, 'o', 0x00,
                                                 0xEB, 0x00})));
    EXPECT_EQ(loaded.Players[kRed].Name, "Zo\u00eb");
    ASSERT_TRUE(Load(loaded, NewGameWithRedName({0x06, 0x03, 'Z', 'o', 0xEB})));
    EXPECT_EQ(loaded.Players[kRed].Name, "Zo\u00eb");
}

TEST(LoadGame, A150MoveGameRestoresAll151Entries) {
    const Tjeu game = testing::LongRecord(150);
    Tjeu loaded;
    ASSERT_TRUE(Load(loaded, GameFileBytes(game)));
    ExpectSameGame(loaded, game);
    EXPECT_EQ(loaded.History.size(), 160u);  // grown 20 at a time from 100
    EXPECT_EQ(loaded.History[151], HistoryEntry{});
}

TEST(LoadGame, APlayedGameRoundTrips) {
    Tjeu game = testing::PlayedGame(40);
    game.Result = kWhiteResigned;
    game.Players[kRed].Kind = 5;
    game.Players[kWhite].Kind = kHuman;
    game.Depth = 0;
    Tjeu loaded;
    ASSERT_TRUE(Load(loaded, GameFileBytes(game)));
    ExpectSameGame(loaded, game);
}

TEST(LoadGame, TellsTheListenerEveryValueInOrder) {
    ValueLog log;
    Tjeu loaded;
    ASSERT_TRUE(Load(loaded, GameFileBytes(NewGame()), &log));
    const std::vector<std::string> expected = {"format 21",
                                               "filename Noname",
                                               "side 1",
                                               "depth 7",
                                               std::string("position ") + kStartText,
                                               "current 0",
                                               "result 0",
                                               "red_name Rouge",
                                               "red_pieces 12",
                                               "red_kind 0",
                                               "white_name Blanc",
                                               "white_pieces 12",
                                               "white_kind 3",
                                               std::string("entry 0 ") + kStartText + " 0 0 0"};
    EXPECT_EQ(log.lines, expected);
}

TEST(LoadGame, ValuesAreTakenAsStoredAndBytesByTheirLowByte) {
    Tjeu game = NewGame();
    game.Players[kRed].Pieces = 3;  // not the count on the board
    game.Result = 77;
    game.Depth = 200;  // deeper than any level searches
    Bytes bytes = GameFileBytes(game);
    bytes[10] = 0x03;  // side to move 02 01 becomes 03 01 01: 257, whose low byte is Red
    bytes.insert(bytes.begin() + 12, 0x01);
    Tjeu loaded;
    ASSERT_TRUE(Load(loaded, bytes));
    EXPECT_EQ(loaded.SideToMove, kRed);
    EXPECT_EQ(loaded.Players[kRed].Pieces, 3);
    EXPECT_EQ(loaded.Result, 77);
    EXPECT_EQ(loaded.Depth, kDeepestSearch);
}

// A kind outside human, the levels and the Expert would make the computer search at the file's own
// depth.
TEST(LoadGame, RefusesAPlayerKindNoSaveHolds) {
    const std::pair<Side, int> kinds[] = {{kRed, kMaxLevel + 1}, {kWhite, -1}, {kRed, 256}};
    for (const auto& [side, kind] : kinds) {
        Tjeu game = NewGame();
        game.Players[side].Kind = kind;
        Tjeu loaded;
        EXPECT_FALSE(Load(loaded, GameFileBytes(game))) << kind;
        EXPECT_FALSE(IsComputer(loaded.Players[kRed].Kind)) << kind;  // the reset's kind stays
    }
}

TEST(LoadGame, PositionTextNeedsThirtySixCharactersAndIgnoresMore) {
    const auto with_position = [](std::string_view text) {
        return Concat(
            {{0x02, 0x15}, ShortText("Noname"), {0x02, 0x02, 0x02, 0x03}, ShortText(text)});
    };
    Tjeu loaded;
    EXPECT_FALSE(Load(loaded, with_position(std::string(kStartText).substr(0, 35))));
    EXPECT_EQ(loaded.Pos, Position::Start());  // the reset position stays
    EXPECT_EQ(loaded.SideToMove, kWhite);      // what came before it was kept

    // Longer: the first 36 characters count, so this reading gets on to the next value.
    ValueLog log;
    EXPECT_FALSE(Load(loaded, with_position(std::string(36, 'R') + "BB"), &log));
    EXPECT_EQ(loaded.Pos.Count(kRed), 36);
    EXPECT_EQ(log.lines.back(), "position " + std::string(36, 'R') + "BB");

    // Characters are counted after decoding: 'é' is one character, an empty cell.
    const std::string accented = "R\u00e9" + std::string(34, 'B');
    Bytes file = Concat({{0x02, 0x15},
                         ShortText("Noname"),
                         {0x02, 0x01, 0x02, 0x03},
                         {0x14, static_cast<std::uint8_t>(accented.size()), 0, 0, 0},
                         BytesOf(accented)});
    EXPECT_FALSE(Load(loaded, file));  // ends after the position
    EXPECT_EQ(loaded.Pos[1], kRed);
    EXPECT_EQ(loaded.Pos[2], kEmpty);
    EXPECT_EQ(loaded.Pos[36], kWhite);
}

TEST(LoadGameFile, SetsTheFullPathAndTheNextSaveWritesIt) {
    ScratchFolder folder;
    Tjeu game = testing::PlayedGame(12);
    const auto first = folder / "first.Cva";
    ASSERT_TRUE(SaveGameFile(game, first));
    EXPECT_EQ(game.FileName, first.string());

    Tjeu loaded;
    std::filesystem::create_directory(folder / "sub");
    ASSERT_EQ(LoadGameFile(loaded, folder.path() / "sub" / ".." / "first.Cva"),
              LoadOutcome::kLoaded);
    EXPECT_EQ(loaded.FileName, first.string());
    const auto second = folder / "second.Cva";
    ASSERT_TRUE(SaveGameFile(loaded, second));

    // The same values again, except the file name, which is now the loaded file's path.
    Tjeu expected = testing::PlayedGame(12);
    expected.FileName = first.string();
    EXPECT_EQ(testing::FileBytes(second), GameFileBytes(expected));
    EXPECT_EQ(loaded.FileName, second.string());
}

TEST(LoadGameFile, AFileEndingInsideTheRecordKeepsWhatWasReadBeforeIt) {
    ScratchFolder folder;
    Tjeu game = testing::PlayedGame(30);
    game.Players[kRed] = {"Rita", 9, 2};
    game.Players[kWhite] = {"Walt", 7, 4};
    game.Result = kRedResigned;
    const Bytes whole = GameFileBytes(game);
    const auto path = folder / "cut.Cva";
    // Every entry takes 44 bytes (38 for the text, 2 for each byte); cut inside entry 20.
    const std::size_t record_start = whole.size() - 31 * 44;
    testing::WriteFile(path, Bytes(whole.begin(), whole.begin() + record_start + 20 * 44 + 10));

    Tjeu loaded;
    EXPECT_EQ(LoadGameFile(loaded, path), LoadOutcome::kFormatError);
    // The game stands at the last entry read, where the counter and the record stand.
    const HistoryEntry& last = game.History[19];
    EXPECT_EQ(loaded.Pos, last.Cells);
    EXPECT_EQ(loaded.SideToMove, Opponent(last.Mover));
    EXPECT_EQ(loaded.Players[kRed].Pieces, last.Cells.Count(kRed));
    EXPECT_EQ(loaded.Result, kInProgress);  // the file's result was that of its end
    EXPECT_EQ(loaded.Players[kRed].Name, "Rita");
    EXPECT_EQ(loaded.Players[kWhite].Kind, 4);
    EXPECT_EQ(loaded.FileName, "Noname");
    for (int k = 0; k < 20; ++k) EXPECT_EQ(loaded.History[k], game.History[k]) << k;
    EXPECT_EQ(loaded.History[20], HistoryEntry{});
    // Entries 20..30 are missing, so Current names the last one read.
    EXPECT_EQ(loaded.Current, 19);
}

TEST(LoadGameFile, MissingAndOversizedFiles) {
    ScratchFolder folder;
    Tjeu loaded;
    EXPECT_EQ(LoadGameFile(loaded, folder / "none.Cva"), LoadOutcome::kCannotRead);
    const auto huge = folder / "huge.Cva";
    Bytes bytes = GameFileBytes(NewGame());
    bytes.resize(kMaxGameFileBytes + 1, 0);
    testing::WriteFile(huge, bytes);
    EXPECT_EQ(LoadGameFile(loaded, huge), LoadOutcome::kFormatError);
    EXPECT_EQ(loaded.FileName, "Noname");
    EXPECT_EQ(LoadGameFile(loaded, folder.path()), LoadOutcome::kFormatError);
}

TEST(SaveGameFile, AWriteProtectedFileIsNotReplacedAndTheReasonIsGiven) {
    ScratchFolder folder;
    const auto path = folder / "game.Cva";
    testing::WriteFile(path, BytesOf("protected"));
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    Tjeu game = NewGame();
    const WriteResult result = SaveGameFile(game, path);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error.message(), "Permission denied");
    EXPECT_EQ(game.FileName, "Noname");
    EXPECT_EQ(testing::FileBytes(path), BytesOf("protected"));
}

TEST(SaveGameFile, AFailedSaveKeepsTheFileNameAndCreatesNothing) {
    ScratchFolder folder;
    testing::WriteFile(folder / "plain", BytesOf("a file, not a folder"));
    Tjeu game = NewGame();
    game.FileName = "/somewhere/old.Cva";
    EXPECT_FALSE(SaveGameFile(game, folder / "plain" / "game.Cva"));
    EXPECT_EQ(game.FileName, "/somewhere/old.Cva");
    EXPECT_EQ(testing::FileBytes(folder / "plain"), BytesOf("a file, not a folder"));
}

TEST(SaveGameFile, WritesTheWholeGameWhateverMoveIsBeingLookedAt) {
    Tjeu ended_without_moves = testing::PlayedGame(9);
    ended_without_moves.ApplyMove(ended_without_moves.Pos, 0, 0);
    const Tjeu games[] = {testing::ComputerGame(1, 2, 2024, 400), ended_without_moves,
                          testing::PlayedGame(14)};
    ScratchFolder folder;
    for (const Tjeu& at_end : games) {
        const Bytes whole = GameFileBytes(at_end);
        for (const int viewed : {0, 1, at_end.Current / 2, LastRecordedEntry(at_end) - 1}) {
            Tjeu game = at_end;
            ReviewGoTo(game, viewed);
            const auto path = folder / "game.Cva";
            ASSERT_TRUE(SaveGameFile(game, path));
            EXPECT_EQ(testing::FileBytes(path), whole) << at_end.Current << " viewed " << viewed;
            // Only the file holds the end: the game on the board stays where it was viewed.
            EXPECT_EQ(game.Current, viewed);
        }
    }
}

}  // namespace
}  // namespace circumvia
