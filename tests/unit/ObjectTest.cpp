#include <gtest/gtest.h>

#include "objects/AnchorTransform.h"
#include "objects/Animation.h"
#include "objects/LayerManager.h"
#include "objects/Object.h"
#include "objects/Physics.h"
#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/Mesh.h"
#include "RenderTestSupport.h"

TEST(Object, ComponentsStaySortedByKindAndLookupFindsThem)
{
    Object object;
    auto* texture = new Texture();
    auto* transform = new Transform();
    auto* animation = new Animation();
    object.AddComponent(texture);
    object.AddComponent(transform);
    object.AddComponent(animation);
    ASSERT_EQ(object.components.size(), 3u);
    EXPECT_EQ(object.components[0], animation);
    EXPECT_EQ(object.components[1], texture);
    EXPECT_EQ(object.components[2], transform);
    EXPECT_EQ(object.GetComponent(kAnimation), animation);
    EXPECT_EQ(object.GetComponent(kTexture), texture);
    EXPECT_EQ(object.GetComponent(kTransform), transform);
    EXPECT_EQ(object.GetComponent(1), nullptr) << "no component has kind 1";
    EXPECT_EQ(object.GetComponent(kPhysics), nullptr);
    EXPECT_EQ(object.GetComponent(kAnchorTransform), nullptr);
    EXPECT_EQ(object.GetComponent(99), nullptr);
    for (Component* c : object.components) EXPECT_EQ(c->owner, &object);
}

TEST(Object, NullComponentIsIgnoredAndEmptyObjectFindsNothing)
{
    Object object;
    object.AddComponent(nullptr);
    EXPECT_TRUE(object.components.empty());
    EXPECT_EQ(object.GetComponent(kTransform), nullptr);
    EXPECT_EQ(object.GetPlacement(), nullptr);
}

TEST(Object, PlacementPrefersTheWorldTransform)
{
    Object ui;
    auto* anchor = new AnchorTransform();
    ui.AddComponent(anchor);
    EXPECT_EQ(ui.GetPlacement(), anchor);
    auto* transform = new Transform();
    ui.AddComponent(transform);
    EXPECT_EQ(ui.GetPlacement(), transform);
}

TEST(Object, CopySharesNoComponentWithItsSource)
{
    Object source;
    source.name = "Source";
    source.tag = 7;
    auto* transform = new Transform();
    transform->setPosition(3.0f, 4.0f);
    transform->layer = 5;
    source.AddComponent(transform);
    auto* physics = new Physics();
    physics->velocity = {1.0f, 2.0f};
    source.AddComponent(physics);

    Object copy(source);
    EXPECT_EQ(copy.name, "Source");
    EXPECT_EQ(copy.tag, 0);
    ASSERT_EQ(copy.components.size(), 2u);
    auto* copied = copy.Get<Transform>();
    ASSERT_NE(copied, nullptr);
    EXPECT_NE(copied, transform);
    EXPECT_EQ(copied->owner, &copy);
    EXPECT_EQ(copied->position, glm::vec2(3.0f, 4.0f));
    EXPECT_EQ(copied->layer, 0) << "layers restart on cloning";
    EXPECT_EQ(copy.Get<Physics>()->velocity, glm::vec2(1.0f, 2.0f));

    copied->setPosition(100.0f, 100.0f);
    copy.Get<Physics>()->velocity = {9.0f, 9.0f};
    EXPECT_EQ(transform->position, glm::vec2(3.0f, 4.0f));
    EXPECT_EQ(physics->velocity, glm::vec2(1.0f, 2.0f));
}

TEST(Object, CopiedSpriteSharesItsMeshButNotItsComponent)
{
    Object source;
    auto* sprite = new Texture();
    sprite->program = "tile";
    sprite->mesh = std::make_shared<Mesh>("NoSuchMeshForThisTest", 2);
    source.AddComponent(sprite);
    Object copy(source);
    auto* copied = copy.Get<Texture>();
    ASSERT_NE(copied, sprite);
    EXPECT_EQ(copied->mesh, sprite->mesh);
    EXPECT_EQ(copied->program, "tile");
    copied->program = "basic";
    EXPECT_EQ(sprite->program, "tile");
}

TEST(Object, UpdateRunsComponentsInKindOrder)
{
    // Animation (0) steps before Physics (2) moves the transform (4).
    Object object;
    auto* transform = new Transform();
    auto* physics = new Physics();
    physics->velocity = {10.0f, 0.0f};
    auto* animation = new Animation();
    animation->play(0, 3, 0.1f, true);
    object.AddComponent(transform);
    object.AddComponent(physics);
    object.AddComponent(animation);
    object.Update(0.1f);
    EXPECT_EQ(animation->currentFrame, 1);
    EXPECT_FLOAT_EQ(transform->position.x, 1.0f);
}

namespace {
struct FakeEmitter : Object {
    explicit FakeEmitter(const std::string& file) { name = "from_" + file; }
};
}  // namespace

TEST(Object, EmittersAreStoredByNameAndReplaced)
{
    Object object;
    FakeEmitter* first = object.addEmitter<FakeEmitter>("Sparks");
    EXPECT_EQ(object.getEmitter<FakeEmitter>("from_Sparks"), first) << "an empty name takes the emitter's own";
    FakeEmitter* named = object.addEmitter<FakeEmitter>("Sparks", "hit");
    EXPECT_EQ(object.getEmitter<FakeEmitter>("hit"), named);
    FakeEmitter* replaced = object.addEmitter<FakeEmitter>("Smoke", "hit");
    EXPECT_EQ(object.getEmitter<FakeEmitter>("hit"), replaced);
    EXPECT_EQ(object.emitters.size(), 2u);
    EXPECT_EQ(object.getEmitter<FakeEmitter>("nothing"), nullptr);
    Object copy(object);
    EXPECT_TRUE(copy.emitters.empty()) << "copies start without emitters";
}

TEST(LayerManager, ClaimsSucceedUnlessAHigherWorldLayerExists)
{
    LayerManager layers;
    AnchorTransform low, high;
    low.layer = 1;
    high.layer = 3;
    EXPECT_TRUE(layers.claimHover(&high));
    EXPECT_TRUE(layers.claimHover(&low)) << "without world transforms every claim succeeds";
    EXPECT_TRUE(layers.claimHover(&low));
    EXPECT_EQ(layers.uiTransforms.size(), 2u) << "a transform is remembered once";
    Transform world;
    world.layer = 0;
    layers.worldTransforms.push_back(&world);
    EXPECT_FALSE(layers.claimHover(&low));
    EXPECT_TRUE(layers.claimHover(&high));
}

TEST(LayerManager, ADestroyedTransformIsNoLongerRemembered)
{
    // A spell card that claimed the hover and was then destroyed with its scene must not be read
    // by the next claim.
    LayerManager layers;
    auto* card = new AnchorTransform();
    auto* world = new Transform();
    AnchorTransform stays;
    EXPECT_TRUE(layers.claimHover(card));
    EXPECT_TRUE(layers.claimHover(&stays));
    layers.worldTransforms.push_back(world);
    delete card;
    delete world;
    ASSERT_EQ(layers.uiTransforms.size(), 1u);
    EXPECT_EQ(layers.uiTransforms[0], &stays);
    EXPECT_TRUE(layers.worldTransforms.empty());
    EXPECT_TRUE(layers.claimHover(&stays));
}

TEST(Texture, DrawWithoutMeshIsSilentAndWithoutShadersComplains)
{
    LogCapture log("texture_component_test_log.txt");
    Object object;
    auto* sprite = new Texture();
    object.AddComponent(sprite);
    object.Draw();
    EXPECT_FALSE(log.Has("ShaderLibrary pointer"));
    sprite->mesh = std::make_shared<Mesh>("NoSuchMeshForThisTest", 2);
    object.Draw();
    EXPECT_TRUE(log.Has("/// Texture tried to render without being passed a ShaderLibrary pointer. Ask Dunstan for help. ///"));
}

TEST(Texture, NoneMeansUntextured)
{
    Texture sprite("NoSuchMeshForThisTest", "None");
    EXPECT_EQ(sprite.texture, nullptr);
    EXPECT_EQ(sprite.program, "basic");
    ASSERT_NE(sprite.mesh, nullptr);
    EXPECT_EQ(sprite.mesh->name, "NoSuchMeshForThisTest");
}
