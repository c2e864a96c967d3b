#version 430 core
in vec2 uv;
in vec4 tint;

uniform sampler2D sprite;

out vec4 pixelColor;

void main()
{
    pixelColor = texture(sprite, uv) * tint;
}
