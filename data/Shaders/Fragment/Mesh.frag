#version 430 core
// Untextured geometry: the mesh's own vertex colours.
in vec2 uv;
in vec4 tint;

out vec4 pixelColor;

void main()
{
    pixelColor = tint;
}
