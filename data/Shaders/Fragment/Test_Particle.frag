#version 430 core
in vec2 uv;
in vec4 tint;

uniform sampler2D particleTexture;
uniform int useTexture;

out vec4 pixelColor;

void main()
{
    // Untextured particles are soft round dots rather than hard squares.
    vec4 shape = useTexture != 0 ? texture(particleTexture, uv)
                                 : vec4(1.0, 1.0, 1.0, 1.0 - smoothstep(0.35, 1.0, length(uv * 2.0 - 1.0)));
    pixelColor = shape * tint;
    if (pixelColor.a < 0.004) discard;
}
