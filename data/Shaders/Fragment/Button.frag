#version 430 core
// Buttons: tinted while hovered, darker tint while held; a one-pixel red outline in debug mode
// shows the hit box.
in vec2 uv;
in vec4 tint;

uniform sampler2D sprite;
uniform int isHovered;
uniform int isClicked;
uniform int debug_on;
uniform vec3 highlightColor;
uniform vec3 clickedColor;

out vec4 pixelColor;

void main()
{
    vec4 c = texture(sprite, uv) * tint;
    if (isClicked == 1) c.rgb = mix(c.rgb, clickedColor, 0.5);
    else if (isHovered == 1) c.rgb = mix(c.rgb, highlightColor, 0.35);
    if (debug_on == 1) {
        vec2 pixel = fwidth(uv) * 1.5;
        if (uv.x < pixel.x || uv.y < pixel.y || uv.x > 1.0 - pixel.x || uv.y > 1.0 - pixel.y) c = vec4(1.0, 0.0, 0.0, 1.0);
    }
    pixelColor = c;
}
