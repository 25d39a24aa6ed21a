#include "dialogs/about_box.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "assets/asset_paths.h"
#include "dialogs/dialog_placement.h"

namespace circumvia::dialogs {

namespace {
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kMargin = 8;
constexpr int kVersionWidth = 240;  // room enough for any version, right-aligned
}  // namespace

TFAbout::TFAbout(const QString& version, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Circumvia"));
    setFixedSize(kClientWidth, kClientHeight);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    // Decoded by Qt's JPEG reader.
    const QPixmap picture(QString::fromLatin1(assets::kAboutTitlePicture));
    Image2->setPixmap(picture);
    Image2->setGeometry(0, 0, picture.width(), picture.height());

    // A child of the picture, so its coordinates are the picture's; without a background
    // of its own it lets the picture show through.
    Label_version = new QLabel(Image2);
    Label_version->setObjectName(QStringLiteral("Label_version"));
    Label_version->setAttribute(Qt::WA_TranslucentBackground);
    Label_version->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label_version->setTextFormat(Qt::PlainText);
    QFont font = Label_version->font();
    font.setBold(true);
    font.setPixelSize(kVersionPixels);
    Label_version->setFont(font);
    QPalette palette = Label_version->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label_version->setPalette(palette);
    Label_version->setGeometry(kVersionRight - kVersionWidth, kVersionTop, kVersionWidth,
                               QFontMetrics(font).height());

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(kClientWidth - kMargin - kButtonWidth,
                         kClientHeight - kMargin - kButtonHeight, kButtonWidth, kButtonHeight);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate(version);
    CentreOnOwner(*this);
}

void TFAbout::FormCreate(const QString& version) {
    Label_version->setText(version);
}

}  // namespace circumvia::dialogs
