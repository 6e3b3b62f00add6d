'use strict';
// The page around the viewer: it hands the canvas's size and the pointer, wheel and button input
// to the WebViewer (web/WebViewer.h) and shows what the viewer says, the button pictures for the
// demos' states and the pictures it draws for saving. What an input does is the viewer's matter.

(async function startViewer() {
  const canvas = document.getElementById('view');
  const message = document.getElementById('message');
  const say = (text) => {
    message.textContent = text;
    message.hidden = false;
  };

  let viewer;
  try {
    const module = await createNiveau();
    viewer = new module.WebViewer('#view');
  } catch (error) {
    say(`The model cannot start in this browser: ${error}`);
    return;
  }
  if (viewer.failure()) {
    say(`The model cannot start in this browser: ${viewer.failure()}.`);
    return;
  }
  viewer.applyPageOptions(location.search);
  window.niveau = viewer; // for the browser tests and the benchmark

  const fitToPage = () => {
    const box = canvas.getBoundingClientRect();
    viewer.resize(box.width, box.height, window.devicePixelRatio || 1);
  };
  new ResizeObserver(fitToPage).observe(canvas);
  fitToPage();
  // A window moved to a screen of another pixel density keeps its size but not its pixels.
  const watchDensity = () => {
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
      .addEventListener('change', () => { fitToPage(); watchDensity(); }, { once: true });
  };
  watchDensity();

  const where = (event) => {
    const box = canvas.getBoundingClientRect();
    return [event.clientX - box.left, event.clientY - box.top];
  };
  canvas.addEventListener('pointerdown', (event) => {
    canvas.setPointerCapture(event.pointerId);
    viewer.pointerDown(event.pointerId, event.pointerType === 'touch', ...where(event));
  });
  canvas.addEventListener('pointermove', (event) => {
    viewer.pointerMove(event.pointerId, event.pointerType === 'touch', ...where(event),
                       event.buttons, event.shiftKey);
  });
  for (const type of ['pointerup', 'pointercancel']) {
    canvas.addEventListener(type, (event) => viewer.pointerUp(event.pointerId));
  }
  canvas.addEventListener('wheel', (event) => {
    event.preventDefault();
    viewer.wheel(event.deltaY, event.deltaMode, event.ctrlKey);
  }, { passive: false });

  // The button row.
  const swingPicture = document.querySelector('#swing img');
  const levelPicture = document.querySelector('#level img');
  const showDemoStates = () => {
    swingPicture.src = viewer.swingDemoRunning() ? 'pictures/stop.svg' : 'pictures/start.svg';
    levelPicture.src = viewer.levelDemoRunning() ? 'pictures/stop-updown.svg'
                                                  : 'pictures/start-updown.svg';
  };
  showDemoStates();
  const onClick = (id, action) => document.getElementById(id).addEventListener('click', () => {
    action();
    showDemoStates();
  });
  onClick('swing', () => viewer.toggleSwingDemo());
  onClick('level', () => viewer.toggleLevelDemo());
  onClick('faster', () => viewer.speedUp());
  onClick('slower', () => viewer.slowDown());
  for (const [id, direction] of [['zoom-in', 1], ['zoom-out', -1]]) {
    const button = document.getElementById(id);
    button.addEventListener('pointerdown', (event) => {
      button.setPointerCapture(event.pointerId);
      viewer.holdZoomButton(direction);
    });
    for (const type of ['pointerup', 'pointercancel', 'lostpointercapture']) {
      button.addEventListener(type, () => viewer.holdZoomButton(0));
    }
  }

  // Saving the picture: the sizes the viewer offers, the first being the view's own.
  const sizeChoice = document.getElementById('picture-size');
  const listSizes = () => {
    const chosen = sizeChoice.selectedIndex;
    sizeChoice.replaceChildren(...viewer.pictureSizes().map(({ width, height }, index) =>
      new Option(`${width} x ${height}${index === 0 ? ' (view)' : ''}`, `${width}x${height}`)));
    sizeChoice.selectedIndex = Math.max(chosen, 0);
  };
  listSizes();
  sizeChoice.addEventListener('focus', listSizes);
  new ResizeObserver(listSizes).observe(canvas);
  document.getElementById('picture-saving').addEventListener('submit', async (event) => {
    event.preventDefault();
    const [width, height] = sizeChoice.value.split('x').map(Number);
    const pixels = viewer.renderPicture(width, height);
    if (!pixels) {
      say(`This browser cannot draw a picture of ${width} x ${height} pixels.`);
      return;
    }
    const picture = document.createElement('canvas');
    picture.width = width;
    picture.height = height;
    picture.getContext('2d').putImageData(new ImageData(pixels, width, height), 0, 0);
    const file = await new Promise((done) => picture.toBlob(done, 'image/png'));
    const link = document.createElement('a');
    link.href = URL.createObjectURL(file);
    link.download = `niveau-${width}x${height}.png`;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  });
})();
