// The portable text renderer: draws the game's text straight into a 32-bit back
// buffer, where there is no GDI.
//
// Times New Roman is drawn with Liberation Serif, its metric-compatible twin
// (Regular below weight 550, Bold from there on), rasterised by stb_truetype and
// laid out as DrawTextA lays out text: word breaks, line feeds, centring, "&"
// mnemonics, clipping to the rectangle. platform_text.cpp puts these functions
// behind the text operations of app/platform.h for every target without GDI;
// the Win32 game never links this folder.
#pragma once

#include "app/platform.h"

#include <cstdint>

// What PlatformCreateFont was asked for; the renderer realises it when it draws.
struct PlatformFont {
    int height; // negative: character (em) height in pixels; positive: cell height; 0: 16
    int weight;
};

// The context every PlatformDrawText call draws into: a back buffer and the text
// state a GDI memory context would hold.
struct PlatformDrawContext {
    unsigned char* pixels =
        nullptr;   // top-down, 4 bytes a pixel (blue, green, red, never-touched 4th)
    int width = 0; // in pixels; rows are 4 * width bytes
    int height = 0;
    int pixelsPerInch = 96; // 96 unless the frontend says otherwise

    PlatformFont* selectedFont = nullptr; // null: the stock font a fresh context holds
    std::uint32_t textColor = 0;          // COLORREF, 0x00BBGGRR
    std::uint32_t backgroundColor = 0xFFFFFF;
    int backgroundMode = BACKGROUND_OPAQUE;
};

// Points a context at a back buffer and resets its text state as a fresh GDI
// memory context would: its own font selected, black text, white background,
// opaque mode. A null buffer or a size of 0 or less gives a context that draws
// nothing.
void BindDrawContext(PlatformDrawContext& context, unsigned char* pixels, int width, int height,
                     int pixelsPerInch);

// --- The renderer's own operations (platform_text.cpp forwards to them) ------

// Draws length characters of text into rect with the TEXT_* flags, in the context's
// selected font, colours and background mode, clipped to rect and to the buffer.
void RenderText(PlatformDrawContext& context, const char* text, int length, const TextRect& rect,
                unsigned format);

// Width in pixels of length characters in the selected font: the sum of the
// characters' advances, each rounded to whole pixels, exactly the width RenderText
// gives the same characters. "&" counts as a character here, as in GDI.
int MeasureRenderedText(const PlatformDrawContext& context, const char* text, int length);

// The rectangle RenderText would cover with the same arguments, as
// PlatformMeasureText gives it; nothing is drawn.
TextRect MeasureRenderedTextRect(const PlatformDrawContext& context, const char* text, int length,
                                 const TextRect& rect, unsigned format);

// The font a fresh context holds (height 0, regular), shared by all contexts like
// a GDI stock object: selecting it back is fine, deleting it does nothing.
PlatformFont* StockFont();

// The selected font of a context.
const PlatformFont& SelectedFont(const PlatformDrawContext& context);
