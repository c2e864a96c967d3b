#version 430 core
// Screen-filling backdrops: the texture repeats at its native pixel size over the whole quad.
// "screenResolution" is the backdrop's half-size and "textureSize" half the picture's size.
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 texCoord;
layout(location = 2) in vec4 color;

uniform mat4 view;
uniform mat4 model;
uniform vec2 screenResolution;
uniform vec2 textureSize;

out vec2 uv;
out vec4 tint;

void main()
{
    uv = texCoord * screenResolution / max(textureSize, vec2(1.0));
    tint = color;
    gl_Position = view * model * vec4(position, 0.0, 1.0);
}
