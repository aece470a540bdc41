// Puts the game's frames on the canvas. The module hands over opaque red, green,
// blue and alpha bytes, a fresh view of its heap each frame.
const canvas = document.getElementById("game");
const context = canvas.getContext("2d", { alpha: false });
let image = null;

export const frameStats = {
  presented: 0,
  firstAt: null, // milliseconds from the start of the page load to the first frame
};

export function present(pixels, width, height) {
  if (canvas.width !== width || canvas.height !== height) {
    canvas.width = width;
    canvas.height = height;
  }
  if (!image || image.width !== width || image.height !== height) {
    image = context.createImageData(width, height);
  }
  image.data.set(pixels);
  context.putImageData(image, 0, 0);
  frameStats.presented += 1;
  if (frameStats.firstAt === null) {
    frameStats.firstAt = performance.now();
  }
}
