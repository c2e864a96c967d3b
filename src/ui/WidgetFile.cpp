#include "ui/WidgetFile.h"

#include "engine/Log.h"

namespace ui {

bool IsFractionPair(const json::Value* value)
{
    if (!value || !value->IsArray() || value->Size() != 2) return false;
    for (const json::Value& element : value->GetArray())
        if (!element.IsDouble()) return false;
    return true;
}

bool ReadWidgetFile(const std::string& name, const char* reader, WidgetFile& file)
{
    const std::string path = "./Data/" + name + ".json";
    json::Result result = json::ParseFile(path, file.doc);
    if (result.status == json::Status::NotFound) {
        print(reader, " Read: Couldn't open ", path);
        return false;
    }
    if (!result.ok() || !file.doc.IsObject()) {
        print(reader, " Read: Couldn't parse ", path);
        return false;
    }
    file.placementValid = IsFractionPair(json::Find(file.doc, "translation")) && IsFractionPair(json::Find(file.doc, "scale"));
    return true;
}

}  // namespace ui
