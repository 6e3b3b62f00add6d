// The view in a real browser: it loads without errors, draws the model, its demos run and stop,
// fingers zoom, a saved picture has the size chosen, and the start frame is written for the
// parity check against the desktop program (web_frame_parity).
//   NIVEAU_SITE=<site folder> NIVEAU_WEB_PICTURES=<folder> node --test view.test.mjs
import assert from 'node:assert/strict';
import { mkdir, mkdtemp, readFile, readdir, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { setTimeout as sleep } from 'node:timers/promises';
import { openBrowser, openPage, settle, waitForFrames } from './browser.mjs';
import { assertShowsTheModel, pictureStats, pngSize, viewScreenshot } from './pictures.mjs';

const site = process.env.NIVEAU_SITE;
const pictures = process.env.NIVEAU_WEB_PICTURES;
let session;

before(async () => {
  assert.ok(site, 'NIVEAU_SITE names the built site (tools/build-web.sh)');
  session = await openBrowser(site);
});
after(() => session?.close());

test('the page loads without errors and draws the model on its background', async () => {
  const { page, problems } = await openPage(session);
  await waitForFrames(page, 5);
  const stats = await pictureStats(page, await viewScreenshot(page));
  assert.deepEqual(problems, []);
  assert.deepEqual([stats.width, stats.height], [1280, 1024]);
  assertShowsTheModel(assert, stats);
  assert.match(await page.evaluate(() => window.niveau.renderer()), /SwiftShader/i);
  await page.close();
});

test('the demos animate and stop with their buttons', async () => {
  const { page, problems } = await openPage(session);
  const first = await page.screenshot();
  await waitForFrames(page, 20);
  const later = await page.screenshot();
  assert.notDeepEqual(later, first, 'the running demos change the picture');

  await page.click('#Start_Stop_Image');
  await page.click('#Start_Stop_Image_UpDown');
  await settle(page); // the buttons show the core's new pictures once its command is done
  const states = () => page.evaluate(() => [window.niveau.swingDemoRunning(),
                                            window.niveau.levelDemoRunning(),
                                            document.querySelector('#Start_Stop_Image img').src,
                                            document.querySelector('#Start_Stop_Image_UpDown img').src]);
  const [swing, level, swingPicture, levelPicture] = await states();
  assert.deepEqual([swing, level], [false, false]);
  assert.match(swingPicture, /start\.svg$/);
  assert.match(levelPicture, /start-updown\.svg$/);

  await sleep(200); // the pass already scheduled draws its frame
  const stopped = await page.screenshot();
  const framesWhenStopped = await page.evaluate(() => window.niveau.framesDrawn());
  await sleep(500);
  assert.deepEqual(await page.screenshot(), stopped, 'stopped demos leave the picture as it is');
  assert.equal(await page.evaluate(() => window.niveau.framesDrawn()), framesWhenStopped,
               'no frames are drawn while nothing changes');

  await page.click('#Start_Stop_Image_UpDown');
  await waitForFrames(page, 10);
  assert.notDeepEqual(await page.screenshot(), stopped, 'the level demo runs again');
  assert.deepEqual(problems, []);
  await page.close();
});

test('two fingers spreading on a touch screen zoom the model in', async () => {
  const page = await session.browser.newPage();
  await page.setViewport({ width: 1280, height: 1024, hasTouch: true });
  await page.goto(`${session.url}?demos=0`);
  await page.waitForFunction(() => window.niveau && window.niveau.framesDrawn() > 0);
  const before = await pictureStats(page, await viewScreenshot(page));
  const client = await page.createCDPSession();
  const touch = (type, touchPoints) => client.send('Input.dispatchTouchEvent', { type, touchPoints });
  const fingers = (apart) => [{ x: 640 - apart / 2, y: 500, id: 1 },
                              { x: 640 + apart / 2, y: 500, id: 2 }];
  await touch('touchStart', fingers(100));
  for (let apart = 120; apart <= 300; apart += 20) await touch('touchMove', fingers(apart));
  await touch('touchEnd', []);
  await settle(page);
  const after = await pictureStats(page, await page.screenshot());
  // Three times the distance: the model covers several times the pixels it covered.
  assert.ok(after.background < before.background - 0.2,
            `background share ${before.background} before, ${after.background} after`);
  await page.close();
});

test('a saved picture has the size chosen and shows the model', async () => {
  const downloads = await mkdtemp(join(tmpdir(), 'niveau-downloads-'));
  try {
    const { page, problems } = await openPage(session, { query: '?demos=0' });
    const client = await page.createCDPSession();
    await client.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    // The menu entry's key asks for the size.
    await page.keyboard.down('Control');
    await page.keyboard.press('e');
    await page.keyboard.up('Control');
    const sizes = await page.$$eval('[data-kind="savePicture"] option',
                                    (options) => options.map((o) => o.textContent));
    assert.deepEqual(sizes, ['PNG picture, window size (*.png)', 'PNG picture, 1920 x 1080 (*.png)',
                             'PNG picture, 3840 x 2160 (*.png)']);
    await page.select('[data-kind="savePicture"] select', '1');
    await page.click('[data-kind="savePicture"] .buttons button');
    const file = join(downloads, 'niveau-1920x1080.png');
    for (let tries = 0; tries < 100 && !(await readdir(downloads)).includes('niveau-1920x1080.png');
         ++tries) {
      await sleep(100);
    }
    const png = await readFile(file);
    assert.deepEqual(pngSize(png), { width: 1920, height: 1080 });
    assertShowsTheModel(assert, await pictureStats(page, png));
    assert.deepEqual(problems, []);
    await page.close();
  } finally {
    await rm(downloads, { recursive: true, force: true });
  }
});

test('the start frame, demos stopped before their first step, for the parity check', async () => {
  assert.ok(pictures, 'NIVEAU_WEB_PICTURES names the folder for the start frame');
  await mkdir(pictures, { recursive: true });
  const { page, problems } = await openPage(session, { query: '?demos=0' });
  await viewScreenshot(page, join(pictures, 'start-frame.png'));
  assert.equal(await page.evaluate(() => window.niveau.smoothEdges()), false,
               'a software renderer draws without multisampling, as the desktop does');
  assert.deepEqual(problems, []);
  await page.close();
});
