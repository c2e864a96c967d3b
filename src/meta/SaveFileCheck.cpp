#include "meta/SaveFileCheck.h"

#include <exception>
#include <system_error>

#include "engine/Json.h"
#include "meta/RecordFile.h"
#include "meta/SaveFolder.h"

namespace fs = std::filesystem;

void CheckSaveFiles(const fs::path& folder, datacheck::Problems& problems)
{
    for (const char* name : {"Config.json", "Profile.json"}) {
        fs::path file = folder / name;
        std::error_code ec;
        fs::file_status status = fs::status(file, ec);
        if (status.type() == fs::file_type::not_found) continue;  // a first start creates it
        if (!fs::is_regular_file(status)) {  // never opened: a pipe would block the check
            problems.Add("!!! - Could not read " + file.string() + ": not a regular file");
            continue;
        }
        json::Document doc;
        json::Result result = json::ParseFile(file.string(), doc, recordfile::kMaxBytes);
        if (result.status == json::Status::NotFound)
            problems.Add("!!! - Could not read " + file.string());
        else if (!result.ok())
            problems.Add("!!! - Could not parse " + file.string() + ": " + result.message);
        else if (!doc.IsObject())
            problems.Add("!!! - Could not parse " + file.string() + ": not a JSON object");
    }
}

namespace {

void CheckRealSaveFiles(datacheck::Problems& problems)
{
    try {
        CheckSaveFiles(savefolder::Locate(savefolder::ProcessEnv), problems);
    } catch (const std::exception& e) {
        problems.Add(std::string("!!! - No save folder: ") + e.what());
    }
}

const bool registered = datacheck::Register("SaveFiles", CheckRealSaveFiles);

}  // namespace
