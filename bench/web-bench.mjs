// The browser build's figures: headless Debian chromium with WebGL 2 on its software renderer
// (SwiftShader), the page at 1280 x 1024 with both demos running, in rounds that take turns with
// a floor measured in the same run: a bare WebGL 2 page of the same size that only clears its
// canvas on every animation frame, what the browser presents at most. Prints the medians:
//   frames per second    frames the viewer drew over `seconds` (each an animation frame's pass)
//   first frame          ms from the start of the navigation to the viewer's first frame
//   site                 bytes of build-web/site, as served and gzip-compressed
// and the goals (50 fps, 1.5 s, 2 MB), then where the time of a frame goes, from traces of the
// browser over 3 s: the viewer's animation frame passes (the demo step and the frame's GL calls
// in WebAssembly) on the page's main thread, and the GPU process's main thread, which runs WebGL
// on SwiftShader, composites and presents, for a frame of the viewer and of the floor. Needs the
// site (tools/build-web.sh) and the browser tests'
// packages (web/tests/install.sh).
//   node bench/web-bench.mjs [seconds] [rounds]      (default 10 s, 3 rounds)
import { readFile, readdir, stat } from 'node:fs/promises';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { setTimeout as sleep } from 'node:timers/promises';
import { openBrowser } from '../web/tests/browser.mjs';

const site = join(dirname(fileURLToPath(import.meta.url)), '..', 'build-web', 'site');
const seconds = Number(process.argv[2] ?? 10);
const rounds = Number(process.argv[3] ?? 3);
const width = 1280;
const height = 1024;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Frames per second of a page that counts its frames in window.framesSoFar().
async function framesPerSecond(page) {
  const count = () => page.evaluate(() => [window.framesSoFar(), performance.now()]);
  const [framesBefore, before] = await count();
  await sleep(seconds * 1000);
  const [framesAfter, after] = await count();
  return ((framesAfter - framesBefore) * 1000) / (after - before);
}

// The viewer's page, counting the frames the viewer drew.
async function openViewer(session) {
  const page = await session.browser.newPage();
  await page.setViewport({ width, height });
  await page.goto(session.url, { waitUntil: 'load' });
  await page.waitForFunction(() => window.niveau && window.niveau.framesDrawn() > 0,
                             { timeout: 30000 });
  await page.evaluate(() => { window.framesSoFar = () => window.niveau.framesDrawn(); });
  return page;
}

// A bare WebGL 2 page of the same size that clears its canvas on every animation frame.
async function openFloor(session) {
  const page = await session.browser.newPage();
  await page.setViewport({ width, height });
  await page.setContent(`<body style="margin:0"><canvas style="width:100vw;height:100vh;display:block"></canvas>
    <script>
      const canvas = document.querySelector('canvas');
      canvas.width = ${width}; canvas.height = ${height};
      const gl = canvas.getContext('webgl2', { alpha: false, antialias: false });
      let frames = 0;
      window.framesSoFar = () => frames;
      const frame = () => {
        gl.clearColor(0.643, 0.745, 1, 1);
        gl.clear(gl.COLOR_BUFFER_BIT | gl.DEPTH_BUFFER_BIT);
        ++frames;
        requestAnimationFrame(frame);
      };
      requestAnimationFrame(frame);
    </script></body>`);
  return page;
}

async function measureViewer(session) {
  const page = await openViewer(session);
  // performance.now() counts from the start of the navigation.
  const firstFrame = await page.evaluate(() => window.niveau.firstFrameTime());
  const fps = await framesPerSecond(page);
  await page.close();
  return { fps, firstFrame };
}

async function measureFloor(session) {
  const page = await openFloor(session);
  const fps = await framesPerSecond(page);
  await page.close();
  return fps;
}

// Per frame of a page, from a trace of `traceSeconds`: milliseconds of animation frame callbacks
// on the page's main thread (for the viewer its passes), and of work on the GPU process's main
// thread, which runs WebGL on SwiftShader, composites and presents.
async function timePerFrame(page, traceSeconds = 3) {
  await page.tracing.start({ categories: ['devtools.timeline', 'toplevel'] });
  const framesBefore = await page.evaluate(() => window.framesSoFar());
  await sleep(traceSeconds * 1000);
  const frames = Math.max((await page.evaluate(() => window.framesSoFar())) - framesBefore, 1);
  const trace = JSON.parse(new TextDecoder().decode(await page.tracing.stop()));
  await page.close();
  const events = trace.traceEvents ?? trace;
  const threads = new Map(events.filter((e) => e.ph === 'M' && e.name === 'thread_name')
                                .map((e) => [`${e.pid}/${e.tid}`, e.args.name]));
  const total = (thread, name) => events
    .filter((e) => e.ph === 'X' && e.name === name && threads.get(`${e.pid}/${e.tid}`) === thread)
    .reduce((sum, e) => sum + e.dur / 1000, 0);
  return {
    pageMs: total('CrRendererMain', 'FireAnimationFrame') / frames,
    gpuMs: total('CrGpuMain', 'ThreadControllerImpl::RunTask') / frames,
  };
}

async function siteBytes(folder) {
  let raw = 0;
  let compressed = 0;
  for (const entry of await readdir(folder, { recursive: true })) {
    const file = join(folder, entry);
    if (!(await stat(file)).isFile()) continue;
    const bytes = await readFile(file);
    raw += bytes.length;
    compressed += gzipSync(bytes).length;
  }
  return { raw, compressed };
}

const session = await openBrowser(site);
try {
  const viewer = [];
  const floor = [];
  for (let round = 0; round < rounds; ++round) {
    viewer.push(await measureViewer(session));
    floor.push(await measureFloor(session));
    const last = viewer.at(-1);
    console.log(`round ${round + 1}: ${last.fps.toFixed(1)} fps, first frame ` +
                `${last.firstFrame.toFixed(0)} ms; floor ${floor.at(-1).toFixed(1)} fps`);
  }
  const renderer = await (async () => {
    const page = await session.browser.newPage();
    await page.goto(session.url);
    await page.waitForFunction(() => window.niveau);
    const name = await page.evaluate(() => window.niveau.renderer());
    await page.close();
    return name;
  })();
  const fps = median(viewer.map((v) => v.fps));
  const floorFps = median(floor);
  const firstFrame = median(viewer.map((v) => v.firstFrame));
  const size = await siteBytes(site);
  const verdict = (ok) => (ok ? 'met' : 'MISSED');
  console.log(`renderer: ${renderer}; ${width} x ${height}, both demos, ${seconds} s, ` +
              `medians of ${rounds} rounds`);
  console.log(`frames per second: ${fps.toFixed(1)} (floor ${floorFps.toFixed(1)}, ratio ` +
              `${(fps / floorFps).toFixed(2)}); goal 50: ${verdict(fps >= 50)}`);
  console.log(`first frame: ${firstFrame.toFixed(0)} ms after navigation; goal 1500 ms: ` +
              `${verdict(firstFrame <= 1500)}`);
  console.log(`site: ${(size.raw / 1e6).toFixed(3)} MB (${(size.compressed / 1e6).toFixed(3)} MB ` +
              `gzip-compressed); goal 2 MB: ${verdict(size.raw <= 2e6)}`);
  const viewerTime = await timePerFrame(await openViewer(session));
  const floorTime = await timePerFrame(await openFloor(session));
  console.log(`where a frame's time goes (traces of 3 s): the viewer's pass ` +
              `${viewerTime.pageMs.toFixed(1)} ms on the page's thread; the GPU process's main ` +
              `thread ${viewerTime.gpuMs.toFixed(1)} ms for the viewer's frame, ` +
              `${floorTime.gpuMs.toFixed(1)} ms for the floor's`);
} finally {
  await session.close();
}
