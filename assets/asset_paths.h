#pragma once
// Resource paths of the pictures and sounds compiled into the program.

namespace circumvia::assets {

extern const char* const kDarkWoodPicture;    // the slab and its border
extern const char* const kLightWoodPicture;   // the top plate
extern const char* const kClickSound;         // a piece landing
extern const char* const kAboutTitlePicture;  // the about box's picture (JPEG)
// The folder of the rules pages and their pictures.
extern const char* const kRulesFolder;

}  // namespace circumvia::assets
