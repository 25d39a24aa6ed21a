#pragma once
// Mnemonics for the menus in every language: each menu title and item gets an underlined
// letter (Alt with it opens a menu, the letter alone chooses in an open menu) that none of
// its neighbours has. The texts come without most of them; they are chosen afresh after each
// change of language.

#include <QStringList>

class QMenuBar;

namespace circumvia::control {

// The texts of one menu (or of the menu bar), each with a mnemonic none of the others has: a
// text's own mnemonic stays; otherwise the first free letter that starts a word, else the
// first free letter or digit. Where letters run short, an earlier text gives its letter up
// for another of its own, so that as many texts as the letters allow get one; a text left
// without stays as it is.
QStringList WithMnemonics(const QStringList& texts);

// Gives the titles of the bar and the items of every menu under it their mnemonics.
void AssignMenuMnemonics(QMenuBar& bar);

}  // namespace circumvia::control
