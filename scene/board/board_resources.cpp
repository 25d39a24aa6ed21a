#include "scene/board/board_resources.h"

#include <QImage>
#include <cstring>

#include "assets/asset_paths.h"
#include "scene/gl/sound_library.h"

namespace circumvia::scene {

std::shared_ptr<const TPicture> LoadPicture(const QString& path) {
    auto picture = std::make_shared<TPicture>();
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGBA8888);
    if (image.isNull()) return picture;
    picture->width = image.width();
    picture->height = image.height();
    picture->rgba.resize(static_cast<std::size_t>(image.width()) * image.height() * 4);
    const auto row_bytes = static_cast<std::size_t>(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(picture->rgba.data() + y * row_bytes, image.constScanLine(y), row_bytes);
    }
    return picture;
}

BoardPictures LoadBoardPictures() {
    return {LoadPicture(assets::kDarkWoodPicture), LoadPicture(assets::kLightWoodPicture)};
}

void AddBoardSounds(TSoundLibrary& sounds) {
    sounds.AddSample(kClickSample, assets::kClickSound);
}

}  // namespace circumvia::scene
