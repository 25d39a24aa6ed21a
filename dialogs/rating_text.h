#pragma once
// Ratings as the program shows them: whole numbers grouped the way the chosen language
// writes them ("1 184", "1,184", "1.184"), and a computer level with its measured rating.

#include <QString>

namespace circumvia::dialogs {

QString RatingNumberText(double rating);
// A change of rating with its sign: "+12", "−7", "±0".
QString RatingChangeText(double change);
// "Level 3 — about 1,184" for computer level 1..kMaxLevel.
QString LevelRatingText(int level);

}  // namespace circumvia::dialogs
