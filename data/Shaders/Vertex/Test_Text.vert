#version 430 core
// One instance per glyph. The glyph records (56 bytes each: five doubles copied from the font,
// then offsetX, offsetY, quadWidth, quadHeight as floats) are read as raw 32-bit words, because
// a std140 block cannot describe a 56-byte array stride directly.
layout(location = 0) in vec2 position;  // TextMesh: unit quad, 0..1 on both axes
layout(location = 1) in vec2 texCoord;

layout(std140, binding = 0) uniform GlyphRecords {
    uvec4 words[1024];
};

uniform mat4 view;
uniform vec2 obj_pos;

out vec2 atlasCoord;

uint word(uint i) { return words[i >> 2u][i & 3u]; }
float wordAsDouble(uint i) { return float(packDouble2x32(uvec2(word(i), word(i + 1u)))); }

void main()
{
    uint base = uint(gl_InstanceID) * 14u;
    vec4 cell = vec4(wordAsDouble(base), wordAsDouble(base + 2u), wordAsDouble(base + 4u), wordAsDouble(base + 6u));
    vec2 offset = uintBitsToFloat(uvec2(word(base + 10u), word(base + 11u)));
    vec2 size = uintBitsToFloat(uvec2(word(base + 12u), word(base + 13u)));

    gl_Position = view * vec4(obj_pos + offset + position * size, 0.0, 1.0);
    // Cells are measured from the top of the atlas image; the texture is stored bottom row first.
    atlasCoord = vec2(cell.x + texCoord.x * cell.z, 1.0 - (cell.y + cell.w) + texCoord.y * cell.w);
}
