#include "meta/ConfigFile.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iostream>

namespace {

constexpr std::array<Resolution, kResolutionCount> kResolutions{{
    {1280, 720},
    {1280, 800},
    {1440, 900},
    {1680, 1050},
    {1920, 1080},
    {1920, 1200},
    {2560, 1440},
    {2560, 1600},
    {3840, 2160},
    {3480, 2400},
}};

// Where each member of ConfigMembers stands in a new file, which is also the order of reading:
// FULLSCREEN, RESOLUTION, SENSITIVITY, then the other flags.
constexpr std::array<int, 9> kFileOrder{2, 0, 1, 3, 4, 5, 6, 7, 8};
constexpr int kResolutionMember = 0;

// Takes the member's value from obj when it is there with the right type; otherwise the fallback's.
// Returns false when the fallback was used.
bool ReadMember(const json::Value& obj, const recordfile::Member& member, const recordfile::Member& fallback)
{
    json::Field field = member.flag ? json::GetBool(obj, member.key, *member.flag)
                                    : json::GetInt(obj, member.key, *member.number);
    if (field == json::Field::Ok) return true;
    if (member.flag) *member.flag = *fallback.flag;
    else *member.number = *fallback.number;
    return false;
}

}  // namespace

Resolution ResolutionAt(int index)
{
    if (index < 0 || index >= kResolutionCount) return kResolutions[0];
    return kResolutions[static_cast<std::size_t>(index)];
}

int NearestResolutionIndex(int width, int height)
{
    double best = DBL_MAX;
    int bestIndex = 0;
    for (int i = 0; i < kResolutionCount; ++i) {
        float dx = kResolutions[static_cast<std::size_t>(i)].width - static_cast<float>(width);
        float dy = kResolutions[static_cast<std::size_t>(i)].height - static_cast<float>(height);
        float distance = std::sqrt(dx * dx + dy * dy);
        if (distance < best) {  // strictly nearer, so a tie keeps the lower index
            best = distance;
            bestIndex = i;
        }
    }
    return bestIndex;
}

std::array<recordfile::Member, 9> ConfigMembers(UserConfigRecord& config)
{
    return {{
        {"RESOLUTION", nullptr, &config.resolution},
        {"SENSITIVITY", nullptr, &config.sensitivity},
        {"FULLSCREEN", &config.fullscreen},
        {"MUSIC", &config.music},
        {"SFX", &config.sfx},
        {"HEALTHBARS", &config.healthBars},
        {"HIGHCONTRAST", &config.highContrast},
        {"LOWFPS", &config.lowFps},
        {"HARDWARECURSOR", &config.hardwareCursor},
    }};
}

UserConfigRecord FirstStartConfig(MonitorSize monitor)
{
    UserConfigRecord config;
    config.resolution = NearestResolutionIndex(monitor.width, monitor.height);
    return config;
}

namespace {

void CreateConfigFile(const std::filesystem::path& file, MonitorSize monitor, UserConfigRecord& config)
{
    std::cerr << "Error: Config file not found. Reverting to default settings." << std::endl;
    GLFWwindow* window = config.window;
    config = FirstStartConfig(monitor);
    config.window = window;
    auto members = ConfigMembers(config);
    std::array<recordfile::Member, 9> inFileOrder;
    for (std::size_t i = 0; i < kFileOrder.size(); ++i) inFileOrder[i] = members[static_cast<std::size_t>(kFileOrder[i])];
    recordfile::Create(file, inFileOrder);
}

}  // namespace

void LoadConfigFile(const std::filesystem::path& file, MonitorSize monitor, UserConfigRecord& config)
{
    json::Document doc;
    recordfile::State state = recordfile::Read(file, doc);
    if (state == recordfile::State::Missing) {
        CreateConfigFile(file, monitor, config);
        return;
    }
    if (state == recordfile::State::Unparsable) {
        std::cerr << "Error: Failed to parse Config file." << std::endl;
        doc.SetObject();
    }
    UserConfigRecord defaults;
    auto members = ConfigMembers(config);
    auto fallbacks = ConfigMembers(defaults);
    bool usedDefault = false;
    for (int index : kFileOrder) {
        auto i = static_cast<std::size_t>(index);
        if (!ReadMember(doc, members[i], fallbacks[i])) usedDefault = true;
        else if (index == kResolutionMember && config.resolution >= 0 && config.resolution < kResolutionCount)
            config.resolution = std::min(config.resolution, NearestResolutionIndex(monitor.width, monitor.height));
    }
    if (usedDefault) SaveConfigFile(file, config);
}

bool SaveConfigFile(const std::filesystem::path& file, UserConfigRecord& config)
{
    return recordfile::Save(file, ConfigMembers(config));
}
