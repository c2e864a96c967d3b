#version 430 core
// Interface sprites: "view" is the fixed screen projection, one unit per pixel.
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 texCoord;
layout(location = 2) in vec4 color;

uniform mat4 view;
uniform mat4 model;

out vec2 uv;
out vec4 tint;

void main()
{
    uv = texCoord;
    tint = color;
    gl_Position = view * model * vec4(position, 0.0, 1.0);
}
