// The resources built into Lorvan.exe, read from the file as data.
#include "tests/win32/win32_test_support.h"

#include <windows.h>
#include <winver.h>

#include <gtest/gtest.h>

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
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    char text[64];
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&File");
    GetMenuStringA(menu, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Help");
    ASSERT_EQ(GetMenuItemCount(GetSubMenu(menu, 0)), 1);
    ASSERT_EQ(GetMenuItemCount(GetSubMenu(menu, 1)), 1);
    GetMenuStringA(GetSubMenu(menu, 0), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "E&xit");
    EXPECT_EQ(GetMenuItemID(GetSubMenu(menu, 0), 0), 9001u);
    GetMenuStringA(GetSubMenu(menu, 1), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&About");
    EXPECT_EQ(GetMenuItemID(GetSubMenu(menu, 1), 0), 9002u);
    DestroyMenu(menu);
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
