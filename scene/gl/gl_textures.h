#pragma once
// OpenGL textures for the materials' pictures, made once per picture with their mipmaps:
// linear magnification, linear-mipmap-linear minification (or plain bilinear from the
// full picture, which a software renderer samples far faster), repeating in both
// directions.

#include <map>
#include <memory>

#include <GL/gl.h>

#include "scene/material.h"
#include "scene/render_quality.h"

namespace circumvia::scene {

class TTextureCache {
public:
    TTextureCache() = default;
    TTextureCache(const TTextureCache&) = delete;
    TTextureCache& operator=(const TTextureCache&) = delete;

    // Binds the picture's texture, making it on first use.
    void Bind(const std::shared_ptr<const TPicture>& picture);
    // Deletes the textures (before the context goes away).
    void Release();
    // Changes the minification of every texture, now and to come; needs a current context
    // when textures exist.
    void SetFiltering(TextureFiltering filtering);

private:
    TextureFiltering filtering_ = TextureFiltering::kTrilinear;
    // The pictures are held so that a texture's key is never reused by another picture.
    std::map<std::shared_ptr<const TPicture>, GLuint> textures_;
};

}  // namespace circumvia::scene
