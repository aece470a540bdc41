// The layout's base on the page.
//
// The exe takes its base from the client area of its first frame, in pixels at
// 96 dots per inch. The page's base is that client area at 96 dpi, 624 by 421 CSS
// pixels, whatever size its canvas starts at, and its frames have a pixel for
// every device pixel: on a display of two device pixels per CSS pixel the layout
// scale starts at 2, and every position and every font (whose height follows the
// layout scale) is twice as large and as sharp, in the proportions of 96 dpi. A
// browser window too small for 624 by 421 shows the game smaller, as a window
// resized. The renderer is told the layout's 96 dpi, so what the game draws in
// fixed pixels (the text box's bevel and caret, the overlay) keeps its 96-dpi
// size in device pixels.
#pragma once

enum {
    BASE_CLIENT_WIDTH = 624, // the client area of the exe's 640 by 480 window
    BASE_CLIENT_HEIGHT = 421
};
