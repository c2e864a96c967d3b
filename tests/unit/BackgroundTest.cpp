#include <gtest/gtest.h>

#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/Background.h"
#include "render/MaterialInputs.h"

TEST(Background, StartsAsAnUntexturedSquare)
{
    Background background;
    EXPECT_EQ(background.name, "Background");
    ASSERT_NE(background.Get<Texture>(), nullptr);
    ASSERT_NE(background.Get<Transform>(), nullptr);
    EXPECT_EQ(background.Get<Texture>()->texture, nullptr);
    EXPECT_EQ(background.Get<Texture>()->program, "basic");
    EXPECT_EQ(background.Get<Transform>()->scale, glm::vec2(1.0f));
}

TEST(Background, StylesPickProgramAndRotation)
{
    Background background;
    background.setStyle(Background::kPlain);
    EXPECT_EQ(background.Get<Texture>()->program, "mesh");
    background.setStyle(Background::kWood);
    EXPECT_EQ(background.Get<Texture>()->program, "background");
    EXPECT_FLOAT_EQ(background.Get<Transform>()->rotation, 0.0f);
    for (int style : {Background::kWater, Background::kLava, Background::kDidaruza}) {
        background.setStyle(style);
        EXPECT_EQ(background.Get<Texture>()->program, "water");
        EXPECT_FLOAT_EQ(background.Get<Transform>()->rotation, 45.0f);
    }
    background.setStyle(11);
    EXPECT_EQ(background.style, 11);
    EXPECT_EQ(background.Get<Texture>()->program, "water") << "unknown styles change nothing else";
}

TEST(Background, UpdateScalesToSizeAndOnlyDidaruzaTurns)
{
    Background background;
    background.setStyle(Background::kDidaruza);
    background.size = {2660.0f, 1540.0f};
    for (int i = 0; i < 4; ++i) background.Update(0.5f);
    EXPECT_EQ(background.Get<Transform>()->scale, glm::vec2(2660.0f, 1540.0f));
    EXPECT_NEAR(background.Get<Transform>()->rotation, 45.1f, 1e-4f) << "0.025 degrees a frame, whatever dt";
    background.setStyle(Background::kWater);
    background.Update(0.5f);
    EXPECT_FLOAT_EQ(background.Get<Transform>()->rotation, 45.0f);
}

TEST(Background, MaterialGetsSizeAndHalfTheTextureSize)
{
    Background background;
    background.size = {100.0f, 50.0f};
    background.setTextureSize(64.0f, 32.0f);
    MaterialInputs in;
    background.FillMaterialInputs(in);
    EXPECT_EQ(in.size, glm::vec2(100.0f, 50.0f));
    EXPECT_EQ(in.textureSize, glm::vec2(32.0f, 16.0f));
}
