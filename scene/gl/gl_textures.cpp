#include "scene/gl/gl_textures.h"

#include <GL/glu.h>

#include <cstddef>
#include <vector>

namespace circumvia::scene {
namespace {

// OpenGL wants the bottom row first; pictures are kept top row first.
std::vector<std::uint8_t> BottomRowFirst(const TPicture& picture) {
    const std::size_t row_bytes = static_cast<std::size_t>(picture.width) * 4;
    std::vector<std::uint8_t> flipped(picture.rgba.size());
    for (int row = 0; row < picture.height; ++row) {
        const auto source = picture.rgba.begin() + row * row_bytes;
        std::copy(source, source + row_bytes,
                  flipped.begin() + (picture.height - 1 - row) * row_bytes);
    }
    return flipped;
}

GLint MinFilter(TextureFiltering filtering) {
    return filtering == TextureFiltering::kTrilinear ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR;
}

GLuint MakeTexture(const TPicture& picture, TextureFiltering filtering) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, MinFilter(filtering));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    const std::vector<std::uint8_t> pixels = BottomRowFirst(picture);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, picture.width, picture.height, GL_RGBA,
                      GL_UNSIGNED_BYTE, pixels.data());
    return texture;
}

}  // namespace

void TTextureCache::Bind(const std::shared_ptr<const TPicture>& picture) {
    auto it = textures_.find(picture);
    if (it == textures_.end()) {
        it = textures_.emplace(picture, MakeTexture(*picture, filtering_)).first;
    }
    glBindTexture(GL_TEXTURE_2D, it->second);
}

void TTextureCache::SetFiltering(TextureFiltering filtering) {
    if (filtering == filtering_) return;
    filtering_ = filtering;
    for (const auto& [picture, texture] : textures_) {
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, MinFilter(filtering));
    }
}

void TTextureCache::Release() {
    for (const auto& [picture, texture] : textures_) glDeleteTextures(1, &texture);
    textures_.clear();
}

}  // namespace circumvia::scene
