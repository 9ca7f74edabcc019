// What a window tells a screen reader about its client area (Active
// Accessibility), answered from plain functions, and the platform calls that
// go with it. The system libraries these need are loaded on the first
// request, never at start-up.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

// The items of a list that a window draws itself, numbered from 1.
struct AccessibleItems {
    long role;                                           // of every item
    long (*count)(HWND window);
    std::u16string (*name)(HWND window, long item);
    long (*state)(HWND window, long item);               // STATE_SYSTEM_ bits
    bool (*rect)(HWND window, long item, RECT& client);  // false when it is not on the screen
    long (*at)(HWND window, POINT client);               // 0 for none
    long (*focused)(HWND window);                        // 0 for none
};

// The answers of a window's client area. What is left out is the platform's
// standard object's to give: its place, its parent and, without items, its
// children (child windows such as a toolbar) and the navigation among them.
struct AccessibleParts {
    long role = 0;
    std::u16string (*name)(HWND window) = nullptr;
    std::u16string (*value)(HWND window) = nullptr;  // built when asked for
    long state = 0;                                  // added to the standard object's state
    const wchar_t* defaultAction = nullptr;          // with doDefaultAction
    void (*doDefaultAction)(HWND window) = nullptr;
    const AccessibleItems* items = nullptr;
};

// WM_GETOBJECT: for the client area (OBJID_CLIENT) the window's object, made
// on the first request and kept until DisconnectAccessible; for any other id
// the default processing's answer. parts must outlive the window.
LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam, const AccessibleParts& parts);

// Cuts the window's object off from every client, which from then on gets an
// error for each request instead of reaching a window that is gone, and lets
// it go. The window's teardown calls it; nothing happens when none was made.
void DisconnectAccessible(HWND window);

// A control the platform draws (a static picture, a button) answers with
// parts through a subclass of its own, which leaves with the control.
void MakeAccessible(HWND control, const AccessibleParts& parts);

// Tells listening screen readers that something of the window's client area
// (the area itself, or an item) changed: EVENT_OBJECT_NAMECHANGE, _FOCUS, ...
void NotifyAccessible(DWORD event, HWND window, long item = CHILDID_SELF);

// Ends this thread's use of COM, which the first object made began. The main
// window's end calls it, after its own object is disconnected.
void EndAccessibility();

// Implemented by the object's own file: a new object for a window, with one
// reference for the caller; none when memory runs out. The standard object
// may be none.
IAccessible* CreateAccessibleObject(HWND window, const AccessibleParts& parts, IAccessible* standard);
void MarkAccessibleObjectGone(IAccessible* object);

// The late-bound platform calls the object itself needs: a BSTR for a text
// (none when the text is empty or the call cannot be had).
BSTR AccessibleString(const std::u16string& text);
