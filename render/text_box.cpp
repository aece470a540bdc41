#include "render/text_box.h"

#include <cstring>

TextBox TextBoxA;
TextBox TextBoxB;
std::uint32_t CaretToggleTick;
unsigned char CaretTimerStarted;

TextBox::TextBox() {
    ResetTextBox(*this);
}

void ResetTextBox(TextBox& box) {
    box.width = 50;
    box.height = 25;
    box.fontSize = 12;
    box.scaleX = 1.0f;
    box.scaleY = 1.0f;
    box.showCaret = 0;
    box.transparent = 0;
    box.showBorder = 1;
    std::memset(box.text, 0, sizeof box.text);
    std::memset(box.fontFace, 0, sizeof box.fontFace);
    std::strcpy(box.fontFace, "Times New Roman");
    box.baseWidth = 50;
    box.baseHeight = 25;
    box.baseFontSize = 12;
    box.top = 10;
    box.left = 10;
    box.blinkPeriodMs = 500;
    box.textColor = 0x000000;
    box.fillColor = 0xFFFFFF;
    box.shadowOuterColor = 0x9D9DA1;
    box.shadowInnerColor = 0x716F64;
    box.lightOuterColor = 0xF1F1F1;
    box.lightInnerColor = 0xE7E1E1;
    box.caretColor = 0x000000;
}

void LayoutTextBox(TextBox& box, float sx, float sy, int clientLeft, int clientTop, int baseX,
                   int baseY) {
    box.scaleX = sx;
    box.scaleY = sy;
    box.width = static_cast<int>(static_cast<float>(box.baseWidth) * sx);
    box.height = static_cast<int>(static_cast<float>(box.baseHeight) * sy);
    box.fontSize = static_cast<int>(static_cast<float>(box.baseFontSize) * sy);
    box.left = clientLeft + static_cast<int>(static_cast<float>(baseX) * sx);
    box.top = clientTop + static_cast<int>(static_cast<float>(baseY) * sy);
}

int DrawTextBox(const TextBox&, DrawContext, unsigned char*, int, int) {
    return 0; // drawn by the text box widget, still to come
}
