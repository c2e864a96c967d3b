#version 430 core
// Health and progress bars: filled from the left to CurrentValue / MaxValue.
in vec2 uv;
in vec4 tint;

uniform float CurrentValue;
uniform float MaxValue;
uniform vec4 BackgroundColor;
uniform vec4 ValueColor;

out vec4 pixelColor;

void main()
{
    float filled = MaxValue > 0.0 ? clamp(CurrentValue / MaxValue, 0.0, 1.0) : 0.0;
    pixelColor = (uv.x < filled ? ValueColor : BackgroundColor) * tint;
}
