#pragma once
// The about box: the title picture with the program's version written over its top-right
// corner, and a confirm button. It is never relabelled: the caption and the button read the
// same in every language.

#include <QDialog>

class QLabel;
class QPushButton;

namespace circumvia::dialogs {

class TFAbout : public QDialog {
    Q_OBJECT
public:
    // `version` is the main window's version text; `owner` the window it is centred on.
    TFAbout(const QString& version, QWidget* owner);

    QLabel* Image2 = nullptr;
    QLabel* Label_version = nullptr;
    QPushButton* BitBtn1 = nullptr;

    static constexpr int kClientWidth = 464;
    static constexpr int kClientHeight = 278;
    static constexpr int kVersionRight = 345;  // right edge of the version text
    static constexpr int kVersionTop = 11;
    static constexpr int kVersionPixels = 16;

private:
    void FormCreate(const QString& version);
};

}  // namespace circumvia::dialogs
