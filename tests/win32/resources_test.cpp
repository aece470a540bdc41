// The resources built into Lorvan.exe, read from the file as data.
#include "tests/win32/win32_test_support.h"

#include <windows.h>
#include <shlwapi.h>
#include <winver.h>
#include <xmllite.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

class LorvanResources : public ::testing::Test {
  protected:
    void SetUp() override {
        module = LoadLibraryExA(LorvanExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << LorvanExePath();
    }
    void TearDown() override {
        if (module != nullptr) {
            FreeLibrary(module);
        }
    }

    const GroupIconHeader* GroupIcon(const char* name) {
        HRSRC found = FindResourceExA(module, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, name,
                                      MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        if (found == nullptr) {
            return nullptr;
        }
        return static_cast<const GroupIconHeader*>(LockResource(LoadResource(module, found)));
    }

    HMODULE module = nullptr;
};

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(
        IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name))
                             : std::string(name));
    return TRUE;
}

TEST_F(LorvanResources, HasBothGroupIconsWithOne32By32SixteenColourImage) {
    const char* const names[] = {MAKEINTRESOURCEA(101), "A"};
    for (const char* name : names) {
        const GroupIconHeader* group = GroupIcon(name);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->type, 1);
        ASSERT_EQ(group->count, 1);
        EXPECT_EQ(group->entries[0].width, 32);
        EXPECT_EQ(group->entries[0].height, 32);
        EXPECT_EQ(group->entries[0].colorCount, 16);
        EXPECT_EQ(group->entries[0].bitCount, 4);
    }
    // The file's own icon is the first group icon of the directory.
    std::vector<std::string> listed;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(14), CollectName,
                       reinterpret_cast<LONG_PTR>(&listed));
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0], "A");
    EXPECT_EQ(listed[1], "#101");
}

TEST_F(LorvanResources, HasTheMainMenu) {
    HRSRC found = FindResourceExA(module, MAKEINTRESOURCEA(4) /* RT_MENU */, MAKEINTRESOURCEA(201),
                                  MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_NE(found, nullptr);
    HMENU menu = LoadMenuIndirectA(LockResource(LoadResource(module, found)));
    ExpectGameMenu(menu);
    DestroyMenu(menu);
}

// What the manifest says, read with the system's own XML reader (xmllite.dll,
// loaded by name: the cross toolchain has no import library for it).
struct ManifestFacts {
    bool wellFormed = false;
    bool commonControls6 = false;
    std::wstring dpiAware;
    std::wstring dpiAwareness;
};

ManifestFacts ReadManifest(const void* data, DWORD size) {
    ManifestFacts facts;
    using CreateReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
    HMODULE xmllite = LoadLibraryA("xmllite.dll");
    auto createReader = reinterpret_cast<CreateReaderFunction>(
        reinterpret_cast<void*>(GetProcAddress(xmllite, "CreateXmlReader")));
    IStream* stream = SHCreateMemStream(static_cast<const BYTE*>(data), size);
    IXmlReader* reader = nullptr;
    if (createReader == nullptr || stream == nullptr ||
        FAILED(createReader(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader), nullptr)) ||
        FAILED(reader->SetInput(stream))) {
        ADD_FAILURE() << "no XML reader";
        return facts;
    }
    XmlNodeType node = XmlNodeType_None;
    HRESULT step = S_OK;
    std::wstring element;
    while ((step = reader->Read(&node)) == S_OK) {
        const WCHAR* text = nullptr;
        if (node == XmlNodeType_Element) {
            reader->GetLocalName(&text, nullptr);
            element = text;
            std::wstring name;
            std::wstring version;
            for (HRESULT more = reader->MoveToFirstAttribute(); more == S_OK;
                 more = reader->MoveToNextAttribute()) {
                const WCHAR* attribute = nullptr;
                reader->GetLocalName(&attribute, nullptr);
                reader->GetValue(&text, nullptr);
                if (std::wstring(attribute) == L"name") {
                    name = text;
                } else if (std::wstring(attribute) == L"version") {
                    version = text;
                }
            }
            if (element == L"assemblyIdentity" && name == L"Microsoft.Windows.Common-Controls" &&
                version == L"6.0.0.0") {
                facts.commonControls6 = true;
            }
        } else if (node == XmlNodeType_Text && element == L"dpiAware") {
            reader->GetValue(&text, nullptr);
            facts.dpiAware = text;
        } else if (node == XmlNodeType_Text && element == L"dpiAwareness") {
            reader->GetValue(&text, nullptr);
            facts.dpiAwareness = text;
        }
    }
    facts.wellFormed = step == S_FALSE; // S_FALSE: the end of a document read whole
    reader->Release();
    stream->Release();
    FreeLibrary(xmllite);
    return facts;
}

// Themed message boxes need Common Controls 6; the game is deliberately not
// DPI-aware, so that Windows scales the fixed-size window as a whole.
TEST_F(LorvanResources, HasAnApplicationManifestAskingForCommonControls6) {
    HRSRC found =
        FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24) /* RT_MANIFEST */);
    ASSERT_NE(found, nullptr);
    const ManifestFacts facts =
        ReadManifest(LockResource(LoadResource(module, found)), SizeofResource(module, found));
    EXPECT_TRUE(facts.wellFormed);
    EXPECT_TRUE(facts.commonControls6);
    EXPECT_EQ(facts.dpiAware, L"true/pm");
    EXPECT_EQ(facts.dpiAwareness, L"PerMonitorV2, PerMonitor");
}

// The exe that is built, tested and shipped carries no debug information, only a
// link to the separate debug file kept in the build tree.
TEST(LorvanExecutable, HasNoDebugSectionsAndStaysSmall) {
    std::ifstream file(LorvanExePath(), std::ios::binary);
    const std::vector<char> image((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER)) << LorvanExePath();
    EXPECT_LE(image.size(), 1200u * 1000u);

    IMAGE_DOS_HEADER dos;
    std::memcpy(&dos, image.data(), sizeof dos);
    IMAGE_FILE_HEADER header;
    const std::size_t headerAt = static_cast<std::size_t>(dos.e_lfanew) + 4;
    ASSERT_LE(headerAt + sizeof header, image.size());
    std::memcpy(&header, image.data() + headerAt, sizeof header);
    // Names longer than eight characters are "/offset" into the string table
    // that follows the (here empty) symbol table.
    const std::size_t stringsAt = header.PointerToSymbolTable + header.NumberOfSymbols * 18u;
    std::vector<std::string> sections;
    std::string debugLink;
    for (WORD i = 0; i < header.NumberOfSections; ++i) {
        IMAGE_SECTION_HEADER section;
        const std::size_t at =
            headerAt + sizeof header + header.SizeOfOptionalHeader + i * sizeof section;
        ASSERT_LE(at + sizeof section, image.size());
        std::memcpy(&section, image.data() + at, sizeof section);
        std::string name(reinterpret_cast<const char*>(section.Name),
                         strnlen(reinterpret_cast<const char*>(section.Name), 8));
        if (name[0] == '/') {
            const std::size_t nameAt = stringsAt + std::stoul(name.substr(1));
            ASSERT_LT(nameAt, image.size());
            name = std::string(image.data() + nameAt,
                               strnlen(image.data() + nameAt, image.size() - nameAt));
        }
        if (name == ".gnu_debuglink" && section.PointerToRawData < image.size()) {
            const char* link = image.data() + section.PointerToRawData;
            debugLink = std::string(link, strnlen(link, image.size() - section.PointerToRawData));
        }
        sections.push_back(name);
        EXPECT_NE(name.rfind(".debug", 0), 0u) << name;
    }
    EXPECT_EQ(debugLink, "Lorvan.exe.debug");
    // The table was read right: the resources are where they should be.
    EXPECT_NE(std::find(sections.begin(), sections.end(), ".rsrc"), sections.end());
}

TEST(LorvanVersion, NamesTheExecutableAndVersionOne) {
    const std::string path = LorvanExePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << path;
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    struct Translation {
        WORD language;
        WORD codePage;
    }* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation->language, 0x0409);
    EXPECT_EQ(translation->codePage, 1252);

    for (const char* key : {"InternalName", "OriginalFilename"}) {
        char* value = nullptr;
        const std::string query = std::string("\\StringFileInfo\\040904E4\\") + key;
        ASSERT_TRUE(
            VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            << key;
        EXPECT_STREQ(value, "Lorvan.exe") << key;
    }
}

} // namespace
