// Puts the game's frames on the canvas. The module hands over opaque red, green,
// blue and alpha bytes, a fresh view of its heap each frame.
const canvas = document.getElementById("game");
const context = canvas.getContext("2d", { alpha: false });

export const frameStats = {
  presented: 0,
  firstAt: null, // milliseconds from the start of the page load to the first frame
};

export function present(pixels, width, height) {
  if (canvas.width !== width || canvas.height !== height) {
    canvas.width = width;
    canvas.height = height;
  }
  // The module's pixels as they lie in its heap, with no copy of our own: the
  // canvas copies them once, in putImageData.
  const frame = new Uint8ClampedArray(pixels.buffer, pixels.byteOffset, pixels.length);
  context.putImageData(new ImageData(frame, width, height), 0, 0);
  frameStats.presented += 1;
  if (frameStats.firstAt === null) {
    frameStats.firstAt = performance.now();
  }
}
