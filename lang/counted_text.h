#pragma once
// A count written with its noun in the current language: "1 blunder", "2 blunders", and in
// French "0 gaffe". Each counted noun is two caption rows, its singular and its plural, with
// "%s" where the number goes, so every language words both forms its own way.

#include <string>

#include "lang/text_ids.h"

namespace circumvia::lang {

struct CountedNoun {
    int singular = 0;  // caption offsets
    int plural = 0;
};

inline constexpr CountedNoun kInaccuracies{caption::kCountInaccuracy, caption::kCountInaccuracies};
inline constexpr CountedNoun kMistakes{caption::kCountMistake, caption::kCountMistakes};
inline constexpr CountedNoun kBlunders{caption::kCountBlunder, caption::kCountBlunders};
inline constexpr CountedNoun kPieces{caption::kCountPiece, caption::kCountPieces};
inline constexpr CountedNoun kStars{caption::kCountStar, caption::kCountStars};
inline constexpr CountedNoun kDays{caption::kCountDay, caption::kCountDays};
inline constexpr CountedNoun kPositions{caption::kCountPosition, caption::kCountPositions};
// As it follows "of" ("3 of 40 moves"): German puts it in the dative.
inline constexpr CountedNoun kMovesOf{caption::kCountMoveOf, caption::kCountMovesOf};

// Whether `count` takes the singular in the language with letter `code`: one does in
// every language, and zero too in French.
bool TakesSingular(char code, long long count);

// `count` written into its noun's singular or plural row in the current language.
std::string CountedText(long long count, CountedNoun noun);

}  // namespace circumvia::lang
