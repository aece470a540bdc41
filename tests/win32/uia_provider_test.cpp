// The game window's UI Automation provider in the game's own process, through the
// interfaces a client calls, over a game: what a reader is told (recorded in place
// of the raise functions, whose Wine 8.0 forms deliver nothing), the tree, the
// Edit's value, the focus, rectangles in screen pixels, and elements gone.
#include "app/game_state.h"
#include "app/key_commands.h"
#include "app/uia_element.h"
#include "app/uia_provider.h"
#include "app/win32_shell.h"
#include "tests/support/fresh_game.h"
#include "tests/win32/win32_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Told;

std::string Narrow(BSTR text) {
    return std::string(text, text + SysStringLen(text)); // the game's texts are ASCII
}

std::string Text(IRawElementProviderSimple* element, PROPERTYID property) {
    VARIANT value = {};
    element->GetPropertyValue(property, &value);
    const std::string text = value.vt == VT_BSTR   ? Narrow(value.bstrVal)
                             : value.vt == VT_I4   ? std::to_string(value.lVal)
                             : value.vt == VT_BOOL ? (value.boolVal ? "*" : "")
                                                   : "";
    VariantClear(&value);
    return text;
}

// An element as a line: "*" when focused, "~" when live, its control type, its
// name's first line, " | " and its description, " = " and its Value pattern's value.
std::string Line(IUnknown* element) {
    IRawElementProviderSimple* simple = nullptr;
    element->QueryInterface(__uuidof(IRawElementProviderSimple), reinterpret_cast<void**>(&simple));
    const std::string name = Text(simple, uia::NamePropertyId);
    const std::string about = Text(simple, uia::FullDescriptionPropertyId);
    std::string line = Text(simple, uia::HasKeyboardFocusPropertyId) +
                       (Text(simple, uia::LiveSettingPropertyId) == "1" ? "~" : "") +
                       Text(simple, uia::ControlTypePropertyId) + " " +
                       name.substr(0, name.find('\n')) + (about.empty() ? "" : " | " + about);
    IUnknown* pattern = nullptr;
    IValueProvider* value = nullptr;
    BSTR typed = nullptr;
    BOOL readOnly = TRUE;
    if (simple->GetPatternProvider(uia::ValuePatternId, &pattern) == S_OK && pattern != nullptr &&
        pattern->QueryInterface(__uuidof(IValueProvider), reinterpret_cast<void**>(&value)) ==
            S_OK &&
        value->get_Value(&typed) == S_OK && value->get_IsReadOnly(&readOnly) == S_OK) {
        line += (readOnly ? " (read-only) = " : " = ") + Narrow(typed);
        value->Release();
    }
    SysFreeString(typed);
    if (pattern != nullptr) {
        pattern->Release();
    }
    simple->Release();
    return line;
}

HRESULT WINAPI RecordEvent(IRawElementProviderSimple* element, EVENTID event) {
    Told.push_back(std::to_string(event) + " " + Line(element));
    return S_OK;
}

HRESULT WINAPI RecordChange(IRawElementProviderSimple*, PROPERTYID id, VARIANT was, VARIANT is) {
    Told.push_back(std::to_string(id) + " " + Narrow(was.bstrVal) + " > " + Narrow(is.bstrVal));
    return S_OK;
}

IRawElementProviderFragment* Go(IRawElementProviderFragment* from, NavigateDirection way) {
    IRawElementProviderFragment* to = nullptr;
    EXPECT_EQ(from->Navigate(way, &to), S_OK);
    return to;
}

// The tree below an element, depth first, two spaces a level. Every element lies
// within the client area, and leads back to the parent and sibling walked from.
void Walk(IRawElementProviderFragment* parent, const RECT& client, const std::string& indent,
          std::vector<std::string>* lines) {
    std::string previous;
    for (IRawElementProviderFragment* child = Go(parent, NavigateDirection_FirstChild); child;) {
        lines->push_back(indent + Line(child));
        UiaRect box = {};
        EXPECT_EQ(child->get_BoundingRectangle(&box), S_OK);
        EXPECT_TRUE(box.width > 0 && box.height > 0 && box.left >= client.left &&
                    box.top >= client.top && box.left + box.width <= client.right &&
                    box.top + box.height <= client.bottom)
            << lines->back();
        for (auto way : {NavigateDirection_Parent, NavigateDirection_PreviousSibling}) {
            IRawElementProviderFragment* found = Go(child, way);
            EXPECT_EQ(found ? Line(found) : "",
                      way == NavigateDirection_Parent ? Line(parent) : previous);
            if (found != nullptr) {
                found->Release();
            }
        }
        previous = Line(child);
        Walk(child, client, indent + "  ", lines);
        IRawElementProviderFragment* next = Go(child, NavigateDirection_NextSibling);
        child->Release();
        child = next;
    }
}

struct Step {
    const char* typed; // before two frames: a character, or "thinking" or "results" to go there
    int key;           // pressed after them, or 0
    std::size_t elements;
    std::vector<std::string> told;
};

// 20005 the focus moved to, 20024 a live region changed, 30045 the Edit's value
// changed; 50020 Text, 50004 Edit, 50007 ListItem.
const Step GAME[] = {
    {"", 0, 4, {}},
    {"R", 0, 4, {"30045  > R"}},
    {"\r", 0, 1, {"20024 ~50020 Hello R,"}},
    {"\r", 0, 2, {"20005 *50004 Ok.....follow my instructions carefully! = "}},
    {"thinking", 0, 1, {"20024 ~50020 ...I AM THINKING..."}},
    {"results",
     VK_DOWN,
     16,
     {"20005 *50007 Here are your results:", "20005 *50007 You must inform  people about me within "
                                             " days in order for your wish to come to pass!"}},
    {"", VK_END, 16, {"20005 *50007 Link: lorvan.example/products/lorvan/lorvan_latest.zip"}},
    {"", 'A', 16, {}}, // a letter moves nothing
};

// The name screen once "R" is typed.
const std::vector<std::string> NAME_SCREEN = {
    "50020 Welcome to Lorvan 2.0 - A Word Game", "50020 Hello user, what is your name?",
    "*50004 Hello user, what is your name? | Welcome to Lorvan 2.0 - A Word Game\nPress 'Enter' "
    "to continue. = R",
    "50020 Press 'Enter' to continue."};

TEST(UiaProvider, TellsAGameThroughItsOwnInterfaces) {
    UiaLibrary* library = LoadUiaLibrary();
    ASSERT_NE(library, nullptr);
    const UiaLibrary system = *library;
    library->raiseAutomationEvent = RecordEvent;
    library->raisePropertyChangedEvent = RecordChange;
    StartFreshGame();
    HWND window = CreateGameProcWindow(640, 480, false);
    SetWindowPos(window, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER); // client != screen
    MainWindow = reinterpret_cast<PlatformWindow*>(window);
    RenderFrame(window);
    EXPECT_NE(SendMessageA(window, WM_GETOBJECT, 0, uia::RootObjectId), 0);
    ASSERT_NE(ServedRoot(), nullptr);
    IRawElementProviderFragment* root = ServedRoot();
    IRawElementProviderFragmentRoot* fragmentRoot = ServedRoot();
    root->AddRef();
    RECT client = {};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);

    IRawElementProviderFragment* nameEdit = nullptr; // held past its screen
    for (const Step& step : GAME) {
        SCOPED_TRACE(step.typed);
        if (std::strlen(step.typed) > 1) {
            ScreenIndex = *step.typed == 't' ? Thinking : ShowResults;
        } else if (*step.typed != '\0') {
            QueueTypedCharacter(*step.typed);
        }
        Told.clear();
        RenderFrame(window); // takes the key; a screen answered shows on the next frame
        RenderFrame(window);
        SendMessageA(window, WM_KEYDOWN, static_cast<WPARAM>(step.key), 0);
        EXPECT_EQ(Told, step.told);
        std::vector<std::string> tree;
        Walk(root, client, "", &tree);
        EXPECT_EQ(tree.size(), step.elements);
        IRawElementProviderFragment* focus = nullptr;
        EXPECT_EQ(fragmentRoot->GetFocus(&focus), S_OK);
        for (const std::string& line : tree) {
            if (line.find('*') == line.find_first_not_of(' ')) { // the one marked focused
                EXPECT_EQ(focus ? Line(focus) : "", line.substr(line.find('*')));
            }
        }
        if (std::strcmp(step.typed, "R") == 0) {
            EXPECT_EQ(tree, NAME_SCREEN);
            nameEdit = focus;
        } else if (focus != nullptr) {
            focus->Release();
        }
    }
    // The name screen's Edit went with its screen, and every element with the window.
    SAFEARRAY* id = nullptr;
    EXPECT_EQ(nameEdit->GetRuntimeId(&id), uia::ElementNotAvailable);
    nameEdit->Release();
    DestroyWindow(window);
    DrainMessages();
    EXPECT_EQ(ServedRoot(), nullptr);
    EXPECT_EQ(root->Navigate(NavigateDirection_FirstChild, &nameEdit), uia::ElementNotAvailable);
    root->Release();
    *library = system;
    MainWindow = nullptr;
}

} // namespace
