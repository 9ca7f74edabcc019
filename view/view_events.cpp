// Events of the Reading view for screen readers: the main window's client
// area is the view's accessible object, so its name and value change with
// what is painted, and its focus is the window's.
#include "view/view_events.h"

#include "app/program.h"
#include "view/accessible_object.h"
#include "view/shown_state.h"

void NoteViewShown(const ViewState& view) {
    if (&view != program.view || program.mainWindow == nullptr) return;
    const ShownState now = ShownStateOf(view, program.settings.Lesson);
    if (now == program.shown) return;
    program.shown = now;
    NotifyAccessible(EVENT_OBJECT_NAMECHANGE, program.mainWindow);
    NotifyAccessible(EVENT_OBJECT_VALUECHANGE, program.mainWindow);
}

void NoteViewFocused(HWND window) { NotifyAccessible(EVENT_OBJECT_FOCUS, window); }
