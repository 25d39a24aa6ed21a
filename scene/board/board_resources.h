#pragma once
// The board scene's compiled-in pictures and sounds, decoded for the scene layer.

#include <QString>
#include <memory>

#include "scene/board/board_scene.h"

namespace circumvia::scene {

class TSoundLibrary;

// A picture from a resource path; an empty picture when it cannot be read.
std::shared_ptr<const TPicture> LoadPicture(const QString& path);
// The dark wood of the slab and border, and the light wood of the top plate.
BoardPictures LoadBoardPictures();
// The name under which a landing piece's sound is played.
inline constexpr const char* kClickSample = "click";
// Adds the game's samples ("click") to a sound library.
void AddBoardSounds(TSoundLibrary& sounds);

}  // namespace circumvia::scene
