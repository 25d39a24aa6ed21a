#include "dialogs/rating_text.h"

#include <QLocale>
#include <cmath>

#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/rating/level_ratings.h"

namespace circumvia::dialogs {

namespace {

QLocale LanguageLocale() {
    switch (lang::LanguageCode()) {
        case 'A':
            return QLocale(QLocale::English, QLocale::UnitedStates);
        case 'E':
            return QLocale(QLocale::Spanish, QLocale::Spain);
        case 'D':
            return QLocale(QLocale::German, QLocale::Germany);
        default:
            return QLocale(QLocale::French, QLocale::France);
    }
}

long Whole(double value) {
    return std::lround(value);
}

}  // namespace

QString RatingNumberText(double rating) {
    return LanguageLocale().toString(static_cast<qlonglong>(Whole(rating)));
}

QString RatingChangeText(double change) {
    const long whole = Whole(change);
    if (whole == 0) return QStringLiteral("±0");
    const QString digits = RatingNumberText(static_cast<double>(std::labs(whole)));
    return (whole > 0 ? QStringLiteral("+") : QStringLiteral("−")) + digits;
}

QString LevelRatingText(int level) {
    const std::string rating = RatingNumberText(rating::LevelRating(level)).toStdString();
    return QString::fromStdString(lang::FormatText(lang::LoadText(lang::message::kLevelRating),
                                                   {std::to_string(level), rating}));
}

}  // namespace circumvia::dialogs
