#pragma once
// How an open dialog follows a change of language. A dialog that shows numbered texts
// derives from RelabelledDialog as well as QDialog, is created with the main window as
// its parent, and fetches all its texts in Relabel(). The language menu then calls
// RelabelOpenDialogs(main window): every such dialog open at that moment relabels itself
// at once, with no list to register in.

class QWidget;

namespace circumvia::dialogs {

class RelabelledDialog {
public:
    // Replaces every caption, hint and list entry with the text of the current language
    // (lang::CaptionBase() and lang::LoadText at the moment of the call), keeping the
    // user's choices.
    virtual void Relabel() = 0;

protected:
    ~RelabelledDialog() = default;
};

// Relabels every RelabelledDialog among the children (at any depth) of `owner`, dialog or
// other window.
void RelabelOpenDialogs(QWidget& owner);

}  // namespace circumvia::dialogs
