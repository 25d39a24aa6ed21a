#include "dialogs/about_box.h"

#include <gtest/gtest.h>

#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "assets/asset_paths.h"

namespace circumvia::dialogs {
namespace {

TEST(AboutBox, TitlePictureIsAJpegOfItsOwnSize) {
    QImageReader reader(QString::fromLatin1(assets::kAboutTitlePicture));
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage picture = reader.read();
    ASSERT_FALSE(picture.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(picture.size(), QSize(347, 231));
}

TEST(AboutBox, LaysOutPictureVersionAndButtonAsDesigned) {
    QWidget owner;
    owner.setGeometry(200, 150, 668, 478);
    TFAbout box(QStringLiteral("2.3.4.5"), &owner);

    EXPECT_EQ(box.windowTitle(), "Circumvia");
    EXPECT_EQ(box.size(), QSize(464, 278));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());  // not resizable
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(box.frameGeometry().center(), owner.geometry().center());

    EXPECT_EQ(box.Image2->geometry(), QRect(0, 0, 347, 231));
    ASSERT_FALSE(box.Image2->pixmap().isNull());

    const QLabel& version = *box.Label_version;
    EXPECT_EQ(version.text(), "2.3.4.5");
    EXPECT_EQ(version.parentWidget(), box.Image2);  // drawn over the picture
    EXPECT_EQ(version.geometry().left() + version.geometry().width(), 345);
    EXPECT_EQ(version.geometry().top(), 11);
    EXPECT_EQ(version.alignment(), Qt::AlignRight | Qt::AlignTop);
    EXPECT_TRUE(version.font().bold());
    EXPECT_EQ(version.font().pixelSize(), 16);
    EXPECT_EQ(version.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_FALSE(version.autoFillBackground());

    EXPECT_EQ(box.BitBtn1->text(), "OK");
    EXPECT_TRUE(QRect(0, 0, 464, 278).contains(box.BitBtn1->geometry()));
}

TEST(AboutBox, ConfirmButtonClosesTheBoxWithAcceptance) {
    TFAbout box(QStringLiteral("1.0.1.0"), nullptr);
    box.show();
    QTest::mouseClick(box.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST(AboutBox, VersionIsReadableOverThePicture) {
    // The red text must stand out from the part of the picture it is drawn on.
    TFAbout box(QStringLiteral("1.0.1.0"), nullptr);
    box.show();
    const QImage shot = box.grab().toImage();
    int red = 0;
    for (int y = 11; y < 11 + 16; ++y) {
        for (int x = 250; x < 345; ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++red;
        }
    }
    EXPECT_GT(red, 40);
}

}  // namespace
}  // namespace circumvia::dialogs
