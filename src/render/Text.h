#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "objects/Object.h"
#include "objects/Transform.h"
#include "render/TextLayout.h"

class Font;

// A string drawn in the bitmap font "Alagard": an Object with a placement transform (its scale is
// the letter size, about 16 to 50 units in the game) and a "text" sprite. The string is laid out
// only when it changes, into glyph records the GPU reads; drawing is one instanced call.
// A text may follow another object ("link"): it then sits at that object's position + linkOffset.
class Text : public Object {
public:
    // The default sentence, white, interface space, a Transform of scale (10, 10).
    Text();
    // Interface text with an AnchorTransform of scale (10, 10).
    Text(const std::string& text, glm::vec2 linkOffset, glm::vec4 color);
    // Follows `linked`: world text when it has a Transform, else interface text.
    Text(const std::string& text, Object* linked, glm::vec2 linkOffset, glm::vec4 color);
    // As above, wrapping lines at wrapWidth widths of the letter "e".
    Text(const std::string& text, Object* linked, float wrapWidth, glm::vec2 linkOffset, glm::vec4 color);
    // A copy of `other` (string, colour, alignments, offset, wrap, space) following `linked`.
    Text(const Text& other, Object* linked);
    ~Text() override;

    void setText(const std::string& newText);
    // printf-style; results longer than 999 characters are cut.
    void setTextf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Follows `object` (nullptr stops following); it must have the same kind of transform. When
    // the object is destroyed the text stops following and stays where it was.
    void link(Object* object);

    // Setting the string, alignment, size or wrap lays the text out again only when the value
    // differs, so a HUD may set its numbers every frame.
    void setAlignment(int horizontal, int vertical);
    void setScale(float size);  // the letter size, same on both axes
    // Moves the placement transform (an unlinked text's position).
    void setPosition(float x, float y);
    void setWrapWidth(float width);
    // Wraps sourceText and rebuilds the glyph records (and their GPU buffer).
    void Relayout();

    void Update(float dt) override;
    void DrawTextMaterial(const MaterialContext& context) override;

    // Where the text is placed: its AnchorTransform if it has one, else its Transform.
    TransformBase* Placement() const;
    const std::vector<GlyphRecord>& Records() const { return records; }
    // How many times the string was laid out (and uploaded) so far.
    int LayoutCount() const { return layouts; }

    std::string text = "The quick brown fox jumps over the lazy dog.";
    glm::vec4 color{1.0f, 1.0f, 1.0f, 1.0f};
    int hAlign = kAlignCenter;
    int vAlign = kAlignMiddle;
    glm::vec2 linkOffset{0.0f};
    Object* linked = nullptr;
    float wrapWidth = 0.0f;
    bool screenSpace = true;
    Font* font = nullptr;
    glm::vec2 lastLinkedPosition{0.0f};
    std::uint32_t glyphBuffer = 0;
    std::string sourceText = text;

private:
    void Build(bool anchored);
    void Layout();
    void Upload();
    void ReleaseBuffer();
    // Moves `own` to the linked `target` + linkOffset when the target moved; false when it did not.
    bool Follow(const TransformBase* target, TransformBase* own);

    std::vector<GlyphRecord> records;
    bool linkPlaced = false;  // whether the linked position has been applied yet
    std::weak_ptr<const void> linkedLife;
    long glyphBufferBytes = 0;  // size of glyphBuffer: refilled while big enough, grown when not
    int layouts = 0;
};
