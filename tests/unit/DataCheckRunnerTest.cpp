#include <gtest/gtest.h>

#include "app/DataCheckRunner.h"

namespace {
datacheck::Entry Check(const std::string& name, bool needsGl, std::vector<std::string> lines)
{
    return {name, [lines](datacheck::Problems& p) {
                for (const auto& line : lines) p.Add(line);
            },
            needsGl};
}
}  // namespace

TEST(DataCheckRunner, SkippedCheckFailsUnlessAllowed)
{
    std::vector<datacheck::Entry> checks{Check("Meshes", false, {}), Check("Shaders", true, {"never run"})};
    datacheck::Outcome strict = datacheck::Run(checks, false, false);
    EXPECT_EQ(strict.skipped, 1);
    EXPECT_EQ(strict.ExitCode(false), 1) << "a check that did not run is not a pass";
    ASSERT_EQ(strict.lines.size(), 1u);
    EXPECT_NE(strict.lines[0].find("Shaders: not checked"), std::string::npos);
    datacheck::Outcome allowed = datacheck::Run(checks, false, true);
    EXPECT_EQ(allowed.ExitCode(true), 0);
    EXPECT_EQ(allowed.lines.back(), "All game data that could be checked is in order.");
}

TEST(DataCheckRunner, ProblemsFailAndCleanDataPasses)
{
    datacheck::Outcome bad = datacheck::Run({Check("Fonts", false, {"Font X: broken"})}, true, false);
    EXPECT_EQ(bad.ExitCode(false), 1);
    EXPECT_EQ(bad.lines, std::vector<std::string>{"Font X: broken"});
    datacheck::Outcome good = datacheck::Run({Check("Fonts", false, {}), Check("Shaders", true, {})}, true, false);
    EXPECT_EQ(good.ExitCode(false), 0);
    EXPECT_EQ(good.lines, std::vector<std::string>{"All game data is in order."});
}
