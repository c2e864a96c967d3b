#version 430 core
// Map tiles: hover, click and range highlights. The high-contrast variant does not rely on hue:
// a hovered tile gets a white frame with a black inner line and a diagonal hatch, and the ground
// itself is drawn with stronger contrast, so colour-blind players can read every state.
in vec2 uv;
in vec4 tint;

uniform sampler2D sprite;
uniform int isHovered;
uniform int isClicked;
uniform int highContrast;
uniform vec3 highlightColor;

out vec4 pixelColor;

void main()
{
    vec4 base = texture(sprite, uv) * tint;
    vec3 rgb = base.rgb;
    float edge = min(min(uv.x, 1.0 - uv.x), min(uv.y, 1.0 - uv.y));
    if (highContrast == 1) rgb = clamp((rgb - 0.5) * 1.3 + 0.5, 0.0, 1.0);
    if (isHovered == 1) {
        if (highContrast == 1) {
            float hatch = step(0.5, fract((uv.x + uv.y) * 5.0));
            rgb = mix(rgb, highlightColor, 0.5);
            rgb = mix(rgb, vec3(hatch), 0.3);
            if (edge < 0.08) rgb = vec3(1.0);
            else if (edge < 0.13) rgb = vec3(0.0);
        } else {
            rgb = mix(rgb, highlightColor, 0.4);
            if (edge < 0.05) rgb = highlightColor;
        }
    }
    if (isClicked == 1) rgb *= 0.7;
    pixelColor = vec4(rgb, base.a);
}
