#include "dialogs/print/print_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_placement.h"
#include "dialogs/print/game_sheet.h"
#include "dialogs/print/page_preview.h"
#include "dialogs/print/page_thumbnails.h"
#include "dialogs/print/print_output.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/tjeu.h"

namespace circumvia::dialogs {

namespace {

namespace caption = lang::caption;

QString CaptionText(int k) {
    return QString::fromStdString(lang::Caption(lang::CaptionBase() + k));
}

// The zoom list's entries in order: 10, 25, 50, 100, 150 and 200 percent, then the fits.
constexpr int kZoomPercents[] = {10, 25, 50, 100, 150, 200};
constexpr ZoomState kZoomFits[] = {ZoomState::kPageWidth, ZoomState::kPageHeight,
                                   ZoomState::kWholePage};

bool ShowPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString AskPdfName(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(suggested);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void ShowFailure(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QStringLiteral("Circumvia"), text);
}

}  // namespace

TFprint::TFprint(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::WindowStaysOnTopHint),
      ChoosePrinter(ShowPrintDialog),
      ChoosePdfName(AskPdfName),
      ReportFailure(ShowFailure) {
    BuildControls();
}

TFprint::~TFprint() = default;

void TFprint::BuildControls() {
    setFixedSize(kClientWidth, kClientHeight);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Toolbar = new QFrame(this);
    Toolbar->setFrameShape(QFrame::StyledPanel);
    auto* tools = new QHBoxLayout(Toolbar);
    tools->setContentsMargins(6, 4, 6, 4);
    Label1 = new QLabel(Toolbar);
    ZoomComboBox = new QComboBox(Toolbar);
    ZoomComboBox->setEditable(true);
    ZoomComboBox->setInsertPolicy(QComboBox::NoInsert);
    ZoomComboBox->setMinimumContentsLength(10);
    Label1->setBuddy(ZoomComboBox);
    CheckBox2 = new QCheckBox(Toolbar);
    CheckBox1 = new QCheckBox(Toolbar);
    tools->addWidget(Label1);
    tools->addWidget(ZoomComboBox);
    tools->addWidget(CheckBox2);
    tools->addWidget(CheckBox1);
    tools->addStretch();
    column->addWidget(Toolbar);

    auto* pages = new QHBoxLayout;
    pages->setSpacing(0);
    ThumbnailPreview1 = new ThumbnailPreview(this);
    ThumbnailPreview1->setFixedWidth(kThumbnailWidth);
    PrintPreview1 = new PagePreview(this);
    PrintPreview1->setMinimumSize(kPreviewWidth - 1, kPreviewHeight);
    ThumbnailPreview1->SetPreview(PrintPreview1);
    pages->addWidget(ThumbnailPreview1);
    pages->addWidget(PrintPreview1, 1);
    column->addLayout(pages, 1);

    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto* buttons = new QHBoxLayout(Panel1);
    buttons->setContentsMargins(6, 4, 6, 4);
    Btn_close = new QPushButton(Panel1);
    Btn_pdf = new QPushButton(QStringLiteral("PDF…"), Panel1);
    Btn_print = new QPushButton(Panel1);
    // Return confirms a value typed into the zoom list; it must not print.
    for (QPushButton* button : {Btn_close, Btn_pdf, Btn_print}) button->setAutoDefault(false);
    // The game sheet's option sits left of the buttons, where the designed panel is empty.
    GameSheetBox = new QCheckBox(Panel1);
    GameSheetBox->setObjectName(QStringLiteral("GameSheetBox"));
    buttons->addWidget(GameSheetBox);
    buttons->addStretch();
    buttons->addWidget(Btn_close);
    buttons->addWidget(Btn_pdf);
    buttons->addWidget(Btn_print);
    column->addWidget(Panel1);

    // An entry chosen from the list or text typed in: both go through the one handler,
    // which acts only on the list's own entries.
    connect(ZoomComboBox, &QComboBox::currentTextChanged, this, &TFprint::ZoomComboBoxChange);
    connect(CheckBox1, &QCheckBox::clicked, this, &TFprint::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &TFprint::CheckBox2Click);
    connect(GameSheetBox, &QCheckBox::clicked, this, &TFprint::GameSheetBoxClick);
    connect(Btn_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(Btn_print, &QPushButton::clicked, this, &TFprint::Btn_printClick);
    connect(Btn_pdf, &QPushButton::clicked, this, &TFprint::Btn_pdfClick);
}

void TFprint::Relabel() {
    setWindowTitle(CaptionText(caption::kPrintDialog));
    Label1->setText(CaptionText(caption::kPrintZoomLabel));
    CheckBox2->setText(CaptionText(caption::kPrintFast));
    CheckBox2->setToolTip(CaptionText(caption::kPrintFastHint));
    CheckBox1->setText(CaptionText(caption::kPrintDirect));
    CheckBox1->setToolTip(CaptionText(caption::kPrintDirectHint));
    Btn_close->setText(CaptionText(caption::kPrintClose));
    Btn_close->setToolTip(CaptionText(caption::kPrintCloseHint));
    Btn_print->setText(CaptionText(caption::kPrintPrint));
    Btn_print->setToolTip(CaptionText(caption::kPrintPrintHint));
    Btn_pdf->setToolTip(CaptionText(caption::kPrintPdfHint));
    ZoomComboBox->setToolTip(CaptionText(caption::kPrintZoomHint));
    GameSheetBox->setText(CaptionText(caption::kGameSheet));
    GameSheetBox->setToolTip(CaptionText(caption::kGameSheetHint));
    // The entry shown matches the preview's zoom already: selecting it changes nothing.
    const int entry = ZoomComboBox->count() == 0 || ZoomComboBox->currentIndex() < 0
                          ? kWholePageEntry
                          : ZoomComboBox->currentIndex();
    const QSignalBlocker quiet(ZoomComboBox);
    ZoomComboBox->clear();
    for (int k = 0; k < caption::kPrintZoomEntries; ++k)
        ZoomComboBox->addItem(CaptionText(caption::kPrintZoomFirst + k));
    ZoomComboBox->setCurrentIndex(entry);
}

// The game's own file with ".pdf" in place of its suffix, or "Circumvia.pdf" in the
// working directory for a game never saved.
QString SuggestedPdfName(const std::string& game_file) {
    if (game_file.empty() || game_file == kNoName) return QStringLiteral("Circumvia.pdf");
    const QFileInfo file(QString::fromStdString(game_file));
    return file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
}

void TFprint::ComposePrint(const QImage& picture, const Tjeu& game, const GameAnalysis& analysis) {
    Relabel();
    pdf_suggestion_ = SuggestedPdfName(game.FileName);
    compose_ = [picture, game, analysis](bool sheet) {
        return sheet ? ComposeGameSheet(game, analysis, GameDate(game.FileName))
                     : ComposePrintDocument(picture, game);
    };
    PrintPreview1->SetDocument(compose_(GameSheetBox->isChecked()));
}

void TFprint::GameSheetBoxClick() {
    if (compose_) PrintPreview1->SetDocument(compose_(GameSheetBox->isChecked()));
}

void TFprint::ZoomComboBoxChange() {
    // Typed text selects nothing unless it is one of the entries word for word.
    const int entry = ZoomComboBox->findText(ZoomComboBox->currentText(), Qt::MatchExactly);
    constexpr int kPercentEntries = static_cast<int>(std::size(kZoomPercents));
    if (entry < 0) return;
    if (entry < kPercentEntries)
        PrintPreview1->SetZoom(kZoomPercents[entry]);
    else
        PrintPreview1->SetZoomState(kZoomFits[entry - kPercentEntries]);
}

void TFprint::CheckBox1Click() {
    PrintPreview1->SetDirectPrinting(CheckBox1->isChecked());
}

void TFprint::CheckBox2Click() {
    PrintPreview1->SetFastPrinting(CheckBox2->isChecked());
}

void TFprint::Btn_printClick() {
    QPrinter printer(PrintPreview1->PrinterMode());
    PreparePrinter(printer);
    if (!ChoosePrinter(printer, this)) return;
    PrintPreview1->Print(printer);
}

void TFprint::Btn_pdfClick() {
    const QString path = ChoosePdfName(this, pdf_suggestion_);
    if (path.isEmpty()) return;
    if (WritePdf(PrintPreview1->Document(), path)) return;
    const std::string text =
        lang::FormatText(lang::LoadText(lang::message::kCannotWriteFile), {path.toStdString()});
    ReportFailure(this, QString::fromStdString(text));
}

void TFprint::showEvent(QShowEvent* event) {
    CentreOnOwner(*this);
    QDialog::showEvent(event);
}

}  // namespace circumvia::dialogs
