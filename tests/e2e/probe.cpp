// A small helper for the end-to-end tests: it looks at the game's windows from
// outside through the same window manager state the game sees, which X alone
// cannot tell (Win32 class names, client offsets, message box texts), and can
// minimise, restore or resize the game's window like a user would.
//
//   lorvan_probe window <exe path>        the main window of the game started from that path
//   lorvan_probe boxes <hwnd>             the message boxes the window owns
//   lorvan_probe menus                    the pop-up menus open on the desktop
//   lorvan_probe focus <hwnd>             foreground, active and focus windows, as
//                                         the window's thread sees them
//   lorvan_probe show <hwnd> minimize|restore
//   lorvan_probe resize <hwnd> <width> <height>
//   lorvan_probe place <hwnd> <x> <y> <width> <height>   outer position and size
//   lorvan_probe gdi <hwnd>               the live GDI objects of the window's process
//   lorvan_probe uia <hwnd>               the window's UI Automation tree (uia_reader.cpp)
//   lorvan_probe serve                    reads such commands from standard input,
//                                         one a line, and ends each answer with
//                                         a line "end <code>"
//
// Every answer is one line per window of tab-separated key=value fields; texts
// have backslash, tab, carriage return and line feed escaped as \\ \t \r \n.
// The code (exit code, or in "end") is 0 on success, 1 when nothing matched, 2 on
// bad arguments. Serving saves starting a Wine process for every look, which
// on a loaded machine costs a good part of a second each.
#include <windows.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// Prints the window's UI Automation tree as another process reads it (uia_reader.cpp);
// 0 when it was read, 1 when the window gave none.
int PrintAccessibleTree(HWND window);

namespace {

const char GAME_WINDOW_CLASS[] = "LorvanMainWindow";
const char DIALOG_CLASS[] = "#32770";
const char POPUP_MENU_CLASS[] = "#32768";
const int MSGBOX_TEXT_ID = 0xFFFF;

void PrintEscaped(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        switch (*c) {
        case '\\':
            std::fputs("\\\\", stdout);
            break;
        case '\t':
            std::fputs("\\t", stdout);
            break;
        case '\r':
            std::fputs("\\r", stdout);
            break;
        case '\n':
            std::fputs("\\n", stdout);
            break;
        default:
            std::fputc(*c, stdout);
            break;
        }
    }
}

// Wine keeps the X window that shows a top-level window as a window property;
// the tests hand it to xdotool and import, so they never have to guess by title.
unsigned long long X11WindowOf(HWND window) {
    return reinterpret_cast<unsigned long long>(GetPropA(window, "__wine_x11_whole_window"));
}

bool SameText(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        char ca = *a == '/' ? '\\' : *a;
        char cb = *b == '/' ? '\\' : *b;
        if (ca >= 'A' && ca <= 'Z') {
            ca = static_cast<char>(ca - 'A' + 'a');
        }
        if (cb >= 'A' && cb <= 'Z') {
            cb = static_cast<char>(cb - 'A' + 'a');
        }
        if (ca != cb) {
            return false;
        }
    }
    return *a == *b;
}

// Each test starts its own copy of the game from a folder of its own, so the
// image path tells its window apart from any other game or test window.
bool StartedFrom(HWND window, const char* exePath) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return false;
    }
    char image[MAX_PATH * 2] = {};
    DWORD size = sizeof image;
    const bool named = QueryFullProcessImageNameA(process, 0, image, &size) != FALSE;
    CloseHandle(process);
    return named && SameText(image, exePath);
}

void PrintGeometry(HWND window) {
    RECT outer = {};
    GetWindowRect(window, &outer);
    RECT client = {};
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    std::printf("hwnd=0x%llx\tx11=0x%llx\touter=%ld,%ld,%ld,%ld\tclient=%ld,%ld,%ld,%ld"
                "\tvisible=%d\ticonic=%d",
                reinterpret_cast<unsigned long long>(window), X11WindowOf(window), outer.left,
                outer.top, outer.right - outer.left, outer.bottom - outer.top, origin.x, origin.y,
                client.right - client.left, client.bottom - client.top,
                IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0);
}

void PrintTitle(HWND window, const char* key) {
    char text[4096] = {};
    GetWindowTextA(window, text, sizeof text);
    std::printf("\t%s=", key);
    PrintEscaped(text);
}

bool HasClass(HWND window, const char* name) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, name) == 0;
}

struct WindowSearch {
    const char* exePath;
    HWND owner;
    int found;
};

BOOL CALLBACK PrintGameWindow(HWND window, LPARAM data) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(data);
    if (HasClass(window, GAME_WINDOW_CLASS) && StartedFrom(window, search->exePath)) {
        PrintGeometry(window);
        PrintTitle(window, "title");
        std::printf("\n");
        ++search->found;
    }
    return TRUE;
}

BOOL CALLBACK PrintMessageBox(HWND window, LPARAM data) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(data);
    if (HasClass(window, DIALOG_CLASS) && GetWindow(window, GW_OWNER) == search->owner &&
        IsWindowVisible(window)) {
        PrintGeometry(window);
        PrintTitle(window, "caption");
        char text[4096] = {};
        GetDlgItemTextA(window, MSGBOX_TEXT_ID, text, sizeof text);
        std::printf("\ttext=");
        PrintEscaped(text);
        std::printf("\n");
        ++search->found;
    }
    return TRUE;
}

BOOL CALLBACK PrintPopupMenu(HWND window, LPARAM data) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(data);
    if (HasClass(window, POPUP_MENU_CLASS) && IsWindowVisible(window)) {
        PrintGeometry(window);
        std::printf("\n");
        ++search->found;
    }
    return TRUE;
}

HWND ParseWindow(const char* text) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(text, nullptr, 0)));
}

int Usage() {
    std::fprintf(stderr, "usage: lorvan_probe window <exe> | boxes <hwnd> | menus | focus <hwnd> | "
                         "show <hwnd> minimize|restore | resize <hwnd> <width> <height> | "
                         "place <hwnd> <x> <y> <width> <height> | gdi <hwnd> | uia <hwnd>\n");
    return 2;
}

int FindGameWindow(const char* exePath) {
    WindowSearch search = {exePath, nullptr, 0};
    EnumWindows(PrintGameWindow, reinterpret_cast<LPARAM>(&search));
    return search.found > 0 ? 0 : 1;
}

int ListMessageBoxes(HWND owner) {
    WindowSearch search = {nullptr, owner, 0};
    EnumWindows(PrintMessageBox, reinterpret_cast<LPARAM>(&search));
    return search.found > 0 ? 0 : 1;
}

int ListPopupMenus() {
    WindowSearch search = {nullptr, nullptr, 0};
    EnumWindows(PrintPopupMenu, reinterpret_cast<LPARAM>(&search));
    return search.found > 0 ? 0 : 1;
}

int PrintFocus(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    const BOOL known = GetGUIThreadInfo(thread, &info);
    std::printf("foreground=0x%llx\tactive=0x%llx\tfocus=0x%llx\tenabled=%d\n",
                reinterpret_cast<unsigned long long>(GetForegroundWindow()),
                reinterpret_cast<unsigned long long>(info.hwndActive),
                reinterpret_cast<unsigned long long>(info.hwndFocus),
                IsWindowEnabled(window) ? 1 : 0);
    return known ? 0 : 1;
}

int ShowGameWindow(HWND window, const char* how) {
    if (std::strcmp(how, "minimize") == 0) {
        ShowWindow(window, SW_MINIMIZE);
    } else if (std::strcmp(how, "restore") == 0) {
        ShowWindow(window, SW_RESTORE);
    } else {
        return Usage();
    }
    return IsWindow(window) ? 0 : 1;
}

int ResizeGameWindow(HWND window, const char* width, const char* height) {
    const BOOL done = SetWindowPos(window, nullptr, 0, 0, std::atoi(width), std::atoi(height),
                                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return done ? 0 : 1;
}

// Moves as well as sizes: a large window must lie wholly on the display, where
// the X server does not clip away part of every frame.
int PlaceGameWindow(HWND window, char** values) {
    const BOOL done =
        SetWindowPos(window, nullptr, std::atoi(values[0]), std::atoi(values[1]),
                     std::atoi(values[2]), std::atoi(values[3]), SWP_NOZORDER | SWP_NOACTIVATE);
    return done ? 0 : 1;
}

// Wine's GetGuiResources always answers 0, so the live GDI objects of the game
// are counted in its handle table, which Wine keeps where Windows does: the
// process environment block points to it, one 24-byte entry per handle, with a
// type byte that is zero for a free entry.
const SIZE_T PEB_GDI_HANDLE_TABLE_OFFSET = 0xF8; // 64-bit process environment block
const SIZE_T GDI_HANDLE_COUNT = 0x10000;
const SIZE_T GDI_HANDLE_ENTRY_SIZE = 24;
const SIZE_T GDI_HANDLE_TYPE_OFFSET = 14;

typedef NTSTATUS(NTAPI* QueryProcessFunction)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

int CountGdiObjects(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr) {
        return 1;
    }
    const QueryProcessFunction query =
        reinterpret_cast<QueryProcessFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    unsigned long long table = 0;
    SIZE_T read = 0;
    int result = 1;
    if (query != nullptr &&
        query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) == 0 &&
        ReadProcessMemory(process,
                          static_cast<const char*>(static_cast<void*>(basic.PebBaseAddress)) +
                              PEB_GDI_HANDLE_TABLE_OFFSET,
                          &table, sizeof table, &read) &&
        table != 0) {
        static unsigned char entries[GDI_HANDLE_COUNT * GDI_HANDLE_ENTRY_SIZE];
        if (ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries,
                              sizeof entries, &read) &&
            read == sizeof entries) {
            unsigned live = 0;
            for (SIZE_T i = 0; i < GDI_HANDLE_COUNT; ++i) {
                if (entries[i * GDI_HANDLE_ENTRY_SIZE + GDI_HANDLE_TYPE_OFFSET] != 0) {
                    ++live;
                }
            }
            std::printf("pid=%lu\tlive=%u\n", processId, live);
            result = 0;
        }
    }
    CloseHandle(process);
    return result;
}

int RunCommand(int argc, char** argv);

// Splits a command line at spaces and tabs; paths with spaces are not needed,
// since the tests' folders are made without them.
int ServeCommands() {
    char line[2048];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        char* words[8] = {};
        int count = 1; // words[0] stands for the program name
        for (char* word = std::strtok(line, " \t\r\n"); word != nullptr && count < 8;
             word = std::strtok(nullptr, " \t\r\n")) {
            words[count++] = word;
        }
        if (count == 1) {
            continue;
        }
        const int result = RunCommand(count, words);
        std::printf("end %d\n", result);
        std::fflush(stdout);
    }
    return 0;
}

int RunCommand(int argc, char** argv) {
    int result = 2;
    if (argc == 3 && std::strcmp(argv[1], "window") == 0) {
        result = FindGameWindow(argv[2]);
    } else if (argc == 3 && std::strcmp(argv[1], "boxes") == 0) {
        result = ListMessageBoxes(ParseWindow(argv[2]));
    } else if (argc == 2 && std::strcmp(argv[1], "menus") == 0) {
        result = ListPopupMenus();
    } else if (argc == 3 && std::strcmp(argv[1], "focus") == 0) {
        result = PrintFocus(ParseWindow(argv[2]));
    } else if (argc == 4 && std::strcmp(argv[1], "show") == 0) {
        result = ShowGameWindow(ParseWindow(argv[2]), argv[3]);
    } else if (argc == 3 && std::strcmp(argv[1], "gdi") == 0) {
        result = CountGdiObjects(ParseWindow(argv[2]));
    } else if (argc == 3 && std::strcmp(argv[1], "uia") == 0) {
        result = PrintAccessibleTree(ParseWindow(argv[2]));
    } else if (argc == 5 && std::strcmp(argv[1], "resize") == 0) {
        result = ResizeGameWindow(ParseWindow(argv[2]), argv[3], argv[4]);
    } else if (argc == 7 && std::strcmp(argv[1], "place") == 0) {
        result = PlaceGameWindow(ParseWindow(argv[2]), argv + 3);
    } else {
        result = Usage();
    }
    return result;
}

} // namespace

int main(int argc, char** argv) {
    const int result =
        argc == 2 && std::strcmp(argv[1], "serve") == 0 ? ServeCommands() : RunCommand(argc, argv);
    std::fflush(stdout);
    return result;
}
