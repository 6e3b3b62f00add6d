// The page's controls, menus, windows, languages, storage and scene links in a real browser:
// each reaches the viewer's core and changes the picture or what the page shows as the core says.
//   NIVEAU_SITE=<site folder> node --test page.test.mjs
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { openBrowser, openPage, settle } from './browser.mjs';
import { pictureStats } from './pictures.mjs';

const site = process.env.NIVEAU_SITE;
let session;

before(async () => {
  assert.ok(site, 'NIVEAU_SITE names the built site (tools/build-web.sh)');
  session = await openBrowser(site);
});
after(() => session?.close());

// A still view: the demos stopped from the start.
const still = (page = {}) => openPage(session, { query: '?demos=0', ...page });

async function press(page, ...keys) {
  for (const key of keys.slice(0, -1)) await page.keyboard.down(key);
  await page.keyboard.press(keys.at(-1));
  for (const key of keys.slice(0, -1).reverse()) await page.keyboard.up(key);
  await settle(page);
}

// The view alone, after the viewer has drawn what the last input asked for; the controls over it
// stay where they are for the clicks after.
async function view(page) {
  await settle(page);
  const hidden = await page.addStyleTag({ content: '.controls { visibility: hidden; }' });
  const png = await page.screenshot();
  await hidden.evaluate((style) => style.remove());
  return png;
}

// The menu bar and the step toolbar, shown by a double-click on the view's left strip.
async function showBars(page) {
  const box = await (await page.$('#left-strip')).boundingBox();
  await page.mouse.click(box.x + 2, box.y + 300, { clickCount: 2 });
  await settle(page);
}

async function chooseMenu(page, ...names) {
  for (const name of names) {
    await page.click(`[data-name="${name}"]`);
    await settle(page);
  }
}

const warning = (page) => page.$eval('.window.modal.warning', (w) => w.textContent).catch(() => null);

test('a callout, a menu command and an options choice each change the picture', async () => {
  const { page, problems } = await still();
  const start = await view(page);

  await page.click('#Label1'); // the insulation
  const insulated = await view(page);
  assert.notDeepEqual(insulated, start, 'the callout shows the insulation');
  assert.ok(await page.$eval('#Label1', (c) => c.classList.contains('active')),
            'its panel is dark red while the insulation shows');

  await showBars(page);
  assert.equal(await page.$eval('#bars', (bars) => bars.hidden), false);
  await chooseMenu(page, 'Darstellung1', 'nichtsgeschnitten1');
  const whole = await view(page);
  assert.notDeepEqual(whole, insulated, '"no Cut" shows the chamber whole');
  await chooseMenu(page, 'Darstellung1', 'Rohr1');
  assert.equal(await page.$eval('.menu [data-name="ganz1"]', (e) => e.getAttribute('aria-checked')),
               'true', 'the Tube menu checks "Whole"');
  await press(page, 'Escape');

  await chooseMenu(page, 'Anzeige1', 'TBItem1'); // the options dialog
  const typeList = '[data-kind="options"] select[name="type"]';
  const types = await page.$$eval(`${typeList} option`, (options) => options.map((o) => o.text));
  assert.ok(types.length > 4, `types: ${types}`);
  await page.select(typeList, '0');
  await settle(page);
  assert.notDeepEqual(await view(page), whole, 'another type changes the chamber');
  assert.equal(await page.$eval(typeList, (list) => list.value), '0');
  const typePicture = await page.$eval('.type-picture', (canvas) => {
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let chamber = 0; // grey pixels of the chamber on the background
    for (let i = 0; i < data.length; i += 4) {
      if (data[i] === data[i + 1] && data[i + 1] === data[i + 2] && data[i] < 200) ++chamber;
    }
    return { width: canvas.width, height: canvas.height, chamber };
  });
  assert.deepEqual([typePicture.width, typePicture.height], [120, 200]);
  assert.ok(typePicture.chamber > 200, `the type picture shows the chamber: ${typePicture.chamber}`);
  // The accessories page shows what the callout switched.
  assert.equal(await page.$eval('[data-kind="options"] input[name="insulation"]', (b) => b.checked),
               true);
  assert.deepEqual(problems, []);
  await page.close();
});

test('the pointer sets the level, a held zoom button zooms until it is let go', async () => {
  const { page, problems } = await still();
  const start = await view(page);
  await page.mouse.move(640, 900);
  assert.notDeepEqual(await view(page), start, 'the level follows the pointer');

  const zoom = await (await page.$('#ZoomIn_Image')).boundingBox();
  await page.mouse.move(zoom.x + 12, zoom.y + 12);
  const before = await pictureStats(page, await view(page));
  await page.mouse.down();
  await new Promise((done) => setTimeout(done, 400));
  await page.mouse.up();
  const held = await pictureStats(page, await view(page));
  assert.ok(held.background < before.background - 0.05,
            `background share ${before.background} before, ${held.background} after`);
  await new Promise((done) => setTimeout(done, 200));
  assert.equal((await pictureStats(page, await view(page))).background, held.background,
               'no zooming after the release');
  assert.ok(await page.$eval('#ZoomIn_Image', (b) => b.classList.contains('highlighted')),
            'the button under the pointer shows its hover picture');
  assert.deepEqual(problems, []);
  await page.close();
});

test('keys reach the menu entries and the presenter\'s commands', async () => {
  const { page, problems } = await still();
  const start = await view(page);
  await press(page, 'Control', 'v'); // "no Cut"
  assert.notDeepEqual(await view(page), start);
  await press(page, 'Home'); // reset view: the cut stays
  await press(page, 'Control', 's'); // "all Cut"
  assert.deepEqual(await view(page), start, 'all cut again is the start picture');

  await press(page, 'F5'); // the stage
  assert.deepEqual(await page.evaluate(() => [document.getElementById('controls').hidden,
                                              Boolean(document.fullscreenElement)]), [true, true]);
  await page.mouse.move(700, 500);
  await new Promise((done) => setTimeout(done, 2400));
  assert.ok(await page.evaluate(() => document.body.classList.contains('pointer-hidden')),
            'the pointer hides after 2 s on the stage');
  await press(page, 'b');
  const black = await pictureStats(page, await page.screenshot());
  assert.ok(black.background < 0.01 && black.red < 0.001, 'the black screen is black');
  await press(page, 'x'); // any key ends it
  assert.equal(await page.evaluate(() => window.niveau.blackScreen()), false);
  await press(page, 'Escape');
  assert.deepEqual(await page.evaluate(() => [document.getElementById('controls').hidden,
                                              window.niveau.wantsFullScreen()]), [false, false]);
  await press(page, 'F1'); // no help file in the browser: a message says so
  assert.ok(await page.$('.window.modal'), 'the help message');
  assert.deepEqual(problems, []);
  await page.close();
});

test('German captions with ?lang=de, kept for the next visit, and English with ?lang=en', async () => {
  const { page, problems } = await still({ query: '?demos=0&lang=de' });
  await showBars(page);
  const captions = () => page.evaluate(() => [
    document.querySelector('#Label4').textContent.trim(),
    document.querySelector('#menu-bar [data-name="Datei1"]').textContent,
    document.documentElement.lang]);
  assert.deepEqual(await captions(), ['Schalter', 'Datei', 'de']);
  await chooseMenu(page, 'Scenes1');
  assert.equal(await page.$eval('.menu [data-name="CopySceneLink1"] span:nth-child(2)',
                                (caption) => caption.textContent),
               'Szenen-Link kopieren');
  await page.reload();
  await page.waitForFunction(() => window.niveau?.framesDrawn() > 0);
  assert.equal(await page.evaluate(() => window.niveau.text('Label4').trim()),
               'Grenzschalter ein- und ausblenden', 'the language is kept');
  await page.goto(`${session.url}?demos=0&lang=en`);
  await page.waitForFunction(() => window.niveau?.framesDrawn() > 0);
  await showBars(page);
  assert.deepEqual(await captions(), ['Switches', 'File', 'en']);
  assert.deepEqual(problems, []);
  await page.close();
});

test('a scene link shows the scene it carries; a damaged one says so and shows the start scene',
     async () => {
  const { page, problems } = await still();
  const start = await view(page);
  await page.click('#Label2'); // the scale off
  await press(page, 'Control', 'v');
  const configured = await view(page);
  // "Copy scene link" puts the page's address with the scene on the clipboard.
  await page.evaluate(() => {
    navigator.clipboard.writeText = async (text) => { window.copied = text; };
  });
  await press(page, 'Control', 'Shift', 'L');
  const copied = await page.evaluate(() => window.copied);
  const [address, link] = copied.split('#');
  assert.equal(address, `${session.url}?demos=0`);
  assert.match(link, /^scene=[A-Za-z0-9_-]+$/);

  const { page: customer, problems: customerProblems } =
    await openPage(session, { query: `?demos=0#${link}` });
  assert.deepEqual(await view(customer), configured, 'the link reproduces the picture');
  await customer.close();

  const { page: damaged } = await openPage(session, { query: `?demos=0#${link.slice(0, -3)}*x` });
  assert.match(await warning(damaged), /scene link is damaged/);
  await damaged.click('.window.modal .buttons button');
  assert.deepEqual(await view(damaged), start, 'the start scene');
  await damaged.close();
  assert.deepEqual([...problems, ...customerProblems], []);
  await page.close();
});

test('scenes are kept in the browser, and full storage gives a message and keeps the menu',
     async () => {
  const { page, problems } = await still();
  await page.click('#Label4'); // the switches off
  await press(page, 'Control', 'Shift', 'S');
  await page.type('[data-kind="sceneName"] input', 'Customer A');
  await press(page, 'Enter');
  await page.reload();
  await page.waitForFunction(() => window.niveau?.framesDrawn() > 0);
  const start = await view(page);
  await showBars(page);
  await chooseMenu(page, 'Scenes1', 'scene:Customer A');
  const recalled = await view(page);
  assert.notDeepEqual(recalled, start, 'the recalled scene hides the switches');

  // The storage is full: nothing is kept, the user is told, the menu stays as it was.
  await page.evaluate(() => {
    Storage.prototype.setItem = () => {
      throw new DOMException('full', 'QuotaExceededError');
    };
  });
  await press(page, 'Control', 'Shift', 'S');
  await page.$eval('[data-kind="sceneName"] input', (input) => { input.value = 'Customer B'; });
  await press(page, 'Enter');
  assert.match(await warning(page), /"Customer B" could not be saved/);
  await chooseMenu(page, 'Scenes1');
  const entries = await page.$$eval('.menu button', (items) => items.map((i) => i.dataset.name));
  assert.ok(entries.includes('scene:Customer A') && !entries.includes('scene:Customer B'),
            `${entries}`);
  assert.deepEqual(problems, []);
  await page.close();
});

test('on the stage the tour\'s keys step through the stored scenes', async () => {
  const { page, problems } = await still();
  const save = async (name) => {
    await press(page, 'Control', 'Shift', 'S');
    await page.$eval('[data-kind="sceneName"] input', (input, value) => { input.value = value; },
                     name);
    await press(page, 'Enter');
  };
  await page.click('#Label2'); // the scale off
  await save('Tour 1');
  await page.click('#Label2'); // and on again
  await save('Tour 2');
  await page.evaluate(() => window.niveau.trigger('scene:Tour 1'));
  const scale = () => page.evaluate(() => /scale=(\w+)/.exec(window.niveau.sceneFileText(''))[1]);
  assert.equal(await scale(), 'off');
  await press(page, 'F5');
  await press(page, 'PageDown');
  assert.equal(await scale(), 'on', 'the next scene');
  await press(page, 'ArrowLeft');
  assert.equal(await scale(), 'off', 'back to the first');
  assert.deepEqual(problems, []);
  await page.close();
});

test('a scene exported as a file imports again, a damaged file is refused with a message',
     async () => {
  const { page, problems } = await still();
  await page.click('#Label5'); // the transmitter off
  const text = await page.evaluate(() => window.niveau.sceneFileText('Exported'));
  assert.match(text, /\[scene\]/);
  await page.evaluate(() => window.niveau.trigger('Defaul1'));
  const imported = async (name, content) => {
    const [chooser] = await Promise.all([page.waitForFileChooser(),
                                         press(page, 'Control', 'Shift', 'O')]);
    const { writeFile, mkdtemp } = await import('node:fs/promises');
    const { join } = await import('node:path');
    const { tmpdir } = await import('node:os');
    const file = join(await mkdtemp(join(tmpdir(), 'niveau-scene-')), name);
    await writeFile(file, content);
    await chooser.accept([file]);
    await page.waitForFunction(() => document.querySelector('.window.modal') ||
                                     window.niveau.sceneFileText('') !== '', { timeout: 5000 });
    await settle(page);
  };
  await imported('broken.scene', text.replace(/type=.*/, 'type=R-999'));
  assert.match(await warning(page), /"broken.scene" was not imported/);
  await page.click('.window.modal .buttons button');
  await imported('Exported.scene', text);
  assert.equal(await warning(page), null);
  assert.equal(await page.evaluate(() => window.niveau.sceneFileText('Exported')), text,
               'the imported scene is shown as it was exported');
  assert.deepEqual(problems, []);
  await page.close();
});

test('"Copy picture" puts a PNG of the view\'s size on the clipboard', async () => {
  const { page, problems } = await still({ width: 900, height: 700 });
  await page.evaluate(() => {
    navigator.clipboard.write = async ([item]) => {
      const blob = await item.getType('image/png');
      const bytes = new DataView(await blob.arrayBuffer());
      window.copiedSize = [bytes.getUint32(16), bytes.getUint32(20)]; // the PNG header's size
    };
  });
  await press(page, 'Control', 'Shift', 'C');
  await page.waitForFunction(() => window.copiedSize, { timeout: 10000 });
  assert.deepEqual(await page.evaluate(() => window.copiedSize), [900, 700]);
  assert.deepEqual(problems, []);
  await page.close();
});

test('the about and contact windows show their texts, the contact window its links', async () => {
  const { page, problems } = await still();
  await showBars(page);
  await chooseMenu(page, 'Hilfe1', 'Info1');
  assert.match(await page.$eval('[data-kind="about"] pre', (p) => p.textContent), /^niveau\n/);
  await chooseMenu(page, 'Hilfe1', 'KontaktAdresse1');
  const links = await page.$$eval('[data-kind="contact"] a', (all) => all.map((a) => a.href));
  assert.deepEqual(links.map((link) => link.split(':')[0]), ['mailto', 'http']);
  assert.deepEqual(problems, []);
  await page.close();
});

test('the background colour is kept for the next visit', async () => {
  const { page, problems } = await still();
  await page.evaluate(() => window.niveau.trigger('HintergrundFarbe1'));
  await settle(page);
  await page.click('[data-kind="colour"] .buttons button:nth-child(3)'); // Default: black
  await settle(page);
  const black = await pictureStats(page, await view(page));
  assert.ok(black.background < 0.1, `background share ${black.background}`);
  await page.reload();
  await page.waitForFunction(() => window.niveau?.framesDrawn() > 0);
  const again = await pictureStats(page, await view(page));
  assert.ok(again.background < 0.1, `background share ${again.background} after a reload`);
  // Back to the program's own colour for the tests after this one.
  await page.evaluate(() => localStorage.clear());
  assert.deepEqual(problems, []);
  await page.close();
});
