#include "dialogs/setup_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/dialog_placement.h"
#include "dialogs/die_control.h"
#include "dialogs/display_text.h"
#include "dialogs/rating_text.h"
#include "lang/kind_caption.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::dialogs {

namespace {

constexpr int kFirstMoverWidth = 233;
constexpr int kFirstMoverPixels = 19;

QString CaptionText(int base, int k) {
    return QString::fromStdString(lang::Caption(base + k));
}

// A label's words without its colon ("Name :" gives "Name").
QString Bare(QString label) {
    while (!label.isEmpty() && (label.back() == u':' || label.back().isSpace())) label.chop(1);
    return label;
}

// Screen readers name each list by its side and its label ("White, Kind"): the two groups
// have the same labels.
// The kind list's name carries its value: screen readers read a list's value on
// arrival, and a changed name of the list that has the focus as it changes.
void NamePlayerGroup(const QGroupBox& group, const QLabel& kind_label, QComboBox& kinds,
                     const QLabel& name_label, QComboBox& names) {
    const QString side = group.title() + QStringLiteral(", ");
    kinds.setAccessibleName(side + Bare(kind_label.text()) + QStringLiteral(": ") +
                            kinds.currentText());
    names.setAccessibleName(side + Bare(name_label.text()));
    if (QLineEdit* line = names.lineEdit()) line->setAccessibleName(names.accessibleName());
}

QString MessageText(int number) {
    return QString::fromStdString(lang::LoadText(number));
}

// The kind list's entries for a kind; kinds outside 0..5 show as the nearest entry.
int KindIndex(int kind) {
    return std::clamp(kind, kHuman, kMaxLevel);
}

QGroupBox* PlayerGroup(QLabel*& kind_label, QComboBox*& kinds, QLabel*& level_label,
                       QLabel*& name_label, QComboBox*& names, QWidget* parent) {
    auto* group = new QGroupBox(parent);
    auto* grid = new QGridLayout(group);
    kind_label = new QLabel(group);
    kinds = new QComboBox(group);
    name_label = new QLabel(group);
    level_label = new QLabel(group);
    names = new QComboBox(group);
    names->setEditable(true);
    // Typed names join the list only through the remembering rule, on confirmation.
    names->setInsertPolicy(QComboBox::NoInsert);
    // No buddy for the kind list: screen readers would read the label for it and never its
    // own name, which carries the kind chosen.
    name_label->setBuddy(names);
    grid->addWidget(kind_label, 0, 0);
    grid->addWidget(kinds, 0, 1);
    grid->addWidget(level_label, 1, 1);
    grid->addWidget(name_label, 2, 0);
    grid->addWidget(names, 2, 1);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    return group;
}

}  // namespace

TFSetup::TFSetup(QString& player_names, QWidget* owner)
    : QDialog(owner), player_names_(player_names) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint);
    setModal(true);

    GroupBox1 = PlayerGroup(lab_kind1, CB_1, Lab_level1, Lab_nom1, CB_nom1, this);
    GroupBox2 = PlayerGroup(Lab_kind2, CB_2, Lab_level2, Lab_nom2, CB_nom2, this);

    GroupBox3 = new QGroupBox(this);
    auto* die_row = new QHBoxLayout(GroupBox3);
    Des = new TDieControl(GroupBox3);
    Lab_main = new QLabel(GroupBox3);
    Lab_main->setFixedWidth(kFirstMoverWidth);
    Lab_main->setWordWrap(true);
    QFont font = Lab_main->font();
    font.setPixelSize(kFirstMoverPixels);
    Lab_main->setFont(font);
    QPalette palette = Lab_main->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    Lab_main->setPalette(palette);
    die_row->addWidget(Des);
    die_row->addWidget(Lab_main);
    die_row->addStretch(1);

    CB_rated = new QCheckBox(this);
    Lab_rated = new QLabel(this);
    Lab_rated->setWordWrap(true);
    Lab_rated->hide();  // shown, with room made for it, only while a rated game is planned
    BitBtn1 = new QPushButton(this);
    BitBtn1->setDefault(true);
    CancelButton = new QPushButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(CancelButton);
    buttons->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->addWidget(GroupBox1);
    column->addWidget(GroupBox2);
    column->addWidget(GroupBox3);
    column->addWidget(CB_rated);
    column->addWidget(Lab_rated);
    column->addStretch(1);
    column->addLayout(buttons);

    connect(Des, &TDieControl::OnChange, this, &TFSetup::DesChange);
    connect(Des, &TDieControl::OnClick, this, &TFSetup::DesClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TFSetup::BitBtn1Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    for (auto [kinds, level] : {std::pair{CB_1, Lab_level1}, std::pair{CB_2, Lab_level2}}) {
        connect(kinds, &QComboBox::currentIndexChanged, this, [this, kinds, level] {
            ShowLevelRatings();
            UpdateRatedChoice();
            NamePlayerGroup(*GroupBox1, *lab_kind1, *CB_1, *Lab_nom1, *CB_nom1);
            NamePlayerGroup(*GroupBox2, *Lab_kind2, *CB_2, *Lab_nom2, *CB_nom2);
            if (kinds->hasFocus()) {
                const QString rating = level->text();
                Q_EMIT KindSpoken(rating.isEmpty()
                                      ? kinds->currentText()
                                      : kinds->currentText() + QStringLiteral(", ") + rating);
            }
        });
    }
    connect(CB_rated, &QCheckBox::toggled, this, &TFSetup::RatedToggled);
    for (QComboBox* names : {CB_nom1, CB_nom2}) {
        // The words follow the typing; the boxes move only once the name is given.
        connect(names, &QComboBox::editTextChanged, this, [this] { ShowRatedPlan(false); });
        connect(names->lineEdit(), &QLineEdit::editingFinished, this,
                [this] { ShowRatedPlan(true); });
    }

    setFixedSize(kClientWidth, kClientHeight);
    FormCreate();
    CentreOnOwner(*this);
}

void TFSetup::FormCreate() {
    names_.Clear();
    Des->SetValue(kFirstDieFace);
    Relabel();
    CB_1->setCurrentIndex(0);
    CB_2->setCurrentIndex(0);
}

void TFSetup::LoadFromGame(Tjeu& game) {
    game_ = &game;
    Relabel();
    names_ = ParsePlayerNames(player_names_);
    for (QComboBox* box : {CB_nom1, CB_nom2}) {
        box->clear();
        box->addItems(names_.Names());
    }
    CB_1->setCurrentIndex(KindIndex(game.PlayerOf(kWhite).Kind));
    CB_2->setCurrentIndex(KindIndex(game.PlayerOf(kRed).Kind));
    // A long name is shown shortened; left as shown, the game keeps it whole.
    const std::string* names[] = {&game.PlayerOf(kWhite).Name, &game.PlayerOf(kRed).Name};
    QComboBox* boxes[] = {CB_nom1, CB_nom2};
    for (std::size_t k = 0; k < 2; ++k) {
        const QString shown = ShownName(*names[k]);
        shortened_names_[k] = shown.toUtf8().toStdString() == *names[k] ? QString() : shown;
        boxes[k]->setEditText(shown);
    }
    ShowFirstMover();
}

void TFSetup::Relabel() {
    const int base = lang::CaptionBase();
    setWindowTitle(CaptionText(base, lang::caption::kSetupDialog));
    // The title is the program's name alone: screen readers name the dialog by its command.
    setAccessibleName(CaptionText(base, lang::caption::kNewItem)
                          .remove(u'&')
                          .remove(QStringLiteral("..."))
                          .trimmed());
    Lab_nom1->setText(CaptionText(base, lang::caption::kSetupName));
    Lab_nom2->setText(Lab_nom1->text());
    lab_kind1->setText(CaptionText(base, lang::caption::kSetupKind));
    Lab_kind2->setText(lab_kind1->text());
    GroupBox1->setTitle(CaptionText(base, lang::caption::kSetupWhiteGroup));
    GroupBox2->setTitle(CaptionText(base, lang::caption::kSetupRedGroup));
    BitBtn1->setText(CaptionText(base, lang::caption::kSetupConfirm));
    CancelButton->setText(CaptionText(base, lang::caption::kAnswerCancel));
    NamePlayerGroup(*GroupBox1, *lab_kind1, *CB_1, *Lab_nom1, *CB_nom1);
    NamePlayerGroup(*GroupBox2, *Lab_kind2, *CB_2, *Lab_nom2, *CB_nom2);
    Des->setAccessibleName(CaptionText(base, lang::caption::kSetupDie));

    // The lists are refilled; the kinds chosen so far stay chosen.
    QStringList kinds;
    for (int k = kHuman; k <= kMaxLevel; ++k)
        kinds << CaptionText(base, lang::caption::KindCaption(k));
    for (QComboBox* box : {CB_1, CB_2}) {
        const int chosen = box->currentIndex();
        box->clear();
        box->addItems(kinds);
        if (chosen >= 0) box->setCurrentIndex(chosen);
    }

    for (QComboBox* box : {CB_1, CB_2}) {
        for (int level = 1; level <= kMaxLevel; ++level) {
            box->setItemData(level, LevelRatingText(level), Qt::ToolTipRole);
        }
    }
    NamePlayerGroup(*GroupBox1, *lab_kind1, *CB_1, *Lab_nom1, *CB_nom1);
    NamePlayerGroup(*GroupBox2, *Lab_kind2, *CB_2, *Lab_nom2, *CB_nom2);
    CB_rated->setText(CaptionText(base, lang::caption::kRatedGame));
    CB_rated->setToolTip(CaptionText(base, lang::caption::kRatedGameHint));
    ShowRatedPlan(false);
    ShowLevelRatings();

    white_first_ = MessageText(lang::message::kWhiteBegins);
    red_first_ = MessageText(lang::message::kRedBegins);
    ShowFirstMover();
}

void TFSetup::ShowLevelRatings() {
    const std::pair<QComboBox*, QLabel*> sides[] = {{CB_1, Lab_level1}, {CB_2, Lab_level2}};
    for (const auto& [kinds, label] : sides) {
        const int kind = kinds->currentIndex();
        // The level a rated game picks is shown once the plan is known.
        const bool shown = IsComputer(kind) && (kinds->isEnabled() || rated_choices_.preview);
        label->setText(shown ? LevelRatingText(kind) : QString());
        kinds->setToolTip(label->text());
    }
}

void TFSetup::UpdateRatedChoice() {
    const bool white_human = CB_1->currentIndex() == kHuman;
    const bool red_human = CB_2->currentIndex() == kHuman;
    CB_rated->setEnabled(white_human != red_human);
    // Greyed, it is not ticked either: two humans or two computers play no rated game.
    if (!CB_rated->isEnabled()) CB_rated->setChecked(false);
    const bool rated = RatedGame();
    CB_1->setEnabled(!rated || white_human);
    CB_2->setEnabled(!rated || red_human);
    ShowRatedPlan(true);
    ShowLevelRatings();
}

void TFSetup::SetRatedChoices(RatedChoices choices) {
    rated_choices_ = std::move(choices);
    UpdateRatedChoice();
}

void TFSetup::RatedToggled(bool on) {
    QComboBox* names = RatedNameBox();
    if (on && names != nullptr && !rated_choices_.names.isEmpty() &&
        !rated_choices_.names.contains(names->currentText())) {
        names->setEditText(rated_choices_.names.front());
    }
    UpdateRatedChoice();
}

Side TFSetup::RatedSide() const {
    return CB_1->currentIndex() == kHuman ? kWhite : kRed;
}

void TFSetup::ShowPlanText(const QString& text) {
    Lab_rated->setText(text);
    Lab_rated->setVisible(!text.isEmpty());
    // The dialog grows by the words' height rather than squeezing the players' boxes.
    int extra = 0;
    if (!text.isEmpty() && layout() != nullptr) {
        const QMargins margins = layout()->contentsMargins();
        const int width = kClientWidth - margins.left() - margins.right();
        extra = Lab_rated->heightForWidth(width) + layout()->spacing();
    }
    setFixedSize(kClientWidth, kClientHeight + extra);
}

QComboBox* TFSetup::RatedNameBox() const {
    if (!CB_rated->isEnabled()) return nullptr;
    return RatedSide() == kWhite ? CB_nom1 : CB_nom2;
}

void TFSetup::ShowRatedPlan(bool settle) {
    if (!RatedGame() || !rated_choices_.preview) {
        ShowPlanText({});
        return;
    }
    const Side side = RatedSide();
    const RatedPreview plan = rated_choices_.preview(RatedNameBox()->currentText(), side);
    ShowPlanText(plan.text);
    if (!settle) return;
    const QSignalBlocker white_kinds(CB_1);
    const QSignalBlocker red_kinds(CB_2);
    const QSignalBlocker white_names(CB_nom1);
    const QSignalBlocker red_names(CB_nom2);
    if (plan.side != side) {
        const QString white_name = CB_nom1->currentText();
        CB_nom1->setEditText(CB_nom2->currentText());
        CB_nom2->setEditText(white_name);
        std::swap(shortened_names_[0], shortened_names_[1]);
        const int white_kind = CB_1->currentIndex();
        CB_1->setCurrentIndex(CB_2->currentIndex());
        CB_2->setCurrentIndex(white_kind);
    }
    (plan.side == kWhite ? CB_2 : CB_1)->setCurrentIndex(plan.level);
    CB_1->setEnabled(plan.side == kWhite);
    CB_2->setEnabled(plan.side == kRed);
}

bool TFSetup::RatedGame() const {
    return CB_rated->isEnabled() && CB_rated->isChecked();
}

QStringList TFSetup::KindEntries() const {
    QStringList kinds;
    for (int i = 0; i < CB_1->count(); ++i) kinds << CB_1->itemText(i);
    return kinds;
}

void TFSetup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFSetup::FormShow() {
    Des->Roll();
}

void TFSetup::done(int result) {
    // No face may change the first side once the dialog is closed, however it closes.
    Des->Stop();
    QDialog::done(result);
}

void TFSetup::DesClick() {
    Des->Roll();
}

void TFSetup::DesChange() {
    if (game_ == nullptr) return;
    game_->SideToMove = Des->Value() % 2 == 1 ? kWhite : kRed;
    ShowFirstMover();
}

void TFSetup::ShowFirstMover() {
    if (game_ == nullptr) return;
    Lab_main->setText(game_->SideToMove == kWhite ? white_first_ : red_first_);
    // The die decides who begins: that is what it says, in its name, which screen readers
    // read when Tab reaches it and again when a roll changes it.
    Des->setAccessibleName(CaptionText(lang::CaptionBase(), lang::caption::kSetupDie) +
                           QStringLiteral(" %1: ").arg(Des->Value()) + Lab_main->text());
    GroupBox3->setAccessibleName(Lab_main->text());
}

bool TFSetup::Edited(std::size_t side) const {
    const QComboBox* box = side == 0 ? CB_nom1 : CB_nom2;
    return shortened_names_[side].isEmpty() || box->currentText() != shortened_names_[side];
}

void TFSetup::BitBtn1Click() {
    ShowRatedPlan(true);  // a name still being typed has its colour and level too
    if (game_ != nullptr) {
        game_->PlayerOf(kWhite).Kind = CB_1->currentIndex();
        if (Edited(0)) game_->PlayerOf(kWhite).Name = CB_nom1->currentText().toStdString();
        game_->PlayerOf(kRed).Kind = CB_2->currentIndex();
        if (Edited(1)) game_->PlayerOf(kRed).Name = CB_nom2->currentText().toStdString();
    }
    const QStringList kinds = KindEntries();
    if (Edited(0)) RememberName(CB_nom1->currentText(), kinds, names_, player_names_);
    if (Edited(1)) RememberName(CB_nom2->currentText(), kinds, names_, player_names_);
    accept();
}

}  // namespace circumvia::dialogs
