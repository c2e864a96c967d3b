#include "render/Text.h"

#include <algorithm>
#include <cstdarg>

#include <glad/gl.h>

#include "engine/GlContext.h"
#include "engine/Log.h"
#include "objects/AnchorTransform.h"
#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/Font.h"
#include "render/Material.h"
#include "render/MaterialInputs.h"
#include "render/Mesh.h"
#include "render/ShaderLibrary.h"
#include "render/TextureLibrary.h"
#include "scenes/Camera.h"

namespace {

// The text shader declares its glyph block as 1024 16-byte words (16 KiB, the smallest uniform
// block every GL 4.3 driver must accept), which holds 292 records; longer strings are drawn in
// slices of 288 records (288 x 56 bytes is a multiple of 256, the strictest binding alignment).
constexpr int kGlyphsPerDraw = 288;
// Every bound range must cover the whole declared block, so the buffer is padded to hold one full
// block from the start of the last slice.
constexpr GLsizeiptr kGlyphBlockBytes = 1024 * 16;

GLsizeiptr GlyphBufferBytes(size_t records)
{
    const size_t lastSlice = records == 0 ? 0 : (records - 1) / kGlyphsPerDraw * kGlyphsPerDraw;
    return static_cast<GLsizeiptr>(lastSlice * sizeof(GlyphRecord)) + kGlyphBlockBytes;
}

Font* TextFont()
{
    return FontLibrary::Active().GetOrLoad("Alagard");
}

}  // namespace

Text::Text()
{
    Build(false);
    screenSpace = true;
    Relayout();
}

Text::Text(const std::string& newText, glm::vec2 offset, glm::vec4 rgba)
{
    text = sourceText = newText;
    color = rgba;
    linkOffset = offset;
    Build(true);
    Relayout();
}

Text::Text(const std::string& newText, Object* follow, glm::vec2 offset, glm::vec4 rgba)
    : Text(newText, follow, 0.0f, offset, rgba)
{
}

Text::Text(const std::string& newText, Object* follow, float wrap, glm::vec2 offset, glm::vec4 rgba)
{
    text = sourceText = newText;
    color = rgba;
    linkOffset = offset;
    wrapWidth = wrap;
    const bool world = follow && follow->Get<Transform>();
    Build(!world);
    screenSpace = !world;
    link(follow);
    Relayout();
}

Text::Text(const Text& other, Object* follow) : Object(other)
{
    text = other.text;
    color = other.color;
    hAlign = other.hAlign;
    vAlign = other.vAlign;
    linkOffset = other.linkOffset;
    wrapWidth = other.wrapWidth;
    screenSpace = other.screenSpace;
    sourceText = other.sourceText;
    font = other.font;
    link(follow);
    Relayout();
}

Text::~Text()
{
    ReleaseBuffer();
}

void Text::Build(bool anchored)
{
    font = TextFont();
    if (anchored) {
        auto* placement = new AnchorTransform();
        placement->setScale(10.0f, 10.0f);
        AddComponent(placement);
    } else {
        auto* placement = new Transform();
        placement->setScale(10.0f, 10.0f);
        AddComponent(placement);
    }
    auto* sprite = new Texture();
    sprite->setMesh("TextMesh", kMeshLayoutTextured);
    sprite->program = "text";
    sprite->texture = font ? font->atlas : nullptr;
    AddComponent(sprite);
}

TransformBase* Text::Placement() const
{
    if (auto* anchored = Get<AnchorTransform>()) return anchored;
    return Get<Transform>();
}

void Text::setText(const std::string& newText)
{
    if (newText == sourceText) return;
    text = sourceText = newText;
    Relayout();
}

void Text::setTextf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string formatted = FormatTextV(format, args);
    va_end(args);
    setText(formatted);
}

void Text::setAlignment(int horizontal, int vertical)
{
    if (horizontal == hAlign && vertical == vAlign) return;
    hAlign = horizontal;
    vAlign = vertical;
    Relayout();
}

void Text::setScale(float size)
{
    TransformBase* placement = Placement();
    if (placement && placement->scale == glm::vec2(size, size)) return;
    if (placement) placement->setScale(size, size);
    Relayout();
}

void Text::setPosition(float x, float y)
{
    if (TransformBase* placement = Placement()) placement->setPosition(x, y);
}

void Text::setWrapWidth(float width)
{
    if (width == wrapWidth) return;
    wrapWidth = width;
    Relayout();
}

void Text::Relayout()
{
    if (font) text = WrapText(sourceText, *font, wrapWidth);
    Layout();
}

void Text::Layout()
{
    ++layouts;
    const TransformBase* placement = Placement();
    const glm::vec2 scale = placement ? placement->scale : glm::vec2(10.0f);
    if (font) {
        records = LayoutText(text, *font, hAlign, vAlign, scale.x, scale.y);
    } else {
        // Without a font every character is an empty cell.
        Font empty;
        records = LayoutText(text, empty, hAlign, vAlign, scale.x, scale.y);
    }
    Upload();
}

void Text::Upload()
{
    if (!gl_context::Available()) return;
    // Nothing to draw holds no buffer; otherwise the buffer is refilled and only grows when needed.
    if (records.empty()) return ReleaseBuffer();
    const GLsizeiptr needed = GlyphBufferBytes(records.size());
    if (!glyphBuffer || glyphBufferBytes < needed) {
        ReleaseBuffer();
        glGenBuffers(1, &glyphBuffer);
        glBindBuffer(GL_UNIFORM_BUFFER, glyphBuffer);
        glBufferData(GL_UNIFORM_BUFFER, needed, nullptr, GL_DYNAMIC_DRAW);
        glyphBufferBytes = needed;
    } else {
        glBindBuffer(GL_UNIFORM_BUFFER, glyphBuffer);
    }
    glBufferSubData(GL_UNIFORM_BUFFER, 0, static_cast<GLsizeiptr>(records.size() * sizeof(GlyphRecord)),
                    records.data());
    glBindBufferBase(GL_UNIFORM_BUFFER, 0, glyphBuffer);
    glBindBuffer(GL_UNIFORM_BUFFER, 0);
}

void Text::ReleaseBuffer()
{
    if (glyphBuffer && gl_context::Available()) glDeleteBuffers(1, &glyphBuffer);
    glyphBuffer = 0;
    glyphBufferBytes = 0;
}

void Text::link(Object* object)
{
    if (!object) {
        linked = nullptr;
        linkedLife.reset();
        return;
    }
    const bool bothWorld = object->Get<Transform>() && Get<Transform>();
    const bool bothInterface = object->Get<AnchorTransform>() && Get<AnchorTransform>();
    if (!bothWorld && !bothInterface) {
        print("ERROR: LINKed OBJECT does not have the same Transform type as TEXT.\n");
        return;
    }
    linked = object;
    linkedLife = object->LifeToken();
    linkPlaced = false;
}

void Text::Update(float dt)
{
    if (linked && linkedLife.expired()) linked = nullptr;  // the object died: stay where we were
    if (!linked) {
        Object::Update(dt);
        return;
    }
    // The world placement first; when it did not move (or either side lacks one), the interface one.
    if (!Follow(linked->Get<Transform>(), Get<Transform>()))
        Follow(linked->Get<AnchorTransform>(), Get<AnchorTransform>());
}

bool Text::Follow(const TransformBase* target, TransformBase* own)
{
    // The first update after linking always places the text, wherever the object stands.
    if (!target || !own || (linkPlaced && target->position == lastLinkedPosition)) return false;
    lastLinkedPosition = target->position;
    own->setPosition(target->position + linkOffset);
    linkPlaced = true;
    return true;
}

void Text::DrawTextMaterial(const MaterialContext& context)
{
    if (!gl_context::Available() || !context.mesh || records.empty() || !glyphBuffer) return;
    ShaderLibrary& shaders = context.shaders;
    const glm::mat4 view = screenSpace ? ScreenProjection(context.camera) : context.camera.getViewProjection();
    const TransformBase* placement = Placement();
    const glm::vec2 origin = placement ? placement->position : glm::vec2(0.0f);
    glUniformMatrix4fv(shaders.uniform(context.program, "view"), 1, GL_FALSE, &view[0][0]);
    glUniform2f(shaders.uniform(context.program, "obj_pos"), origin.x, origin.y);
    glUniform4f(shaders.uniform(context.program, "color"), color.r, color.g, color.b, color.a);

    glBindVertexArray(context.mesh->vao);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, context.texture ? context.texture->id : 0);
    glBindBuffer(GL_UNIFORM_BUFFER, glyphBuffer);
    const int total = static_cast<int>(records.size());
    for (int first = 0; first < total; first += kGlyphsPerDraw) {
        const int count = std::min(kGlyphsPerDraw, total - first);
        glBindBufferRange(GL_UNIFORM_BUFFER, 0, glyphBuffer, static_cast<GLintptr>(first * sizeof(GlyphRecord)),
                          kGlyphBlockBytes);
        glDrawArraysInstanced(GL_TRIANGLES, 0, static_cast<GLsizei>(context.mesh->vertexCount), count);
    }
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindBuffer(GL_UNIFORM_BUFFER, 0);
    glUseProgram(0);
}
