#pragma once

// A window read as a screen reader reads it: the accessible objects of its client area through
// Active Accessibility, walked with AccessibleChildren, written out one element a line.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/com_ptr.h"

using pelsdk::platform::com_ptr;

// An element as a reader holds it: an object and a child id of it (CHILDID_SELF for the object).
struct MsaaElement {
    com_ptr<IAccessible> object;
    LONG id = CHILDID_SELF;
};

inline VARIANT ChildId(LONG id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

inline com_ptr<IAccessible> ClientAreaOf(HWND window) {
    com_ptr<IAccessible> client;
    AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), client.out_void());
    return client;
}

// What a navigation, a hit test or the focus gave, relative to `from`: an element or nothing.
// Takes the VARIANT's reference.
inline MsaaElement ElementOf(const com_ptr<IAccessible>& from, VARIANT& found) {
    MsaaElement element;
    if (found.vt == VT_I4) {
        element = {from, found.lVal};
    } else if (found.vt == VT_DISPATCH && found.pdispVal != nullptr) {
        found.pdispVal->QueryInterface(__uuidof(IAccessible), element.object.out_void());
    }
    VariantClear(&found);
    return element;
}

inline std::string Utf8(const wchar_t* text, int length = -1) {
    if (text == nullptr) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    if (length < 0 && !out.empty()) out.pop_back();
    return out;
}

// One of the element's texts: get_accName, get_accValue, ...
using MsaaText = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
inline std::string TextOf(const MsaaElement& element, MsaaText which) {
    if (!element.object) return {};
    BSTR text = nullptr;
    (element.object.get()->*which)(ChildId(element.id), &text);
    std::string out = Utf8(text);
    SysFreeString(text);
    return out;
}

inline std::string NameOf(const MsaaElement& element) {
    return TextOf(element, &IAccessible::get_accName);
}

inline LONG NumberOf(const MsaaElement& element,
                     HRESULT (STDMETHODCALLTYPE IAccessible::*which)(VARIANT, VARIANT*)) {
    VARIANT number;
    VariantInit(&number);
    (element.object.get()->*which)(ChildId(element.id), &number);
    return number.vt == VT_I4 ? number.lVal : -1;
}

inline LONG RoleOf(const MsaaElement& element) {
    return NumberOf(element, &IAccessible::get_accRole);
}
inline LONG StatesOf(const MsaaElement& element) {
    return NumberOf(element, &IAccessible::get_accState);
}

// The element's place in the window's client pixels.
inline RECT PlaceOf(const MsaaElement& element, HWND window) {
    LONG x = 0, y = 0, width = 0, height = 0;
    element.object->accLocation(&x, &y, &width, &height, ChildId(element.id));
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return {x - origin.x, y - origin.y, x - origin.x + width, y - origin.y + height};
}

inline std::string RoleName(LONG role) {
    static constexpr struct {
        LONG role;
        const char* name;
    } kNames[] = {{ROLE_SYSTEM_CLIENT, "client"},           {ROLE_SYSTEM_DIALOG, "dialog"},
                  {ROLE_SYSTEM_GROUPING, "grouping"},       {ROLE_SYSTEM_STATICTEXT, "static text"},
                  {ROLE_SYSTEM_LINK, "link"},               {ROLE_SYSTEM_PUSHBUTTON, "push button"},
                  {ROLE_SYSTEM_CHECKBUTTON, "check button"}, {ROLE_SYSTEM_SCROLLBAR, "scroll bar"},
                  {ROLE_SYSTEM_PROGRESSBAR, "progress bar"}};
    for (const auto& known : kNames) {
        if (known.role == role) return known.name;
    }
    return "role " + std::to_string(role);
}

// The state flags by name; any other flag in hexadecimal.
inline std::string StateNames(LONG states) {
    static constexpr struct {
        LONG flag;
        const char* name;
    } kNames[] = {{STATE_SYSTEM_FOCUSABLE, "focusable"},     {STATE_SYSTEM_FOCUSED, "focused"},
                  {STATE_SYSTEM_UNAVAILABLE, "unavailable"}, {STATE_SYSTEM_CHECKED, "checked"},
                  {STATE_SYSTEM_PRESSED, "pressed"},         {STATE_SYSTEM_READONLY, "read-only"},
                  {STATE_SYSTEM_INVISIBLE, "invisible"},     {STATE_SYSTEM_LINKED, "linked"}};
    std::string out;
    const auto add = [&](const char* name) {
        if (!out.empty()) out += ',';
        out += name;
    };
    for (const auto& state : kNames) {
        if ((states & state.flag) == 0) continue;
        add(state.name);
        states &= ~state.flag;
    }
    if (states != 0) {
        char rest[16];
        std::snprintf(rest, sizeof(rest), "0x%lx", static_cast<unsigned long>(states));
        add(rest);
    }
    return out;
}

// The children of an object as AccessibleChildren gives them: child ids of it, or objects.
inline std::vector<MsaaElement> ChildrenOf(const com_ptr<IAccessible>& object) {
    LONG count = 0;
    object->get_accChildCount(&count);
    std::vector<VARIANT> found(static_cast<size_t>(count));
    LONG obtained = 0;
    AccessibleChildren(object.get(), 0, count, found.data(), &obtained);
    std::vector<MsaaElement> children;
    for (LONG i = 0; i < obtained; ++i) children.push_back(ElementOf(object, found[i]));
    return children;
}

// Every element below the client area first, depth first, in reading order; `visit` gets each
// with its depth (0 for the client area).
inline void WalkTree(const MsaaElement& element, int depth,
                     const std::function<void(const MsaaElement&, int)>& visit) {
    visit(element, depth);
    if (element.id != CHILDID_SELF || !element.object) return;
    for (const MsaaElement& child : ChildrenOf(element.object)) WalkTree(child, depth + 1, visit);
}

// A text in quotes on one line: line breaks written as \n.
inline std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out + "\"";
}

// role "name" value "..." states at x,y wxh action "..." description "..."; places in client
// pixels of `window`.
inline std::string DescribeElement(const MsaaElement& element, HWND window) {
    std::string line = RoleName(RoleOf(element)) + " " + Quoted(NameOf(element));
    if (const std::string value = TextOf(element, &IAccessible::get_accValue); !value.empty()) {
        line += " value " + Quoted(value);
    }
    if (const std::string states = StateNames(StatesOf(element)); !states.empty()) {
        line += " " + states;
    }
    const RECT place = PlaceOf(element, window);
    line += " at " + std::to_string(place.left) + "," + std::to_string(place.top) + " " +
            std::to_string(place.right - place.left) + "x" +
            std::to_string(place.bottom - place.top);
    if (const std::string action = TextOf(element, &IAccessible::get_accDefaultAction);
        !action.empty()) {
        line += " action " + Quoted(action);
    }
    if (const std::string description = TextOf(element, &IAccessible::get_accDescription);
        !description.empty()) {
        line += " description " + Quoted(description);
    }
    return line;
}

// The whole client area of a window, indented two spaces a level.
inline std::string MsaaTree(HWND window) {
    std::string out;
    const com_ptr<IAccessible> client = ClientAreaOf(window);
    if (!client) return "(no accessible client area)\n";
    WalkTree({client, CHILDID_SELF}, 0, [&](const MsaaElement& element, int depth) {
        out += std::string(static_cast<size_t>(depth) * 2, ' ') + DescribeElement(element, window) +
               "\n";
    });
    return out;
}

// The first element of the window with this role and name; no object when there is none.
inline MsaaElement FindElement(HWND window, LONG role, const std::string& name) {
    MsaaElement found;
    const com_ptr<IAccessible> client = ClientAreaOf(window);
    if (!client) return found;
    WalkTree({client, CHILDID_SELF}, 0, [&](const MsaaElement& element, int) {
        if (!found.object && RoleOf(element) == role && NameOf(element) == name) found = element;
    });
    return found;
}
