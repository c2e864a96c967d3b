#include <string>

#include <gtest/gtest.h>

#include "engine/Json.h"

TEST(Json, TypedGettersTellAbsentFromWrongType)
{
    json::Document doc;
    ASSERT_TRUE(json::ParseText(R"({"a": 3, "b": "x", "c": 4294967296, "d": 1.5, "e": true})", doc).ok());
    int i = 0;
    EXPECT_EQ(json::GetInt(doc, "a", i), json::Field::Ok);
    EXPECT_EQ(i, 3);
    EXPECT_EQ(json::GetInt(doc, "b", i), json::Field::WrongType);
    EXPECT_EQ(json::GetInt(doc, "c", i), json::Field::WrongType) << "integers outside 32 bits are ill-typed";
    EXPECT_EQ(json::GetInt(doc, "d", i), json::Field::WrongType);
    EXPECT_EQ(json::GetInt(doc, "zzz", i), json::Field::Absent);
    float f = 0;
    EXPECT_EQ(json::GetFloat(doc, "a", f), json::Field::Ok);
    EXPECT_FLOAT_EQ(f, 3.0f);
    bool b = false;
    EXPECT_EQ(json::GetBool(doc, "e", b), json::Field::Ok);
    EXPECT_TRUE(b);
    std::string s;
    EXPECT_EQ(json::GetString(doc, "a", s), json::Field::WrongType);
    EXPECT_EQ(json::GetString(doc, "b", s), json::Field::Ok);
    EXPECT_EQ(s, "x");
}

TEST(Json, FloatsBeyondTheFloatRangeAreIllTyped)
{
    // Converting them would give an infinity that spreads through positions and matrices.
    json::Document doc;
    ASSERT_TRUE(json::ParseText(R"({"big": 1e300, "small": -1e300, "edge": 3.0e38, "tiny": 1e-300})", doc).ok());
    float f = 7.0f;
    EXPECT_EQ(json::GetFloat(doc, "big", f), json::Field::WrongType);
    EXPECT_EQ(json::GetFloat(doc, "small", f), json::Field::WrongType);
    EXPECT_FLOAT_EQ(f, 7.0f) << "an ill-typed member leaves the value alone";
    EXPECT_EQ(json::GetFloat(doc, "edge", f), json::Field::Ok);
    EXPECT_FLOAT_EQ(f, 3.0e38f);
    EXPECT_EQ(json::GetFloat(doc, "tiny", f), json::Field::Ok);
    EXPECT_FLOAT_EQ(f, 0.0f);
}

TEST(Json, GettersOnNonObjectsAreAbsent)
{
    json::Document doc;
    ASSERT_TRUE(json::ParseText("[1,2]", doc).ok());
    int i = 0;
    EXPECT_EQ(json::GetInt(doc, "a", i), json::Field::Absent);
}

TEST(Json, HostileInputIsRejectedWithoutCrashing)
{
    json::Document doc;
    EXPECT_EQ(json::ParseText(std::string(200000, '['), doc).status, json::Status::Malformed);
    std::string balanced = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_EQ(json::ParseText(balanced, doc).status, json::Status::TooDeep);
    EXPECT_TRUE(doc.IsNull());
    EXPECT_EQ(json::ParseText("{\"a\": [1, 2", doc).status, json::Status::Malformed);
    EXPECT_EQ(json::ParseText("", doc).status, json::Status::Malformed);
    EXPECT_EQ(json::ParseText("{} trailing", doc).status, json::Status::Malformed);
    EXPECT_EQ(json::ParseText(std::string(64, ' ') + "{}", doc, 16).status, json::Status::TooLarge);
    EXPECT_EQ(json::ParseFile("/nonexistent/file.json", doc).status, json::Status::NotFound);
}

TEST(Json, DepthCountsNesting)
{
    json::Document doc;
    ASSERT_TRUE(json::ParseText(R"({"a": [[1], {"b": {}}]})", doc).ok());
    EXPECT_EQ(json::Depth(doc), 4);
}

TEST(Json, OnlyRegularFilesAreRead)
{
    json::Document doc;
    EXPECT_EQ(json::ParseFile("/tmp", doc).status, json::Status::NotFound);
    EXPECT_EQ(json::ParseFile("/dev/zero", doc).status, json::Status::NotFound) << "a device must not be read forever";
}
