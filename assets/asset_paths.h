#pragma once
// Resource paths of the pictures and sounds compiled into the program.

namespace circumvia::assets {

extern const char* const kDarkWoodPicture;   // the slab and its border
extern const char* const kLightWoodPicture;  // the top plate
extern const char* const kClickSound;        // a piece landing

}  // namespace circumvia::assets
