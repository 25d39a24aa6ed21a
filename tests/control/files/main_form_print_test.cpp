// The print command from the main window's menu, once through the real window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "dialogs/print/page_preview.h"
#include "dialogs/print/print_dialog.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

// What the preview showed, read while it was open.
struct SeenPreview {
    bool shown = false;
    bool busy = false;
    LoopState state_after_tick = LoopState::Starting;
    int pages = 0;
    QImage first_page;
    dialogs::PrintLayout layout;
    QPoint centre;
};

SeenPreview OpenPrintPreview(TMainForm& window, const std::function<void()>& tick) {
    SeenPreview seen;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<dialogs::TFprint*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        seen.shown = dialog->isVisible();
        seen.busy = window.Turn().Busy();
        tick();  // the turn loop must sit still behind the preview
        seen.state_after_tick = window.Turn().State();
        const dialogs::PrintDocument& document = dialog->PrintPreview1->Document();
        seen.pages = document.page_count;
        seen.layout = document.layout;
        seen.first_page = QImage(document.page_size, QImage::Format_RGB32);
        seen.first_page.fill(Qt::white);
        QPainter painter(&seen.first_page);
        dialogs::DrawPage(painter, document, 0, 1.0);
        seen.centre = dialog->geometry().center();
        dialog->Btn_close->click();
    });
    closer.start(0);
    window.Menu().FilePrintItem->trigger();
    return seen;
}

int NonWhite(const QImage& image, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

TEST_F(MainFormTest, PrintFromTheMenuPreviewsEveryRecordedMoveWithTheBoardPicture) {
    StartGame();
    window.PlayMove(26, 20);
    RunUntilHumanTurn();
    window.PlayMove(25, 19);
    RunUntilHumanTurn();
    ASSERT_EQ(window.Game().Current, 4);
    window.TB_retClick();
    ASSERT_LT(window.Game().Current, 4);
    const LoopState before = window.Turn().State();
    ASSERT_TRUE(window.Menu().FilePrintItem->isEnabled());

    const SeenPreview seen = OpenPrintPreview(window, [this] { Tick(3); });
    ASSERT_TRUE(seen.shown);
    EXPECT_TRUE(seen.busy);
    EXPECT_EQ(seen.state_after_tick, before);
    EXPECT_LE((seen.centre - window.geometry().center()).manhattanLength(), 2);
    EXPECT_EQ(seen.pages, 1);
    // The snapshot of the 3D view fills the top-left corner of the box the layout gives it.
    const dialogs::Box& picture = seen.layout.picture_box;
    EXPECT_GT(NonWhite(seen.first_page, QRect(picture.left, picture.top, 100, 60)), 5000);
    // All four recorded moves have their diagram drawn where the layout puts it, though the
    // board stands further back.
    ASSERT_EQ(seen.layout.diagrams.size(), 4u);
    for (const dialogs::DiagramSlot& slot : seen.layout.diagrams) {
        const QRect square(slot.x, slot.y, dialogs::kDiagramSize, dialogs::kDiagramSize);
        EXPECT_EQ(slot.page, 0) << slot.move;
        EXPECT_GT(NonWhite(seen.first_page, square), 300) << slot.move;
    }

    EXPECT_FALSE(window.Turn().Busy());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace circumvia::control
