// The keyboard picture as a screen reader hears it: its name, and its three
// rows of letters as the picture shows them from the right, then the space
// bar. The letters come from the cells' own table, so that what is heard is
// what a click on the picture types.
#include "dialogs/keyboard_picture.h"

#include "dialogs/hebrew_typing.h"
#include "store/article_text.h"
#include "view/accessible_object.h"

namespace {

constexpr int kCellsPerRow = 9;
constexpr int kRows = 3;

std::u16string PictureName(HWND) { return u"Hebrew keyboard"; }

std::u16string PictureLetters(HWND) {
    std::u16string letters;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 1; column <= kCellsPerRow; ++column) {
            letters += PictureCellChar(row * kCellsPerRow + column, kUnicodeAsciiBase);
            letters += column < kCellsPerRow ? u" " : u", ";
        }
    }
    return letters + u"space";
}

const AccessibleParts kKeyboardPicture{ROLE_SYSTEM_GRAPHIC, PictureName, PictureLetters};

}  // namespace

void MakeKeyboardPictureAccessible(HWND picture) { MakeAccessible(picture, kKeyboardPicture); }
