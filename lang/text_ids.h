#pragma once
// Names of the numbered texts the program shows. Messages are fetched with LoadText(n),
// which adds the current language's offset; caption offsets k are read as
// CaptionBase() + k (or a given base + k when a window is relabelled).

#include <array>

namespace circumvia::lang {

namespace message {
inline constexpr int kGameFileFilter = 1;  // open dialog
inline constexpr int kSaveFileFilter = 2;  // save dialog
inline constexpr int kWhitePlays = 3;      // printed caption: "White play %s"
inline constexpr int kRedPlays = 4;        // printed caption: "Red play %s"
inline constexpr int kInitialising = 5;
inline constexpr int kChoosingPlayers = 6;
inline constexpr int kYourTurn = 7;
inline constexpr int kSearching = 8;
inline constexpr int kMovePlayed = 9;
inline constexpr int kRedBegins = 10;
inline constexpr int kWhiteBegins = 11;
inline constexpr int kDefaultPlayerNames = 12;
inline constexpr int kGameWon = 17;
inline constexpr int kGameDrawn = 18;
inline constexpr int kGaveUp = 19;
inline constexpr int kUnreadableFile = 20;
inline constexpr int kCannotWriteFile = 30;  // the PDF export; "%s" the file's name

// Why a file could not be written (messages 31..38), told under kCannotWriteFile, and the
// page a long print job is drawing (39).
inline constexpr int kReasonDiskFull = 31;
inline constexpr int kReasonWriteProtected = 32;
inline constexpr int kReasonNotAFile = 33;
inline constexpr int kReasonNoFolder = 34;
inline constexpr int kReasonTooLarge = 35;
inline constexpr int kReasonLinkLoop = 36;
inline constexpr int kReasonNameTooLong = 37;
inline constexpr int kReasonSystem = 38;  // "%s" the system's own words
inline constexpr int kPrintingPage = 39;  // "%s" the page, "%s" the page count

// Texts beyond the designed ones, for the player's comforts: messages 60..69 and caption
// offsets 150..169, numbers the designed texts leave free.
inline constexpr int kSaveQuestion = 60;    // asked before a game with unsaved moves is dropped
inline constexpr int kPieceHasNoMove = 61;  // after the turn message, for a piece with no move
inline constexpr int kSaveFailed = 66;      // "%s" the system's reason

// Messages 62..65 and caption offsets 170..179: the hint played from its window and the
// end of a game.
inline constexpr int kGameOverTitle = 62;  // the title of the message that names the winner

// Playing by keys and reading the board aloud: messages 40..59.
inline constexpr int kMoveNotUnderstood = 40;  // "%s" the typed text
inline constexpr int kMoveNotPossible = 41;    // "%s" the move in notation
inline constexpr int kNotYourTurn = 42;
inline constexpr int kCellEmpty = 43;  // a cell's content and state, as read aloud
inline constexpr int kCellRedPiece = 44;
inline constexpr int kCellWhitePiece = 45;
inline constexpr int kCellSelected = 46;
inline constexpr int kCellDestination = 47;
inline constexpr int kPanelSummary = 48;  // "%s: %s pieces, %s": side, count, player's kind
inline constexpr int kPanelToMove = 49;
inline constexpr int kCursorKeys = 50;  // said when the keyboard cursor comes on

// Level ratings and rated games (messages 80..89).
inline constexpr int kLevelRating = 80;       // "%s" the level, "%s" its rating
inline constexpr int kRatingAfterGame = 81;   // "%s" the player, "%s" the rating, "%s" the change
inline constexpr int kNoRatedGames = 82;      // the ratings window without players
inline constexpr int kRatedGameStarted = 83;  // "%s" the player, "%s" the rating, "%s" the level

// The review of a game (messages 70..79).
inline constexpr int kReviewSummary = 70;     // a player's errors and average loss
inline constexpr int kReviewMoveDetail = 71;  // the move on the board against the best one
inline constexpr int kReviewProgress = 72;    // "%d of %d moves"
inline constexpr int kReviewStopped = 73;
inline constexpr int kSheetPlayers = 74;  // the game sheet's header: names and kinds
inline constexpr int kSheetResult = 75;   // its result and date
inline constexpr int kSheetInProgress = 76;
inline constexpr int kSheetBetterMove = 77;  // after a mistake's caption
inline constexpr int kReviewComplete = 78;

// Every message above, for the check that each exists in all four languages.
inline constexpr std::array kAll = {
    kGameFileFilter,    kSaveFileFilter,    kWhitePlays,
    kRedPlays,          kInitialising,      kChoosingPlayers,
    kYourTurn,          kSearching,         kMovePlayed,
    kRedBegins,         kWhiteBegins,       kDefaultPlayerNames,
    kGameWon,           kGameDrawn,         kGaveUp,
    kUnreadableFile,    kCannotWriteFile,   kSaveQuestion,
    kPieceHasNoMove,    kReasonDiskFull,    kReasonWriteProtected,
    kReasonNotAFile,    kReasonNoFolder,    kReasonTooLarge,
    kReasonLinkLoop,    kReasonNameTooLong, kReasonSystem,
    kPrintingPage,      kSaveFailed,        kGameOverTitle,
    kMoveNotUnderstood, kMoveNotPossible,   kNotYourTurn,
    kCellEmpty,         kCellRedPiece,      kCellWhitePiece,
    kCellSelected,      kCellDestination,   kPanelSummary,
    kPanelToMove,       kCursorKeys,        kLevelRating,
    kRatingAfterGame,   kNoRatedGames,      kRatedGameStarted,
    kReviewSummary,     kReviewMoveDetail,  kReviewProgress,
    kReviewStopped,     kSheetPlayers,      kSheetResult,
    kSheetInProgress,   kSheetBetterMove,   kReviewComplete,
};
}  // namespace message

namespace caption {
// Main window: menu item i has its caption at 2i and its hint at 2i + 1.
inline constexpr int kMainMenuFirst = 0;
inline constexpr int kMainMenuItems = 24;
inline constexpr int kFileMenu = 0;
inline constexpr int kNewItem = 2;
inline constexpr int kOpenItem = 4;
inline constexpr int kSaveItem = 6;
inline constexpr int kSaveAsItem = 8;
inline constexpr int kPrintItem = 10;
inline constexpr int kExitItem = 12;
inline constexpr int kEditMenu = 14;
inline constexpr int kZoomInItem = 16;
inline constexpr int kZoomOutItem = 18;
inline constexpr int kRotateItem = 20;
inline constexpr int kInvertItem = 22;
inline constexpr int kBackItem = 24;
inline constexpr int kForwardItem = 26;
inline constexpr int kSuggestItem = 28;
inline constexpr int kView3DItem = 30;
inline constexpr int kView2DItem = 32;
inline constexpr int kRefreshItem = 34;
inline constexpr int kOptionsMenu = 36;
inline constexpr int kSoundItem = 38;
inline constexpr int kTexturesItem = 40;
inline constexpr int kPossibleMovesItem = 42;
inline constexpr int kHelpMenu = 44;
inline constexpr int kRulesItem = 46;  // also the caption of the rules window
inline constexpr int kAboutItem = 48;  // a caption without a hint

// Move-suggestion dialog.
inline constexpr int kSuggestDialog = 50;
inline constexpr int kSuggestClose = 52;
inline constexpr int kSuggestCloseHint = 53;
inline constexpr int kSuggestCurrent = 54;
inline constexpr int kSuggestProposal = 55;

// Print preview.
inline constexpr int kPrintDialog = 60;
inline constexpr int kPrintZoomLabel = 61;
inline constexpr int kPrintFast = 62;
inline constexpr int kPrintFastHint = 63;
inline constexpr int kPrintDirect = 64;
inline constexpr int kPrintDirectHint = 65;
inline constexpr int kPrintClose = 66;
inline constexpr int kPrintCloseHint = 67;
inline constexpr int kPrintPrint = 68;
inline constexpr int kPrintPrintHint = 69;
inline constexpr int kPrintZoomHint = 70;
inline constexpr int kPrintZoomFirst = 71;  // 71..79: 10 % .. whole page
inline constexpr int kPrintZoomEntries = 9;
inline constexpr int kPrintPdfHint = 92;  // the PDF button's hint

// Player set-up dialog.
inline constexpr int kSetupDialog = 80;
inline constexpr int kSetupName = 81;
inline constexpr int kSetupKind = 82;
inline constexpr int kSetupWhiteGroup = 83;
inline constexpr int kSetupRedGroup = 84;
inline constexpr int kSetupConfirm = 85;
inline constexpr int kSetupKindFirst = 86;  // 86..91: human, computer levels 1..5
inline constexpr int kSetupKinds = 6;

// The endgame table and the Expert level (offsets 750..799).
inline constexpr int kExpertKind = 750;  // the sixth kind of player: the Expert
inline constexpr int kEndgameFirst = kExpertKind;
inline constexpr int kEndgameLast = kExpertKind;

// The caption naming a kind of player: human, a designed level or the Expert.
constexpr int KindCaption(int kind) {
    return kind >= kSetupKinds ? kExpertKind : kSetupKindFirst + (kind < 0 ? 0 : kind);
}

// The move list, the save question's answers and the animation speed (offsets 150..169).
inline constexpr int kMoveList = 150;  // the list's title and its Edit menu item
inline constexpr int kMoveListHint = 151;
inline constexpr int kMoveListStart = 152;  // the row of the starting position
inline constexpr int kAnswerSave = 153;
inline constexpr int kAnswerDiscard = 154;
inline constexpr int kAnswerCancel = 155;
inline constexpr int kAnimationSpeed = 156;
inline constexpr int kAnimationSpeedHint = 157;
inline constexpr int kAnimationSpeedFirst = 158;  // 158..160: as designed, fast, instant
inline constexpr int kAnimationSpeeds = 3;
inline constexpr int kComfortFirst = kMoveList;
// A long print job's Cancel button, and the status bar's word when the settings could not
// be written (offsets 350..369).
inline constexpr int kCancelJob = 350;
inline constexpr int kSettingsNotSaved = 351;
inline constexpr int kHardeningFirst = kCancelJob;
inline constexpr int kHardeningLast = kSettingsNotSaved;
inline constexpr int kComfortLast = kAnimationSpeedFirst + kAnimationSpeeds - 1;
// Rated games and the ratings window (offsets 250..289).
inline constexpr int kRatedGame = 250;  // the set-up dialog's choice; its hint follows
inline constexpr int kRatedGameHint = 251;
inline constexpr int kRatingsItem = 252;  // the Help menu item and the window's title
inline constexpr int kRatingsColumnPlayer = 254;
inline constexpr int kRatingsColumnRating = 255;
inline constexpr int kRatingsColumnGames = 256;
inline constexpr int kRatingsGraph = 257;
inline constexpr int kRatingsClose = 258;
inline constexpr int kRatingFirst = kRatedGame;
inline constexpr int kRatingLast = kRatingsClose;

// The hint window's button that plays the proposed move (offsets 170..179).
inline constexpr int kSuggestPlay = 170;
inline constexpr int kSuggestPlayHint = 171;

// Playing by keys and reading the board aloud (offsets 300..349).
inline constexpr int kMoveEntry = 300;  // the move entry's accessible name
inline constexpr int kMoveEntryHint = 301;
inline constexpr int kBoardName = 302;
inline constexpr int kMoveListNumber = 303;  // the move list's three column headers
inline constexpr int kMoveListPlayer = 304;
inline constexpr int kMoveListMove = 305;
inline constexpr int kCoordinates = 306;  // Parameters menu item and its hint
inline constexpr int kCoordinatesHint = 307;
inline constexpr int kKeyboardCursor = 308;  // Edit menu item and its hint
inline constexpr int kKeyboardCursorHint = 309;
inline constexpr int kStatusMessages = 310;  // the status bar's message panel
inline constexpr int kSetupDie = 311;        // the set-up's die, as read aloud
inline constexpr int kPrintPages = 312;      // the print preview's page list and page
inline constexpr int kPrintPage = 313;
inline constexpr int kAccessFirst = kMoveEntry;
inline constexpr int kAccessLast = kPrintPage;

// The review of a game and the game sheet (offsets 200..249).
inline constexpr int kAnalyseItem = 200;
inline constexpr int kNextMistakeItem = 202;
inline constexpr int kPreviousMistakeItem = 204;
inline constexpr int kEvaluation = 206;  // the graph's title and its Edit menu item
inline constexpr int kEvaluationHint = 207;
inline constexpr int kGameSheet = 208;  // the print preview's option
inline constexpr int kGameSheetHint = 209;
inline constexpr int kReviewFirst = kAnalyseItem;
inline constexpr int kReviewLast = kGameSheetHint;

// Every caption offset the program shows, for the check that each exists in all four
// languages.
inline constexpr auto kAll = [] {
    std::array<int, 2 * kMainMenuItems + 1 + 5 + 20 + 1 + 12 + (kComfortLast - kComfortFirst + 1) +
                        (kHardeningLast - kHardeningFirst + 1) + 2 +
                        (kAccessLast - kAccessFirst + 1) + (kRatingLast - kRatingFirst + 1) +
                        (kReviewLast - kReviewFirst + 1) + (kEndgameLast - kEndgameFirst + 1)>
        all{};
    std::size_t n = 0;
    for (int k = 0; k < 2 * kMainMenuItems; ++k) all[n++] = kMainMenuFirst + k;
    all[n++] = kAboutItem;
    for (int k :
         {kSuggestDialog, kSuggestClose, kSuggestCloseHint, kSuggestCurrent, kSuggestProposal})
        all[n++] = k;
    for (int k = kPrintDialog; k < kPrintZoomFirst + kPrintZoomEntries; ++k) all[n++] = k;
    all[n++] = kPrintPdfHint;
    for (int k = kSetupDialog; k < kSetupKindFirst + kSetupKinds; ++k) all[n++] = k;
    for (int k = kComfortFirst; k <= kComfortLast; ++k) all[n++] = k;
    for (int k = kHardeningFirst; k <= kHardeningLast; ++k) all[n++] = k;
    all[n++] = kSuggestPlay;
    all[n++] = kSuggestPlayHint;
    for (int k = kAccessFirst; k <= kAccessLast; ++k) all[n++] = k;
    for (int k = kRatingFirst; k <= kRatingLast; ++k) all[n++] = k;
    for (int k = kReviewFirst; k <= kReviewLast; ++k) all[n++] = k;
    for (int k = kEndgameFirst; k <= kEndgameLast; ++k) all[n++] = k;
    return all;
}();
}  // namespace caption

}  // namespace circumvia::lang
