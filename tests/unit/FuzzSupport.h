#pragma once
// Damaged versions of shipped files for the loader fuzz tests: flipped bytes, cut-off files,
// repeated or deleted stretches, stray brackets and absurd numbers.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace fuzz {

namespace fs = std::filesystem;

constexpr int kRoundsPerFile = 300;

inline std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void WriteFile(const fs::path& path, const std::string& text)
{
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// Damages text in one of several ways a broken disk, a bad edit or a hostile file would.
class Mutator {
public:
    explicit Mutator(unsigned seed) : rng(seed) {}

    std::string operator()(std::string text)
    {
        int edits = 1 + Pick(3);
        for (int i = 0; i < edits; ++i) text = Once(std::move(text));
        return text;
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    std::size_t At(const std::string& t) { return t.empty() ? 0 : static_cast<std::size_t>(Pick(static_cast<int>(t.size()))); }

    std::string Once(std::string t)
    {
        static const char* const kNumbers[] = {"99999999999", "-2147483649", "1e308", "-1e308", "-1",
                                               "0", "2000000000", "1e-320", "NaN", "Infinity"};
        static const std::string kStray = "[]{}\":,0-e.\\\n";
        switch (Pick(7)) {
        case 0:  // flip a byte
            if (!t.empty()) t[At(t)] = static_cast<char>(Pick(256));
            break;
        case 1:  // cut the file short
            t.resize(At(t));
            break;
        case 2: {  // delete a stretch
            std::size_t from = At(t);
            t.erase(from, static_cast<std::size_t>(Pick(64)));
            break;
        }
        case 3: {  // repeat a stretch
            std::size_t from = At(t);
            t.insert(from, t.substr(from, static_cast<std::size_t>(Pick(200))));
            break;
        }
        case 4:  // stray punctuation
            t.insert(At(t), 1, kStray[static_cast<std::size_t>(Pick(static_cast<int>(kStray.size())))]);
            break;
        case 5: {  // replace a number with an absurd one
            std::size_t digit = t.find_first_of("0123456789", At(t));
            if (digit == std::string::npos) break;
            std::size_t end = t.find_first_not_of("0123456789.-e", digit);
            t.replace(digit, (end == std::string::npos ? t.size() : end) - digit, kNumbers[Pick(10)]);
            break;
        }
        default:  // deep nesting at a random place
            t.insert(At(t), std::string(static_cast<std::size_t>(1 + Pick(400)), Pick(2) ? '[' : '{'));
            break;
        }
        return t;
    }

    std::mt19937 rng;
};

// Runs each shipped file of a folder (or one file) through `load` in damaged versions.
template <typename Load>
void FuzzFiles(const std::vector<fs::path>& files, Load load)
{
    ASSERT_FALSE(files.empty());
    unsigned seed = 1;
    for (const fs::path& file : files) {
        const std::string original = ReadFile(file);
        ASSERT_FALSE(original.empty()) << file;
        Mutator mutate(seed++);
        load(original);
        for (int round = 0; round < kRoundsPerFile; ++round) load(mutate(original));
    }
}

inline std::vector<fs::path> FilesIn(const fs::path& folder, const std::string& extension = ".json")
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == extension) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace fuzz
