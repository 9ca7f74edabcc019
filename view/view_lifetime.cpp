// Creating and destroying a view's state.
#include <new>

#include "view/reading_view.h"
#include "view/style_font.h"

ViewState* CreateView(HDC dc, const RECT* box, const FontSettings& font, int rowCapacity) {
    auto* view = new (std::nothrow) ViewState{};
    if (view == nullptr) return nullptr;
    view->dc = dc;
    view->fontSettings = font;
    if (box != nullptr) {
        view->left = box->left;
        view->top = box->top;
        view->width = box->right - box->left;
        view->height = box->bottom - box->top;
    }
    if (rowCapacity > 0) {
        try {
            view->rows.assign(static_cast<size_t>(rowCapacity) + 1, ViewRow{});
            view->rowCapacity = static_cast<uint16_t>(rowCapacity);
        } catch (const std::bad_alloc&) {
            view->rows.clear();  // the layout allocates its own rows then
        }
    }
    return view;
}

void DestroyView(ViewState* view, bool freeRecord) {
    if (view == nullptr) return;
    view->text.clear();
    view->text.shrink_to_fit();
    view->rows.clear();
    view->rows.shrink_to_fit();
    view->rowCapacity = 0;
    view->rowCount = 0;
    DeleteStyleFonts(view);
    if (freeRecord) delete view;
}
