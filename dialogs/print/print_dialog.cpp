#include "dialogs/print/print_dialog.h"

#include <algorithm>
#include <iterator>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_placement.h"
#include "dialogs/display_text.h"
#include "dialogs/print/game_sheet.h"
#include "dialogs/print/page_preview.h"
#include "dialogs/print/page_thumbnails.h"
#include "dialogs/print/print_job.h"
#include "dialogs/print/print_output.h"
#include "lang/failure_reason.h"
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
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Circumvia"), text, QMessageBox::Ok,
                    parent);
    ShowAsPlainText(box);
    box.exec();
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

    // An entry chosen (activated even when it is the one shown) or set; typed text changes
    // neither the index nor the zoom.
    connect(ZoomComboBox, &QComboBox::activated, this, &TFprint::ZoomComboBoxChange);
    connect(ZoomComboBox, &QComboBox::currentIndexChanged, this, &TFprint::ZoomComboBoxChange);
    connect(PrintPreview1, &PagePreview::ZoomChanged, this, &TFprint::ShowZoomInForce);
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
    ZoomComboBox->setAccessibleName(Label1->text());
    ZoomComboBox->lineEdit()->setAccessibleName(Label1->text());
    ThumbnailPreview1->setAccessibleName(CaptionText(caption::kPrintPages));
    PrintPreview1->setAccessibleName(CaptionText(caption::kPrintPage));
    PrintPreview1->viewport()->setAccessibleName(PrintPreview1->accessibleName());  // the page
    GameSheetBox->setText(CaptionText(caption::kGameSheet));
    GameSheetBox->setToolTip(CaptionText(caption::kGameSheetHint));
    {
        const QSignalBlocker quiet(ZoomComboBox);
        ZoomComboBox->clear();
        for (int k = 0; k < caption::kPrintZoomEntries; ++k)
            ZoomComboBox->addItem(CaptionText(caption::kPrintZoomFirst + k));
    }
    ShowZoomInForce();
}

void TFprint::ShowZoomInForce() {
    constexpr int kPercentEntries = static_cast<int>(std::size(kZoomPercents));
    const PagePreview& preview = *PrintPreview1;
    int entry = -1;
    if (preview.State() == ZoomState::kPercent) {
        const auto* found =
            std::find(std::begin(kZoomPercents), std::end(kZoomPercents), preview.Percent());
        if (found != std::end(kZoomPercents))
            entry = static_cast<int>(found - std::begin(kZoomPercents));
    } else {
        const auto* found = std::find(std::begin(kZoomFits), std::end(kZoomFits), preview.State());
        entry = kPercentEntries + static_cast<int>(found - std::begin(kZoomFits));
    }
    const QSignalBlocker quiet(ZoomComboBox);
    ZoomComboBox->setCurrentIndex(entry);
    if (entry < 0) {
        // Written as the entries write a percentage ("10 %" or "%10").
        ZoomComboBox->setEditText(
            CaptionText(caption::kPrintZoomFirst)
                .replace(QStringLiteral("10"), QString::number(preview.Percent())));
    }
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

void TFprint::ZoomComboBoxChange(int entry) {
    constexpr int kPercentEntries = static_cast<int>(std::size(kZoomPercents));
    if (entry < 0 || entry >= ZoomComboBox->count()) return;
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
    const PrintDocument& document = PrintPreview1->Document();
    RunPageOutput(this, document.page_count, [&](const PageProgress& progress) {
        PrintPages(document, printer, progress);
        return std::error_code();
    });
}

void TFprint::Btn_pdfClick() {
    const QString path = ChoosePdfName(this, pdf_suggestion_);
    if (path.isEmpty()) return;
    const PrintDocument& document = PrintPreview1->Document();
    const std::error_code error =
        RunPageOutput(this, document.page_count, [&](const PageProgress& progress) {
            return WritePdf(document, LocalPath(path), progress).error;
        });
    // A cancelled export is the user's own choice: the old file stays and nothing is said.
    if (!error || error == std::errc::operation_canceled) return;
    ReportFailure(this,
                  QString::fromStdString(lang::CannotWriteMessage(path.toStdString(), error)));
}

void TFprint::showEvent(QShowEvent* event) {
    CentreOnOwner(*this);
    QDialog::showEvent(event);
}

}  // namespace circumvia::dialogs
