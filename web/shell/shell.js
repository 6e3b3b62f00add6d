'use strict';
// The page around the viewer (web/WebViewer.h): the platform the viewer's core calls (refresh of
// the models it names, windows, links, messages, the scene commands' questions), the view's
// input, the controls over the view, the bars, the keys, full screen and the stage, and the
// pictures and links the page makes for the user. What an input or command does, every caption
// and every model is the viewer's.

(async function startViewer() {
  const canvas = document.getElementById('view');
  const area = document.getElementById('view-area');
  const strip = document.getElementById('left-strip');
  const controls = document.getElementById('controls');
  const bars = document.getElementById('bars');
  const message = document.getElementById('message');
  const { element } = NiveauWindows;
  const sayFailure = (text) => {
    message.textContent = text;
    message.hidden = false;
  };

  // The Change flags of core/Platform.h.
  const changes = {
    menus: 1 << 0, callouts: 1 << 1, buttons: 1 << 2, bars: 1 << 3, fullScreen: 1 << 4,
    captions: 1 << 5, background: 1 << 6, options: 1 << 7, colour: 1 << 8, menuEntries: 1 << 9,
    stage: 1 << 10,
  };

  let viewer = null;
  let pending = 0;
  let menuModels = [];
  let keyModels = [];
  let pointer = { x: 0, y: 0 }; // the last pointer position on the page, for popup menus

  // The core's refresh requests come in the middle of its commands: the page shows them once
  // the command is done, all together.
  const flush = () => {
    const changed = pending;
    pending = 0;
    if (viewer && changed) refresh(changed);
  };

  const page = {
    refresh(changed) {
      if (!pending) queueMicrotask(flush);
      pending |= changed;
    },
    showWindow: (kind) => NiveauDialogs.show(viewer, kind),
    closeMainWindow() {
      viewer.close();
      window.close();
    },
    openLink: (url) => window.open(url, '_blank', 'noopener'),
    showMessage: (kind, title, text) => NiveauWindows.message(viewer, kind, title, text),
    askSceneName(proposal, names) {
      NiveauWindows.askText(viewer, 'sceneName', viewer.text('saveSceneTitle'),
                            viewer.text('sceneNameLabel'), proposal, names,
                            (name) => viewer.saveScene(name));
    },
    askSceneToImport() {
      const chooser = document.getElementById('scene-file');
      chooser.value = '';
      chooser.click();
    },
    askSceneExport(proposal) {
      const text = viewer.sceneFileText(proposal);
      download(new Blob([text], { type: 'text/plain' }), `${proposal.replaceAll('/', '-')}.scene`);
    },
  };

  try {
    const module = await createNiveau();
    viewer = new module.WebViewer('#view', page);
  } catch (error) {
    sayFailure(`The model cannot start in this browser: ${error}`);
    return;
  }
  if (viewer.failure()) {
    sayFailure(`The model cannot start in this browser: ${viewer.failure()}.`);
    return;
  }
  window.niveau = viewer; // for the browser tests and the benchmark

  // ---- What the core says changed ----
  function refresh(changed) {
    if (changed & changes.captions) {
      document.title = viewer.windowCaption();
      document.documentElement.lang = viewer.languageCode() === 'd' ? 'de' : 'en';
      strip.title = viewer.text('Image1');
      NiveauDialogs.refreshCaptions(viewer);
    }
    if (changed & (changes.menus | changes.captions | changes.menuEntries)) showMenus();
    if (changed & (changes.callouts | changes.captions)) showCallouts();
    if (changed & (changes.buttons | changes.captions)) showButtons();
    if (changed & (changes.bars | changes.stage)) bars.hidden = !viewer.barsShown();
    if (changed & changes.stage) showStage();
    if (changed & changes.fullScreen) showFullScreen();
    if (changed & changes.background) document.body.style.background = viewer.backgroundColour();
    if (changed & changes.options) NiveauDialogs.refreshOptions(viewer);
    if (changed & changes.colour) NiveauDialogs.refreshColour(viewer);
  }

  function showMenus() {
    menuModels = JSON.parse(viewer.menuBar());
    keyModels = JSON.parse(viewer.keys());
    NiveauMenus.buildMenuBar(document.getElementById('menu-bar'), menuModels, choose);
    NiveauMenus.buildToolbar(document.getElementById('step-toolbar'),
                             JSON.parse(viewer.stepToolbar()), choose);
  }

  // The pictures and the scene link need the page; every other entry is the core's.
  const pageCommands = {
    SavePicture1: savePicture,
    CopyPicture1: copyPicture,
    CopySceneLink1: copySceneLink,
  };
  function choose(name) {
    if (pageCommands[name]) pageCommands[name]();
    else viewer.trigger(name);
  }

  // ---- The callouts and the button row ----
  const calloutNodes = new Map();
  function showCallouts() {
    for (const model of JSON.parse(viewer.callouts())) {
      let node = calloutNodes.get(model.name);
      if (!node) {
        node = element('button', { type: 'button', className: 'callout', id: model.name });
        node.addEventListener('click', () => viewer.calloutClick(model.name));
        node.addEventListener('pointermove', () => viewer.calloutHovered(model.name));
        calloutNodes.set(model.name, node);
        controls.append(node);
      }
      node.textContent = model.caption;
      node.title = model.tooltip;
      node.classList.toggle('in-row', model.inButtonRow);
      node.classList.toggle('active', model.active && !model.inButtonRow);
      node.classList.toggle('hovered', model.hovered);
      Object.assign(node.style, {
        left: `${model.left}px`, width: `${model.width}px`, height: `${model.height}px`,
        top: model.inButtonRow ? '' : `${model.top}px`,
        fontSize: model.name === 'Label6' ? '21px' : '',
      });
    }
  }

  const pictures = {
    start: 'start.svg', stop: 'stop.svg', startUpDown: 'start-updown.svg',
    stopUpDown: 'stop-updown.svg', zoomIn: 'zoom-in.svg', zoomOut: 'zoom-out.svg',
  };
  const buttonNodes = new Map();
  function makeButton(model) {
    const node = element('button', { type: 'button', className: 'picture-button', id: model.name },
                         element('img', { alt: '' }));
    node.addEventListener('pointerenter', () => viewer.buttonHovered(model.name));
    if (model.picture === 'zoomIn' || model.picture === 'zoomOut') {
      node.addEventListener('pointerdown', (event) => {
        node.setPointerCapture(event.pointerId);
        viewer.zoomPressed(model.name);
      });
      for (const type of ['pointerup', 'pointercancel', 'lostpointercapture']) {
        node.addEventListener(type, () => viewer.zoomReleased());
      }
    } else {
      node.addEventListener('click', () => viewer.buttonClick(model.name));
    }
    buttonNodes.set(model.name, node);
    controls.append(node);
    return node;
  }
  function showButtons() {
    for (const model of JSON.parse(viewer.buttons())) {
      const node = buttonNodes.get(model.name) ?? makeButton(model);
      node.title = model.tooltip;
      node.firstChild.alt = model.tooltip;
      node.firstChild.src = `pictures/${pictures[model.picture]}`;
      node.style.left = `${model.left}px`;
      node.classList.toggle('highlighted', model.highlighted);
    }
  }
  // A held zoom button stops zooming when the window loses the focus.
  addEventListener('blur', () => viewer.zoomReleased());

  // ---- The view's input ----
  const where = (event) => {
    const box = area.getBoundingClientRect();
    return [event.clientX - box.left, event.clientY - box.top];
  };
  for (const surface of [canvas, strip]) {
    surface.addEventListener('pointerdown', (event) => {
      surface.setPointerCapture(event.pointerId);
      if (event.pointerType === 'touch') viewer.touchDown(event.pointerId, ...where(event));
      else viewer.mouseDown(...where(event));
    });
    surface.addEventListener('pointermove', (event) => {
      if (event.pointerType === 'touch') viewer.touchMove(event.pointerId, ...where(event));
      else viewer.mouseMove(...where(event), event.buttons, event.shiftKey);
    });
    for (const type of ['pointerup', 'pointercancel']) {
      surface.addEventListener(type, (event) => {
        if (event.pointerType === 'touch') viewer.touchUp(event.pointerId);
      });
    }
    surface.addEventListener('contextmenu', (event) => event.preventDefault());
  }
  strip.addEventListener('dblclick', () => viewer.leftStripDoubleClick());
  // The wheel zooms over the view and the controls over it.
  area.addEventListener('wheel', (event) => {
    event.preventDefault();
    viewer.wheel(event.deltaY, event.deltaMode, event.ctrlKey);
  }, { passive: false });
  addEventListener('pointermove', (event) => { pointer = { x: event.clientX, y: event.clientY }; },
                   true);

  // ---- Size ----
  const fitToPage = () => {
    const box = canvas.getBoundingClientRect();
    viewer.resize(box.width, box.height, window.devicePixelRatio || 1);
  };
  new ResizeObserver(fitToPage).observe(canvas);
  // A window moved to a screen of another pixel density keeps its size but not its pixels.
  const watchDensity = () => {
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
      .addEventListener('change', () => { fitToPage(); watchDensity(); }, { once: true });
  };
  watchDensity();

  // ---- Keys ----
  addEventListener('keydown', (event) => {
    // The black screen takes any key for itself, and ends.
    if (viewer.blackScreen()) {
      event.preventDefault();
      viewer.setBlackScreen(false);
      return;
    }
    if (NiveauWindows.anyModal()) return;
    if (event.target.closest?.('input, select, textarea')) return;
    const keys = NiveauMenus.portableKey(event);
    if (!keys) return;
    if (keys === 'Esc' && NiveauMenus.menuOpen()) {
      NiveauMenus.closeMenus();
      event.preventDefault();
      return;
    }
    const item = NiveauMenus.findShortcut(menuModels, keys);
    const key = item ? null : keyModels.find((k) => NiveauMenus.sameKeys(k.keys, keys));
    if (!item && !key) return;
    event.preventDefault();
    if (item) choose(item.name);
    else if (key.popup) {
      const menu = NiveauMenus.findItem(menuModels, key.command);
      if (menu) NiveauMenus.showMenu(menu, pointer.x, pointer.y, choose, 0);
    } else choose(key.command);
  });
  addEventListener('pointerdown', () => {
    if (viewer.blackScreen()) viewer.setBlackScreen(false);
  }, true);

  // ---- Full screen and the stage ----
  function showFullScreen() {
    const wanted = viewer.wantsFullScreen();
    if (wanted && !document.fullscreenElement) {
      document.documentElement.requestFullscreen?.().catch(() => {});
    } else if (!wanted && document.fullscreenElement) {
      document.exitFullscreen().catch(() => {});
    }
  }
  // The browser's own Esc leaves full screen before the page sees the key.
  document.addEventListener('fullscreenchange', () => {
    if (!document.fullscreenElement && viewer.wantsFullScreen()) viewer.fullScreenLeft();
  });

  let pointerCheck = 0;
  const showPointer = () => document.body.classList.toggle('pointer-hidden', viewer.pointerHidden());
  function showStage() {
    controls.hidden = !viewer.controlsShown();
    strip.hidden = !viewer.controlsShown();
    clearInterval(pointerCheck);
    pointerCheck = viewer.controlsShown() ? 0 : setInterval(showPointer, 250);
    showPointer();
  }

  // ---- Pictures ----
  function download(blob, name) {
    const link = element('a', { href: URL.createObjectURL(blob), download: name });
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  // The picture as a PNG file's content, or null where the browser cannot draw it.
  async function pictureFile(width, height) {
    const pixels = viewer.renderPicture(width, height);
    if (!pixels) return null;
    const picture = element('canvas', { width, height });
    picture.getContext('2d').putImageData(new ImageData(pixels, width, height), 0, 0);
    return new Promise((done) => picture.toBlob(done, 'image/png'));
  }

  function savePicture() {
    NiveauWindows.askChoice(viewer, 'savePicture', viewer.text('savePictureTitle'),
                            viewer.pictureSizes(), async ({ width, height }) => {
      const file = await pictureFile(width, height);
      if (!file) {
        page.showMessage('warning', viewer.text('savePictureTitle'),
                         viewer.text('pictureNotRendered'));
        return;
      }
      const name = viewer.text('pictureFileName').replace(/\.png$/, '');
      download(file, `${name}-${width}x${height}.png`);
    });
  }

  async function copyPicture() {
    const [{ width, height }] = viewer.pictureSizes();
    const problem = (key) => page.showMessage('warning', viewer.text('copyPictureTitle'),
                                              viewer.text(key));
    const file = pictureFile(width, height); // the clipboard takes the promise of its content
    try {
      if (!(await file)) return problem('pictureNotRendered');
      await navigator.clipboard.write([new ClipboardItem({ 'image/png': file })]);
    } catch {
      problem('pictureNotCopied');
    }
  }

  // ---- Scenes ----
  document.getElementById('scene-file').addEventListener('change', async (event) => {
    const [file] = event.target.files;
    if (!file) return;
    let bytes;
    try {
      // A byte more than a scene may have tells the viewer that the file is larger.
      bytes = new Uint8Array(await file.slice(0, viewer.sceneFileLimit() + 1).arrayBuffer());
    } catch {
      bytes = null;
    }
    viewer.importScene(file.name, bytes ?? new Uint8Array(), bytes !== null);
  });

  async function copySceneLink() {
    const link = `${location.origin}${location.pathname}${location.search}#${viewer.sceneLink()}`;
    try {
      await navigator.clipboard.writeText(link);
    } catch {
      page.showMessage('warning', viewer.text('scenesTitle'), viewer.text('sceneLinkNotCopied'));
    }
  }

  // ---- Start ----
  viewer.applyPageOptions(location.search);
  viewer.openSceneLink(location.hash);
  addEventListener('hashchange', () => viewer.openSceneLink(location.hash));
  // The settings are kept whenever the page may be left.
  addEventListener('pagehide', () => viewer.saveSettings());
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') viewer.saveSettings();
  });
  refresh(~0);
  fitToPage();
})();
