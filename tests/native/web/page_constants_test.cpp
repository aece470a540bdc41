// The numbers handed to the page must be the ones its modules read: a module that
// reads a name the module never hands over gets undefined, and a name handed over
// that nothing reads is a number kept in two places for nothing.
#include "web/page_constants.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string HandedOver() {
    char out[1024];
    const std::size_t length = WritePageConstants(out, sizeof out);
    EXPECT_GT(length, 0u);
    return std::string(out, length);
}

// The names in the JSON text, as the page spells them: "group.name", or "name"
// for a value outside any group.
std::set<std::string> NamesIn(const std::string& json) {
    std::set<std::string> names;
    std::string group;
    for (std::size_t i = 0; i < json.size(); ++i) {
        if (json[i] == '}') {
            group.clear();
        }
        if (json[i] != '"') {
            continue;
        }
        const std::size_t close = json.find('"', i + 1);
        const std::string text = json.substr(i + 1, close - i - 1);
        i = close;
        if (json.compare(close + 1, 2, ":{") == 0) {
            group = text;
        } else if (json.compare(close + 1, 1, ":") == 0) {
            names.insert(group.empty() ? text : group + "." + text);
        }
    }
    return names;
}

// The names one module reads: "shared.group.name" and "shared.name" as written,
// and the members read through a group held in a constant ("const box =
// shared.messageBox; box.ok") or taken apart ("const { width } = shared.baseClient").
std::set<std::string> NamesReadIn(const std::string& script) {
    std::set<std::string> names;
    std::set<std::string> heldGroups;
    const std::regex held(R"((?:const|let)\s+(\w+)\s*=\s*shared\.(\w+)\s*;)");
    for (std::sregex_iterator m(script.begin(), script.end(), held), end; m != end; ++m) {
        const std::string alias = (*m)[1], group = (*m)[2];
        heldGroups.insert(group);
        // Not a file name such as "./message-box.js".
        const std::regex member(R"((?:^|[\s(\[!,{=&|?:+;]))" + alias + R"(\.(\w+))");
        for (std::sregex_iterator r(script.begin(), script.end(), member); r != end; ++r) {
            names.insert(group + "." + (*r)[1].str());
        }
    }
    const std::regex takenApart(R"((?:const|let)\s*\{([^}]*)\}\s*=\s*shared\.(\w+))");
    for (std::sregex_iterator m(script.begin(), script.end(), takenApart), end; m != end; ++m) {
        const std::string members = (*m)[1], group = (*m)[2];
        heldGroups.insert(group);
        const std::regex name(R"((\w+)\s*(?::[^,]*)?(?:,|$))");
        for (std::sregex_iterator r(members.begin(), members.end(), name); r != end; ++r) {
            names.insert(group + "." + (*r)[1].str());
        }
    }
    const std::regex path(R"(\bshared\.(\w+)(?:\.(\w+))?)");
    for (std::sregex_iterator m(script.begin(), script.end(), path), end; m != end; ++m) {
        if ((*m)[2].matched) {
            names.insert((*m)[1].str() + "." + (*m)[2].str());
        } else if (heldGroups.count((*m)[1]) == 0) {
            names.insert((*m)[1]);
        }
    }
    return names;
}

// Every name the page's modules read, with a module that reads it.
std::map<std::string, std::string> NamesThePageReads() {
    std::map<std::string, std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(LORVAN_SITE_DIR)) {
        if (entry.path().extension() != ".js") {
            continue;
        }
        std::ifstream file(entry.path());
        std::stringstream script;
        script << file.rdbuf();
        for (const std::string& name : NamesReadIn(script.str())) {
            names.emplace(name, entry.path().filename().string());
        }
    }
    return names;
}

TEST(PageConstants, HandOverExactlyTheNamesThePagesModulesRead) {
    const std::set<std::string> handedOver = NamesIn(HandedOver());
    const std::map<std::string, std::string> read = NamesThePageReads();
    ASSERT_FALSE(read.empty());
    for (const auto& [name, module] : read) {
        EXPECT_EQ(handedOver.count(name), 1u)
            << module << " reads shared." << name << ", which the module does not hand over";
    }
    for (const std::string& name : handedOver) {
        EXPECT_EQ(read.count(name), 1u)
            << "shared." << name << " is handed over, but no module reads it";
    }
}

TEST(PageConstants, ABufferTooSmallGivesNothingRatherThanACutText) {
    char out[1024];
    const std::size_t length = WritePageConstants(out, sizeof out);
    ASSERT_EQ(length, std::string(out).size());
    EXPECT_EQ(out[0], '{');
    EXPECT_EQ(WritePageConstants(out, length), 0u);
    EXPECT_STREQ(out, "");
    char one[1] = {'x'};
    EXPECT_EQ(WritePageConstants(one, sizeof one), 0u);
    EXPECT_EQ(one[0], '\0');
}

} // namespace
