// The Choose Section window's fonts, one per style key, and the measurer that
// lays the list out with them.
#include <new>

#include "app/program.h"
#include "dialogs/picker_gdi.h"
#include "view/char_widths.h"
#include "view/dpi_scale.h"
#include "view/font_size.h"
#include "view/style_font.h"
#include "view/view_colours.h"

namespace {

HDC StateDc(const PickerState& state) { return static_cast<HDC>(state.dc); }

// The size value is a cell height here, not a point size, in pixels at 96
// dots per inch.
HFONT CreatePickerFont(const FontSettings& settings, unsigned key, int dpi) {
    LOGFONTW logFont{};
    if (settings.FontName[0] != 0) {
        lstrcpynW(logFont.lfFaceName, reinterpret_cast<const wchar_t*>(settings.FontName), LF_FACESIZE);
    }
    int height = ClampFontSize(settings.FontSize);
    if (key & kAttrLarger) {
        height = height == 0 ? 20 : height * 5 / 4;
    } else if (key & kAttrSmaller) {
        height = height == 0 ? 14 : height * 6 / 8;
    }
    logFont.lfHeight = ScaleForDpi(height, dpi);
    logFont.lfWeight = (key & kAttrBold) ? FW_BOLD : FW_NORMAL;
    // Any character set, so that a face with no Western one is kept.
    logFont.lfCharSet = DEFAULT_CHARSET;
    return CreateFontIndirectW(&logFont);
}

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
            entry->font = CreatePickerFont(state.fontSettings, key, state.dpi);
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
