#include "render/TeamColors.h"

namespace render {
namespace {
std::function<TeamColors()>& Source()
{
    static std::function<TeamColors()> source;
    return source;
}
}  // namespace

void SetTeamColorSource(std::function<TeamColors()> source)
{
    Source() = std::move(source);
}

TeamColors CurrentTeamColors()
{
    return Source() ? Source()() : TeamColors{};
}
}  // namespace render
