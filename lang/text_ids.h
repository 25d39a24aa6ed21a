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

// Texts beyond the designed ones, for the player's comforts: messages 60..69 and caption
// offsets 150..169, numbers the designed texts leave free.
inline constexpr int kSaveQuestion = 60;    // asked before a game with unsaved moves is dropped
inline constexpr int kPieceHasNoMove = 61;  // after the turn message, for a piece with no move

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

// Every message above, for the check that each exists in all four languages.
inline constexpr std::array kAll = {
    kGameFileFilter,  kSaveFileFilter,     kWhitePlays,   kRedPlays,       kInitialising,
    kChoosingPlayers, kYourTurn,           kSearching,    kMovePlayed,     kRedBegins,
    kWhiteBegins,     kDefaultPlayerNames, kGameWon,      kGameDrawn,      kGaveUp,
    kUnreadableFile,  kCannotWriteFile,    kSaveQuestion, kPieceHasNoMove, kMoveNotUnderstood,
    kMoveNotPossible, kNotYourTurn,        kCellEmpty,    kCellRedPiece,   kCellWhitePiece,
    kCellSelected,    kCellDestination,    kPanelSummary, kPanelToMove,    kCursorKeys,
};
}  // namespace message

namespace caption {
// Main window: menu item i has its caption at 2i and its hint at 2i + 1.
inline constexpr int kMainMenuFirst = 0;
inline constexpr int kMainMenuItems = 24;
inline constexpr int kRulesItem = 46;  // also the caption of the rules window
inline constexpr int kAboutItem = 48;

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
inline constexpr int kComfortLast = kAnimationSpeedFirst + kAnimationSpeeds - 1;

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

// Every caption offset the program shows, for the check that each exists in all four
// languages.
inline constexpr auto kAll = [] {
    std::array<int, 2 * kMainMenuItems + 1 + 5 + 20 + 1 + 12 + (kComfortLast - kComfortFirst + 1) +
                        (kAccessLast - kAccessFirst + 1)>
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
    for (int k = kAccessFirst; k <= kAccessLast; ++k) all[n++] = k;
    return all;
}();
}  // namespace caption

}  // namespace circumvia::lang
