#include "render/display_scale.h"

#include "app/game_state.h"
#include "render/draw_conventions.h"

namespace {

int KnownDpi(int dpi) {
    return dpi > 0 ? dpi : LAYOUT_DPI;
}

} // namespace

int PixelsToLayoutUnits(int pixels, int dpi) {
    return MulDivRounded(pixels, LAYOUT_DPI, KnownDpi(dpi));
}

int DisplayPixels(int units, int dpi) {
    return MulDivRounded(units, KnownDpi(dpi), LAYOUT_DPI);
}

void RecordBaseLayoutSize(int width, int height, int dpi) {
    if (!AppSettings.recordBaseSize) {
        return;
    }
    BaseClientWidth = PixelsToLayoutUnits(width, dpi);
    BaseClientHeight = PixelsToLayoutUnits(height, dpi);
    AppSettings.recordBaseSize = false;
}
