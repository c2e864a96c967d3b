#version 430 core
// Water and lava: the tiled texture sways and drifts with time, with a slow shimmer on top.
in vec2 uv;
in vec4 tint;

uniform sampler2D sprite;
uniform float time;

out vec4 pixelColor;

void main()
{
    const float tau = 6.2831853;
    vec2 p = uv;
    p.x += 0.035 * sin(p.y * tau + time * 1.3);
    p.y += 0.035 * cos(p.x * tau + time * 1.1);
    p += vec2(0.02, 0.01) * time;
    vec4 c = texture(sprite, p) * tint;
    c.rgb += 0.05 * sin((uv.x + uv.y) * 3.0 + time * 2.0);
    pixelColor = vec4(clamp(c.rgb, 0.0, 1.0), c.a);
}
