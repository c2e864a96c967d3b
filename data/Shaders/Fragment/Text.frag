#version 430 core
in vec2 atlasCoord;

uniform sampler2D atlas;
uniform vec4 color;

out vec4 pixelColor;

void main()
{
    // The atlas is white ink with coverage in alpha. A gentle contrast curve keeps the strokes of
    // small, minified text firm instead of washed out.
    float coverage = texture(atlas, atlasCoord).a;
    coverage = smoothstep(0.08, 0.72, coverage);
    if (coverage <= 0.0) discard;
    pixelColor = vec4(color.rgb, color.a * coverage);
}
