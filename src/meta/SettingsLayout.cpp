#include "meta/SettingsLayout.h"

#include <algorithm>

#include "engine/Json.h"

namespace {

// A number written with a fraction part; integers are not accepted.
bool Fraction(const json::Value& v, float& out)
{
    if (!v.IsDouble()) return false;
    out = static_cast<float>(v.GetDouble());
    return true;
}

bool Pair(const json::Value& v, glm::vec2& out)
{
    if (!v.IsArray() || v.Size() != 2) return false;
    glm::vec2 pair;
    if (!Fraction(v[0], pair.x) || !Fraction(v[1], pair.y)) return false;
    out = pair;
    return true;
}

void ReadPositions(const json::Value& member, SettingsLayout& layout)
{
    for (const auto& entry : member.GetObject()) {
        if (!entry.value.IsObject()) continue;
        PanelPlacement placement;
        std::string anchor;
        if (json::GetString(entry.value, "anchor", anchor) == json::Field::Ok) placement.anchor = anchor;
        if (const json::Value* percent = json::Find(entry.value, "percentage")) Fraction(*percent, placement.percentage);
        layout.panelPositions[entry.name.GetString()] = placement;
    }
}

template <typename Read>
void EachEntry(const json::Value& root, const char* key, Read read)
{
    const json::Value* member = nullptr;
    if (json::GetObject(root, key, member) != json::Field::Ok) return;
    for (const auto& entry : member->GetObject()) read(std::string(entry.name.GetString()), entry.value);
}

}  // namespace

SettingsLayout BuiltInSettingsLayout()
{
    SettingsLayout layout;
    layout.panelPositions["title_panel"] = {"ANCHOR_TOP_CENTER", 86.0f};
    layout.panelPositions["settings_panel"] = {"ANCHOR_BOTTOM_CENTER", 15.0f};
    layout.panelScales["title_panel"] = {150.0f, 30.0f};
    layout.panelScales["settings_panel"] = {400.0f, 290.0f};
    layout.textPositions["Settings"] = {0.0f, 310.0f};
    layout.textFontSizes["Settings"] = 44.0f;
    for (std::size_t i = 0; i < kSettingsRows.size(); ++i) {
        layout.textPositions[kSettingsRows[i]] = {-360.0f, 215.0f - kSettingsRowStep * static_cast<float>(i)};
        layout.textFontSizes[kSettingsRows[i]] = 30.0f;
    }
    return layout;
}

LayoutRead ReadSettingsLayout(const std::string& path, SettingsLayout& layout)
{
    json::Document doc;
    json::Result result = json::ParseFile(path, doc);
    if (result.status == json::Status::NotFound) return LayoutRead::CannotOpen;
    if (!result.ok() || !doc.IsObject()) return LayoutRead::CannotParse;
    SettingsLayout read = layout;
    const json::Value* positions = nullptr;
    if (json::GetObject(doc, "PanelPositions", positions) == json::Field::Ok) ReadPositions(*positions, read);
    EachEntry(doc, "PanelScales", [&](const std::string& name, const json::Value& v) {
        glm::vec2 scale;
        if (Pair(v, scale)) read.panelScales[name] = scale;
    });
    EachEntry(doc, "TextPositions", [&](const std::string& name, const json::Value& v) {
        glm::vec2 at;
        if (Pair(v, at)) read.textPositions[name] = at;
    });
    EachEntry(doc, "TextFontSize", [&](const std::string& name, const json::Value& v) {
        float size = 0.0f;
        if (Fraction(v, size)) read.textFontSizes[name] = size;
    });
    layout = std::move(read);
    return LayoutRead::Ok;
}

std::array<glm::vec2, kSettingsRows.size()> SettingsRowPositions(const SettingsLayout& layout)
{
    auto at = [&](const char* name) {
        auto found = layout.textPositions.find(name);
        return found != layout.textPositions.end() ? found->second : glm::vec2(0.0f);
    };
    std::array<glm::vec2, kSettingsRows.size()> rows{};
    rows[0] = at(kSettingsRows[0]);
    rows[1] = at(kSettingsRows[1]);
    for (std::size_t k = 2; k < rows.size(); ++k)
        rows[k] = {rows[1].x, rows[0].y - static_cast<float>(k) * kSettingsRowStep};
    return rows;
}

namespace settingschoices {

int ResolutionItemCount(MonitorSize monitor)
{
    return NearestResolutionIndex(monitor.width, monitor.height) + 1;
}

int InitialResolutionItem(int stored, int itemCount)
{
    if (stored < 0 || stored >= kResolutionCount) return 0;
    return std::min(stored, std::max(1, itemCount) - 1);
}

int InitialSensitivityItem(int stored)
{
    return std::clamp(stored, 1, 5) - 1;
}

std::string ResolutionLabel(int index)
{
    Resolution size = ResolutionAt(index);
    return std::to_string(static_cast<int>(size.width)) + " x " + std::to_string(static_cast<int>(size.height));
}

}  // namespace settingschoices
