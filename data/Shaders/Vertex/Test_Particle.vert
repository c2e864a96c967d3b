#version 430 core
// One instance per pool slot. Each particle is an 80-byte record (20 floats) in the storage buffer:
// 0-1 position, 2 rotation (degrees), 3 scale (half-size), 4-5 velocity, 6 rotational velocity,
// 7-8 acceleration, 9-12 start colour, 13-16 end colour, 17 life at launch, 18 remaining life,
// 19 active flag (lowest byte).
layout(location = 0) in vec2 position;  // SquareMesh, -1..1
layout(location = 1) in vec2 texCoord;
layout(location = 2) in vec4 vertexColor;

layout(std430, binding = 7) readonly buffer Particles {
    float particle[];
};

uniform mat4 viewMatrix;

out vec2 uv;
out vec4 tint;

void main()
{
    uint base = uint(gl_InstanceID) * 20u;
    bool alive = (floatBitsToUint(particle[base + 19u]) & 0xFFu) != 0u;
    if (!alive) {
        // Collapse the quad outside the clip volume: nothing is rasterised.
        gl_Position = vec4(2.0, 2.0, 2.0, 1.0);
        uv = vec2(0.0);
        tint = vec4(0.0);
        return;
    }
    vec2 centre = vec2(particle[base], particle[base + 1u]);
    float angle = radians(particle[base + 2u]);
    float scale = particle[base + 3u];
    vec4 startColor = vec4(particle[base + 9u], particle[base + 10u], particle[base + 11u], particle[base + 12u]);
    vec4 endColor = vec4(particle[base + 13u], particle[base + 14u], particle[base + 15u], particle[base + 16u]);
    float span = particle[base + 17u];
    float life = max(particle[base + 18u], 0.0);

    // Age runs 0 at launch to 1 at death: the colour moves from start to end, and the last
    // fifth of the life fades out so even an opaque end colour never pops away.
    float remaining = span > 0.0 ? clamp(life / span, 0.0, 1.0) : 0.0;
    tint = mix(endColor, startColor, remaining) * vertexColor;
    tint.a *= smoothstep(0.0, 0.2, remaining);

    mat2 turn = mat2(cos(angle), sin(angle), -sin(angle), cos(angle));
    gl_Position = viewMatrix * vec4(centre + turn * (position * scale), 0.0, 1.0);
    uv = texCoord;
}
