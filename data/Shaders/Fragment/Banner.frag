#version 430 core
// The sides' banners: a sheet frame per faction, the cloth in the side's colour.
in vec2 uv;
in vec4 tint;

uniform sampler2D sprite;
uniform int frameIndex;
uniform int numRows;
uniform int numCols;

// Frame i of a rows x columns sheet is the cell at column i % columns, row i / columns, rows
// counted from the top of the picture. Textures are flipped on upload, so the top row lies at the
// high end of v. Lookups stay half a texel inside the cell so filtering never bleeds a neighbour in.
vec2 frameUv(vec2 local)
{
    int cols = max(numCols, 1);
    int rows = max(numRows, 1);
    int frame = max(frameIndex, 0) % (cols * rows);
    int column = frame % cols;
    int rowFromTop = frame / cols;
    vec2 cells = vec2(float(cols), float(rows));
    vec2 halfTexel = 0.5 * cells / vec2(textureSize(sprite, 0));
    vec2 inside = clamp(local, halfTexel, vec2(1.0) - halfTexel);
    return (vec2(float(column), float(rows - 1 - rowFromTop)) + inside) / cells;
}

uniform vec3 playerColor;

// Team colour: pure magenta hue (R == B, G == 0) marks what takes the side's colour, R giving the
// shade. Filtering blurs the edges a little, so the test allows small deviations.
vec4 teamColored(vec4 c)
{
    float shade = 0.5 * (c.r + c.b);
    bool marked = shade > 0.03 && c.g < 0.3 * shade && abs(c.r - c.b) < 0.15 * shade + 0.02;
    return marked ? vec4(playerColor * shade, c.a) : c;
}

out vec4 pixelColor;

void main()
{
    pixelColor = teamColored(texture(sprite, frameUv(uv)) * tint);
}
