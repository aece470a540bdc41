// RenderFrame on a real window: the frame reaches the window, and every object the
// frame made is gone when it returns. The GDI calls of this program go through its
// own import table, so the test puts recorders in front of them there.
#include "app/win32_shell.h"

#include "app/game_state.h"
#include "render/fps_overlay.h"
#include "render/frame_composer.h"
#include "tests/support/fresh_game.h"
#include "tests/win32/win32_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Replaces this program's import of dll!function; returns the original or null.
void* ReplaceImport(const char* dll, const char* function, void* replacement) {
    BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (IMAGE_IMPORT_DESCRIPTOR* import =
             reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         import->Name != 0; ++import) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + import->Name), dll) != 0) {
            continue;
        }
        IMAGE_THUNK_DATA* names =
            reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
        IMAGE_THUNK_DATA* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
                continue;
            }
            const IMAGE_IMPORT_BY_NAME* name =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(name->Name), function) != 0) {
                continue;
            }
            void* original = reinterpret_cast<void*>(slots->u1.Function);
            DWORD protection;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE,
                           &protection);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return original;
        }
    }
    return nullptr;
}

struct GdiRecord {
    std::vector<HGDIOBJ> made; // memory contexts, bitmaps and fonts
    std::vector<HDC> windowContexts;
    std::vector<HDC> released;
    int paintsBegun = 0;
    int paintsEnded = 0;
};
GdiRecord record;

decltype(&CreateCompatibleDC) realCreateCompatibleDC;
decltype(&CreateDIBSection) realCreateDIBSection;
decltype(&CreateFontA) realCreateFontA;
decltype(&GetDC) realGetDC;
decltype(&ReleaseDC) realReleaseDC;
decltype(&BeginPaint) realBeginPaint;
decltype(&EndPaint) realEndPaint;

HDC WINAPI RecordCreateCompatibleDC(HDC dc) {
    HDC made = realCreateCompatibleDC(dc);
    record.made.push_back(made);
    return made;
}
HBITMAP WINAPI RecordCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                                      HANDLE section, DWORD offset) {
    HBITMAP made = realCreateDIBSection(dc, info, usage, bits, section, offset);
    record.made.push_back(made);
    return made;
}
HFONT WINAPI RecordCreateFontA(int height, int width, int escapement, int orientation, int weight,
                               DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                               DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                               DWORD pitchAndFamily, LPCSTR face) {
    HFONT made = realCreateFontA(height, width, escapement, orientation, weight, italic, underline,
                                 strikeOut, charSet, outPrecision, clipPrecision, quality,
                                 pitchAndFamily, face);
    record.made.push_back(made);
    return made;
}
HDC WINAPI RecordGetDC(HWND window) {
    HDC dc = realGetDC(window);
    record.windowContexts.push_back(dc);
    return dc;
}
int WINAPI RecordReleaseDC(HWND window, HDC dc) {
    record.released.push_back(dc);
    return realReleaseDC(window, dc);
}
HDC WINAPI RecordBeginPaint(HWND window, PAINTSTRUCT* paint) {
    ++record.paintsBegun;
    return realBeginPaint(window, paint);
}
BOOL WINAPI RecordEndPaint(HWND window, const PAINTSTRUCT* paint) {
    ++record.paintsEnded;
    return realEndPaint(window, paint);
}

template <typename Function>
void Replace(const char* dll, const char* name, Function replacement, Function* original) {
    void* previous = ReplaceImport(dll, name, reinterpret_cast<void*>(replacement));
    ASSERT_NE(previous, nullptr) << name;
    *original = reinterpret_cast<Function>(previous);
}

template <typename Function> void Restore(const char* dll, const char* name, Function original) {
    ReplaceImport(dll, name, reinterpret_cast<void*>(original));
}

class RenderFrameOnAWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        StartFreshGame();
        record = GdiRecord();
        window = CreateGameProcWindow(400, 300, true);
        ASSERT_NE(window, nullptr);
        DrainMessages();
        Replace("gdi32.dll", "CreateCompatibleDC", &RecordCreateCompatibleDC,
                &realCreateCompatibleDC);
        Replace("gdi32.dll", "CreateDIBSection", &RecordCreateDIBSection, &realCreateDIBSection);
        Replace("gdi32.dll", "CreateFontA", &RecordCreateFontA, &realCreateFontA);
        Replace("user32.dll", "GetDC", &RecordGetDC, &realGetDC);
        Replace("user32.dll", "ReleaseDC", &RecordReleaseDC, &realReleaseDC);
        Replace("user32.dll", "BeginPaint", &RecordBeginPaint, &realBeginPaint);
        Replace("user32.dll", "EndPaint", &RecordEndPaint, &realEndPaint);
    }

    void TearDown() override {
        Restore("gdi32.dll", "CreateCompatibleDC", realCreateCompatibleDC);
        Restore("gdi32.dll", "CreateDIBSection", realCreateDIBSection);
        Restore("gdi32.dll", "CreateFontA", realCreateFontA);
        Restore("user32.dll", "GetDC", realGetDC);
        Restore("user32.dll", "ReleaseDC", realReleaseDC);
        Restore("user32.dll", "BeginPaint", realBeginPaint);
        Restore("user32.dll", "EndPaint", realEndPaint);
        // Not destroyed: taking a shown window down waits two seconds for a window
        // manager that the test display does not run. The test's process ends soon.
        DrainMessages();
    }

    HWND window = nullptr;
};

COLORREF BackgroundColor(int x, int y, int phase) {
    const int product = x * y;
    const int red = static_cast<int>(static_cast<short>(product * 0.01 + phase)) & 0xFF;
    return RGB(red, (product - 100) & 0xFF, (phase + x) & 0xFF);
}

TEST_F(RenderFrameOnAWindow, PresentsTheFrameAndLeavesNoObjectBehind) {
    ScreenIndex = -1; // the background alone, whatever the screens draw
    ShowFpsOverlay = true;
    for (int frame = 1; frame <= 3; ++frame) {
        EXPECT_EQ(RenderFrame(window), 0);
    }
    EXPECT_EQ(FrameComposer.backgroundPhase, 15);
    EXPECT_EQ(FpsOverlay.framesDrawn, 3);

    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(BaseClientWidth, client.right);
    EXPECT_EQ(BaseClientHeight, client.bottom);

    // A memory context, a bitmap and the overlay's font per frame, all deleted.
    ASSERT_EQ(record.made.size(), 9u);
    for (HGDIOBJ made : record.made) {
        EXPECT_NE(made, nullptr);
        EXPECT_EQ(GetObjectType(made), 0u) << made;
    }
    EXPECT_EQ(record.windowContexts, record.released);
    EXPECT_EQ(record.windowContexts.size(), 3u);
    EXPECT_EQ(record.paintsBegun, 3);
    EXPECT_EQ(record.paintsEnded, 3);

    // What the window shows is the last frame's background, below the overlay.
    HDC dc = realGetDC(window);
    const POINT probes[] = {{300, 100}, {client.right - 1, client.bottom - 1}, {10, 60}, {257, 41}};
    for (const POINT& p : probes) {
        EXPECT_EQ(GetPixel(dc, p.x, p.y), BackgroundColor(p.x, p.y, 15)) << p.x << "," << p.y;
    }
    realReleaseDC(window, dc);
}

// The frame loop draws once more after File > Exit or the close box destroyed the
// window: that frame paints nothing and makes nothing.
TEST_F(RenderFrameOnAWindow, DrawsNothingOnADestroyedWindow) {
    HWND destroyed = CreateGameProcWindow(400, 300, false); // hidden: destroyed at once
    ASSERT_NE(destroyed, nullptr);
    DestroyWindow(destroyed);
    EXPECT_EQ(RenderFrame(destroyed), 0);
    EXPECT_TRUE(record.made.empty());
    EXPECT_TRUE(record.windowContexts.empty());
    EXPECT_EQ(record.paintsBegun, 0);
    EXPECT_EQ(FpsOverlay.framesDrawn, 0);
    EXPECT_TRUE(AppSettings.recordBaseSize);
}

TEST_F(RenderFrameOnAWindow, SkipsAnEmptyClientAreaAndRecordsTheBaseLater) {
    ShowWindow(window, SW_MINIMIZE);
    DrainMessages();
    RECT client;
    GetClientRect(window, &client);
    if (client.right > 0 && client.bottom > 0) {
        GTEST_SKIP() << "this display gives minimised windows a client area";
    }
    EXPECT_EQ(RenderFrame(window), 0);
    EXPECT_TRUE(record.made.empty());
    EXPECT_EQ(FrameComposer.backgroundPhase, 0);
    EXPECT_TRUE(AppSettings.recordBaseSize);
    EXPECT_EQ(record.windowContexts, record.released);
    EXPECT_EQ(record.paintsBegun, record.paintsEnded);

    ShowWindow(window, SW_RESTORE);
    DrainMessages();
    EXPECT_EQ(RenderFrame(window), 0);
    GetClientRect(window, &client);
    EXPECT_GT(client.right, 0);
    EXPECT_EQ(BaseClientWidth, client.right);
    EXPECT_EQ(BaseClientHeight, client.bottom);
    EXPECT_FALSE(AppSettings.recordBaseSize);
}

} // namespace
