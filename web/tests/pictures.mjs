// What the tests read from pictures: decoded by the browser itself, so that no PNG code of our
// own stands between the page and the check.

// The default background colour of the view (0.643, 0.745, 1.0) in bytes.
export const background = [164, 190, 255];

// Share of background pixels and of red ones (the section faces and flanges) in a PNG, its size,
// and the share of grey pixels in its top-right and bottom-right corners (a tenth of the width, a
// quarter of the height), where the read-out panels stand at the top of an upright picture.
export function pictureStats(page, png) {
  return page.evaluate(async (url, [br, bg, bb]) => {
    const image = new Image();
    image.src = url;
    await image.decode();
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const data = context.getImageData(0, 0, image.width, image.height).data;
    let backgroundPixels = 0;
    let redPixels = 0;
    const corners = { top: 0, bottom: 0 };
    const cornerWidth = Math.floor(image.width / 10);
    const cornerHeight = Math.floor(image.height / 4);
    for (let i = 0; i < data.length; i += 4) {
      const [r, g, b] = [data[i], data[i + 1], data[i + 2]];
      if (Math.abs(r - br) <= 2 && Math.abs(g - bg) <= 2 && Math.abs(b - bb) <= 2) ++backgroundPixels;
      if (r >= 200 && g <= 60 && b <= 60) ++redPixels;
      const x = (i / 4) % image.width;
      const y = Math.floor(i / 4 / image.width);
      const grey = r === g && g === b && r >= 80 && r <= 170;
      if (grey && x >= image.width - cornerWidth) {
        if (y < cornerHeight) ++corners.top;
        if (y >= image.height - cornerHeight) ++corners.bottom;
      }
    }
    const pixels = data.length / 4;
    return { width: image.width, height: image.height, background: backgroundPixels / pixels,
             red: redPixels / pixels, greyTopRight: corners.top / (cornerWidth * cornerHeight),
             greyBottomRight: corners.bottom / (cornerWidth * cornerHeight) };
  }, `data:image/png;base64,${Buffer.from(png).toString('base64')}`, background);
}

// Width and height from a PNG's header.
export function pngSize(bytes) {
  const signature = [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a];
  if (bytes.length < 24 || signature.some((b, i) => bytes[i] !== b)) return null;
  return { width: bytes.readUInt32BE(16), height: bytes.readUInt32BE(20) };
}

// The view alone, without the controls over it.
export async function viewScreenshot(page, path) {
  await page.addStyleTag({ content: '.controls { visibility: hidden; }' });
  return page.screenshot({ path, type: 'png' });
}

// The checks every picture of the start scene passes: mostly background, red section faces, the
// read-out panels at the top right and nothing at the bottom right.
export function assertShowsTheModel(assert, stats) {
  assert.ok(stats.background > 0.5, `background share ${stats.background}`);
  assert.ok(stats.red > 0.002, `red section faces share ${stats.red}`);
  assert.ok(stats.greyTopRight > 0.3, `read-out panels at the top right: ${stats.greyTopRight}`);
  assert.ok(stats.greyBottomRight < 0.05, `bottom right: ${stats.greyBottomRight}`);
}
