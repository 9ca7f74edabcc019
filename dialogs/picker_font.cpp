// The Choose Article window's fonts, one per style key, and the measurer that
// lays the list out with them.
#include <new>

#include "app/program.h"
#include "dialogs/picker_gdi.h"
#include "view/char_widths.h"
#include "view/style_font.h"
#include "view/view_colours.h"

namespace {

HDC StateDc(const PickerState& state) { return static_cast<HDC>(state.dc); }

// Measures with the picker's fonts and puts back the font that was selected
// before the first style, when the layout is done.
class PickerMeasurer : public LayoutMeasurer {
public:
    explicit PickerMeasurer(PickerState& state) : state_(state) {}
    ~PickerMeasurer() override {
        if (selected_) SelectObject(StateDc(state_), previous_);
    }
    PickerMeasurer(const PickerMeasurer&) = delete;
    PickerMeasurer& operator=(const PickerMeasurer&) = delete;

    StyleMetrics SelectStyle(unsigned style) override {
        HFONT before = SelectPickerFont(state_, style, false);
        if (!selected_) {
            previous_ = before;
            selected_ = true;
        }
        TEXTMETRICW metrics{};
        GetTextMetricsW(StateDc(state_), &metrics);
        return StyleMetrics{metrics.tmHeight, metrics.tmMaxCharWidth, nullptr};
    }

    void FitLeftToRight(const uint8_t* text, int& width, int& count) override {
        FitByFont(StateDc(state_), state_.fontSettings.FontAsciiBase, text, width, count);
    }

private:
    PickerState& state_;
    HFONT previous_ = nullptr;
    bool selected_ = false;
};

}  // namespace

HFONT SelectPickerFont(PickerState& state, unsigned key, bool setColour) {
    key &= kStyleKeyMask;
    PickerFont* entry = state.fonts;
    while (entry != nullptr && entry->key != key) entry = entry->next;
    if (entry == nullptr) {
        entry = new (std::nothrow) PickerFont{state.fonts, nullptr, key};
        if (entry != nullptr) {
            entry->font = CreateStyleFont(StateDc(state), state.fontSettings, key, state.dpi);
            state.fonts = entry;
        }
    }
    if (setColour) {
        const ViewColours colours = ColoursFor(state.systemColours);
        SetTextColor(StateDc(state), IsBlueStyle(key) ? colours.heading : colours.text);
    }
    // Without memory for the style the current font stays.
    if (entry == nullptr) return static_cast<HFONT>(GetCurrentObject(StateDc(state), OBJ_FONT));
    return static_cast<HFONT>(SelectObject(StateDc(state), entry->font));
}

void DeletePickerFonts(PickerState& state) {
    while (state.fonts != nullptr) {
        PickerFont* next = state.fonts->next;
        if (state.fonts->font != nullptr) DeleteObject(state.fonts->font);
        delete state.fonts;
        state.fonts = next;
    }
}

int LayoutPickerRows(PickerState& state, ArticleText&& text) {
    PickerMeasurer measurer(state);
    return LayoutPickerRows(state, measurer, std::move(text));
}
