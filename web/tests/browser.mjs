// Debian's chromium, headless with WebGL 2 on its software renderer (SwiftShader), driven through
// the DevTools protocol by puppeteer-core, on the built site served from this machine. Shared by
// the browser tests and the benchmark.
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { serveSite } from '../serve.mjs';

export const chromiumPath = process.env.NIVEAU_CHROMIUM ?? '/usr/bin/chromium';

// A browser and the site; close() ends both and removes the browser's profile.
export async function openBrowser(siteFolder) {
  const profile = await mkdtemp(join(tmpdir(), 'niveau-chromium-'));
  const { server, url } = await serveSite(siteFolder);
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    userDataDir: profile,
    args: [
      '--use-angle=swiftshader', // WebGL on the processor: the same pixels on every machine
      '--enable-unsafe-swiftshader',
      '--no-sandbox', // runs as root in the test machines
      '--disable-dev-shm-usage', // a chroot's /dev/shm may be a plain folder
      // This machine's network is closed: no calls home, no updates, no sync.
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--disable-quic',
      '--no-first-run',
      '--hide-scrollbars',
      '--mute-audio',
    ],
  });
  return {
    browser,
    url,
    async close() {
      await browser.close();
      server.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}

// A page of `width` x `height` CSS pixels at `ratio` device pixels each, whose console errors,
// failed requests and uncaught exceptions collect in `problems`.
export async function openPage(session, { width = 1280, height = 1024, ratio = 1, query = '' } = {}) {
  const page = await session.browser.newPage();
  const problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`exception: ${error.message}`));
  page.on('requestfailed', (request) => problems.push(`request failed: ${request.url()}`));
  page.on('response', (response) => {
    if (response.status() >= 400) problems.push(`HTTP ${response.status()}: ${response.url()}`);
  });
  await page.setViewport({ width, height, deviceScaleFactor: ratio });
  await page.goto(`${session.url}${query}`, { waitUntil: 'load' });
  await page.waitForFunction(() => window.niveau && window.niveau.framesDrawn() > 0,
                             { timeout: 20000 });
  return { page, problems };
}

// Waits until the viewer has drawn `count` more frames.
export async function waitForFrames(page, count) {
  const start = await page.evaluate(() => window.niveau.framesDrawn());
  await page.waitForFunction((until) => window.niveau.framesDrawn() >= until, { timeout: 20000 },
                             start + count);
}

// Waits two animation frames: by then the pass that the last input asked for has drawn.
export function settle(page) {
  return page.evaluate(() => new Promise((done) => {
    requestAnimationFrame(() => requestAnimationFrame(done));
  }));
}
