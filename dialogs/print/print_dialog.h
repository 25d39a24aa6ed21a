#pragma once
// The print preview: the composed record of a game with a zoom list, page thumbnails, the
// two print modes, and buttons that print it or save it as a PDF file.

#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>
#include <string>

#include "dialogs/print/print_document.h"
#include "dialogs/relabelled_dialog.h"
#include "model/analysis/game_analysis.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPrinter;
class QPushButton;

namespace circumvia {
class Tjeu;
}

namespace circumvia::dialogs {

class PagePreview;
class ThumbnailPreview;

// The PDF name offered for a game saved as `game_file`: the same folder and name with
// ".pdf"; "Circumvia.pdf" for a game never saved.
QString SuggestedPdfName(const std::string& game_file);

class TFprint : public QDialog, public RelabelledDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 489;
    static constexpr int kClientHeight = 472;
    static constexpr int kThumbnailWidth = 145;
    static constexpr int kPreviewWidth = 345;
    static constexpr int kPreviewHeight = 393;
    static constexpr int kWholePageEntry = 8;

    explicit TFprint(QWidget* owner = nullptr);
    ~TFprint() override;

    // Relabels the dialog and composes the whole document from the board picture (a
    // snapshot of the 3D view) and the game's record; the game sheet, when chosen, carries
    // the marks of `analysis`.
    void ComposePrint(const QImage& picture, const Tjeu& game, const GameAnalysis& analysis = {});
    // The zoom list keeps showing the zoom in force when relabelled; the first time that
    // is the whole page, as the preview starts.
    void Relabel() override;

    // Handlers, named after their controls. An entry chosen from the zoom list is applied
    // even when it is the one shown; text typed into it does nothing until an entry is
    // chosen (Return on an entry's exact text chooses it).
    void ZoomComboBoxChange(int entry);
    // The list shows the preview's zoom: its entry, or the percentage when no entry has it.
    void ShowZoomInForce();
    void CheckBox1Click();
    void CheckBox2Click();
    void GameSheetBoxClick();
    void Btn_printClick();
    void Btn_pdfClick();

    // Where the dialog asks the user; tests put their answers here instead.
    // Shows the platform's print dialog for `printer`; true to print.
    std::function<bool(QPrinter& printer, QWidget* parent)> ChoosePrinter;
    // Asks for the PDF file's name, offering `suggested`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> ChoosePdfName;
    // Tells the user that a file could not be written.
    std::function<void(QWidget* parent, const QString& text)> ReportFailure;

    // Controls, named as in the window layout.
    QFrame* Toolbar = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* ZoomComboBox = nullptr;
    QCheckBox* CheckBox2 = nullptr;     // fast printing
    QCheckBox* CheckBox1 = nullptr;     // direct printing
    QCheckBox* GameSheetBox = nullptr;  // the game sheet instead of the designed record
    ThumbnailPreview* ThumbnailPreview1 = nullptr;
    PagePreview* PrintPreview1 = nullptr;
    QFrame* Panel1 = nullptr;
    QPushButton* Btn_close = nullptr;
    QPushButton* Btn_pdf = nullptr;
    QPushButton* Btn_print = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();

    QString pdf_suggestion_;  // the PDF name offered first, from the game's file
    // Composes the designed record (false) or the game sheet (true) of the game shown.
    std::function<PrintDocument(bool sheet)> compose_;
};

}  // namespace circumvia::dialogs
