// The layout's base on the page.
//
// The exe takes its base from the client pixels of its first frame at 96 dots per
// inch. The page's window is made with the exe's client area, 624 by 421 CSS
// pixels, and its frames have a pixel for every device pixel: on a display of two
// device pixels per CSS pixel the layout scale starts at 2, and every position and
// every font (whose height follows the layout scale) is twice as large and as
// sharp, in the proportions of 96 dpi. A browser window too small for 624 by 421
// shows the game smaller, as a window resized. The renderer is told 96 dpi:
// telling it 96 times the ratio as well would enlarge every text a second time.
#pragma once

enum {
    BASE_CLIENT_WIDTH = 624, // the client area of the exe's 640 by 480 window
    BASE_CLIENT_HEIGHT = 421,
    PAGE_PIXELS_PER_INCH = 96
};
