#pragma once
// Games of a chosen length and ways to look at printed pages for the printing tests.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <random>

#include "dialogs/print/print_document.h"
#include "lang/language.h"
#include "model/movegen.h"
#include "model/tjeu.h"

namespace circumvia::dialogs::testing {

// A game between two humans of exactly `moves` random legal moves, still in progress.
inline Tjeu GameOfMoves(int moves) {
    for (unsigned seed = 1;; ++seed) {
        std::mt19937 rng(seed);
        Tjeu game;
        game.Players[kRed].Kind = 0;
        game.Players[kWhite].Kind = 0;
        for (int n = 0; n < moves && game.Result == kInProgress; ++n) {
            const Tlcoup legal = ListAllMoves(game.Pos, game.SideToMove);
            if (legal.empty()) break;
            const Move move = legal[rng() % legal.size()];
            game.ApplyMove(game.Pos, move.From, move.To);
        }
        if (game.Current == moves && game.Result == kInProgress) return game;
    }
}

// The page as the screen would show it at `scale`, on white.
inline QImage RenderPage(const PrintDocument& document, int page, double scale = 1.0) {
    QImage image(qRound(document.page_size.width() * scale),
                 qRound(document.page_size.height() * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawPage(painter, document, page, scale);
    return image;
}

inline bool IsDark(QRgb p) {
    return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
}
inline bool IsPureRed(QRgb p) {
    return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
}
inline bool IsNotWhite(QRgb p) {
    return qRed(p) < 245 || qGreen(p) < 245 || qBlue(p) < 245;
}

// How many pixels of `area` pass `test`.
template <typename Test>
int CountPixels(const QImage& image, QRect area, Test test) {
    area = area.intersected(image.rect());
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// The smallest rectangle holding every pixel that passes `test`.
template <typename Test>
QRect BoundsOf(const QImage& image, Test test) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Sets the language for one test and puts French back afterwards.
class LanguageScope {
public:
    explicit LanguageScope(char code) { lang::SetLanguageCode(code); }
    ~LanguageScope() { lang::SetLanguageCode('F'); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

}  // namespace circumvia::dialogs::testing
