#version 430 core
void main() { this is not glsl }
