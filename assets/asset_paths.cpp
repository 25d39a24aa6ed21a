#include "assets/asset_paths.h"

namespace circumvia::assets {

const char* const kDarkWoodPicture = ":/assets/wood_dark.bmp";
const char* const kLightWoodPicture = ":/assets/wood_light.bmp";
const char* const kClickSound = ":/assets/click.wav";
const char* const kAboutTitlePicture = ":/assets/about_title.jpg";
const char* const kRulesFolder = ":/help/";

}  // namespace circumvia::assets
