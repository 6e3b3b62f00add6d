'use strict';
// The options dialog with its three pages, the background colour dialog, the frame-rate window
// and the about and contact windows, built from the viewer's models (web/ModelJson.h). Every
// control hands its choice to the viewer at once; what the controls show comes back from the
// model whenever the viewer says it changed.

const NiveauDialogs = (() => {
  const { element, show, isOpen, button } = NiveauWindows;

  // A list's entries are replaced only when they differ, so that an open list stays open.
  function fillSelect(select, entries, chosen) {
    const shown = [...select.options].map((option) => option.text);
    if (shown.length !== entries.length || shown.some((text, i) => text !== entries[i])) {
      select.replaceChildren(...entries.map((text, i) => element('option', {
        value: String(i), textContent: text })));
    }
    select.selectedIndex = chosen;
  }

  const labelled = (text, control) => element('label', {}, `${text} `, control);

  // ---- Options ----
  let optionControls = null;
  let viewerOfOptions = null;

  function showOptions(viewer) {
    viewerOfOptions = viewer;
    viewer.openOptions();
    const model = JSON.parse(viewer.options());
    const t = model.texts;
    const window = show('options', t.optionsCaption, { closed: () => { optionControls = null; } });
    const c = {};
    const select = (name, change) => {
      c[name] = element('select', { name });
      c[name].addEventListener('change', () => change(Number(c[name].value)));
      return c[name];
    };
    const box = (name, text, number) => {
      c[name] = element('input', { type: 'checkbox', name });
      c[name].addEventListener('click', () => viewer.optionsBox(number, c[name].checked));
      return element('label', {}, c[name], ` ${text}`);
    };
    const radio = (name, group, text, change) => {
      c[name] = element('input', { type: 'radio', name: group });
      c[name].addEventListener('click', change);
      return element('label', {}, c[name], ` ${text}`);
    };

    const typeRow = labelled(t.optionsType, select('type', (entry) => viewer.optionsType(entry)));
    c.midiFrame = element('div', { className: 'form-grid' },
      t.optionsConnection, select('midiConnection', (e) => viewer.optionsMidiConnection(e)),
      t.optionsFloat, select('midiFloat', (e) => viewer.optionsMidiFloat(e)));
    c.standardFrame = element('div', { className: 'form-grid' },
      t.optionsConnection, select('standardConnection',
                                  (e) => viewer.optionsStandard(e, Number(c.standardFloat.value))),
      t.optionsFloat, select('standardFloat',
                             (e) => viewer.optionsStandard(Number(c.standardConnection.value), e)));
    c.height = element('input', { type: 'text', name: 'height', size: 8 });
    c.height.addEventListener('input', () => viewer.optionsHeight(c.height.value));
    const defaultPage = element('div', {},
      element('fieldset', {}, c.midiFrame, c.standardFrame), labelled(t.optionsHeight, c.height));

    const accessoryPage = element('div', {},
      element('fieldset', {}, element('legend', { textContent: t.optionsRail }),
              radio('plastic', 'rail', t.optionsPlastic, () => viewer.optionsRail(false)),
              radio('aluminium', 'rail', t.optionsAluminium, () => viewer.optionsRail(true))),
      element('fieldset', {}, element('legend', { textContent: t.optionsFlaps }),
              element('div', { className: 'form-grid' },
                      t.optionsFull, select('full', (e) => viewer.optionsFullColour(e)),
                      t.optionsEmpty, select('empty', (e) => viewer.optionsEmptyColour(e)))),
      box('scale', t.optionsScale, 1), box('insulation', t.optionsInsulation, 2),
      box('springTop', t.optionsSpringTop, 3), box('springBottom', t.optionsSpringBottom, 4));

    // Switch and transmitter choices, which change nothing in the model.
    const switchKinds = element('select', { name: 'switchKind' },
      ...model.switchKinds.map((text) => element('option', { textContent: text })));
    const transmitters = element('select', { name: 'transmitter' },
      ...model.transmitters.map((text) => element('option', { textContent: text })));
    const electricPage = element('div', { className: 'form-grid' },
      element('label', {}, element('input', { type: 'radio', name: 'electric' }),
              ` ${t.optionsSwitch}`), switchKinds,
      element('label', {}, element('input', { type: 'radio', name: 'electric' }),
              ` ${t.optionsTransmitter}`), transmitters);

    const pages = [[t.optionsPageDefault, defaultPage], [t.optionsPageAccessories, accessoryPage],
                   [t.optionsPageElectric, electricPage]];
    const tabs = element('div', { className: 'tabs', role: 'tablist' });
    const choosePage = (chosen) => pages.forEach(([, page], i) => {
      page.hidden = i !== chosen;
      tabs.children[i].classList.toggle('chosen', i === chosen);
    });
    pages.forEach(([caption], i) => {
      const tab = element('button', { type: 'button', textContent: caption });
      tab.setAttribute('role', 'tab');
      tab.addEventListener('click', () => choosePage(i));
      tabs.append(tab);
    });
    // The chamber of the type chosen, beside the pages.
    c.picture = element('canvas', { className: 'type-picture' });
    window.content.append(element('div', { className: 'options-layout' },
                                  element('div', {}, typeRow, tabs, ...pages.map(([, page]) => page)),
                                  c.picture));
    choosePage(0);
    // Every change is already applied: OK and Cancel both close. Help has no topic.
    window.buttons.append(button(t.optionsOk, window.close), button(t.optionsCancel, window.close),
                          button(t.optionsHelp, () => {}));
    optionControls = c;
    showOptionChoices(model);
  }

  function showOptionChoices(model) {
    const c = optionControls;
    fillSelect(c.type, model.types, model.type);
    c.midiFrame.hidden = model.frame !== 'midi';
    c.standardFrame.hidden = model.frame !== 'standard';
    fillSelect(c.midiConnection, model.midi.connections, model.midi.connection);
    fillSelect(c.midiFloat, model.midi.floats, model.midi.float);
    fillSelect(c.standardConnection, model.standard.connections, model.standard.connection);
    fillSelect(c.standardFloat, model.standard.floats, model.standard.float);
    // The field keeps the user's cursor while its own text is shown back.
    if (c.height.value !== model.height) c.height.value = model.height;
    fillSelect(c.full, model.colours, model.full);
    fillSelect(c.empty, model.colours, model.empty);
    (model.railAluminium ? c.aluminium : c.plastic).checked = true;
    for (const name of ['scale', 'insulation', 'springTop', 'springBottom']) c[name].checked = model[name];
    const picture = viewerOfOptions.typePicture(120, 200, window.devicePixelRatio || 1);
    if (picture) {
      Object.assign(c.picture, { width: picture.width, height: picture.height });
      c.picture.getContext('2d').putImageData(
        new ImageData(picture.pixels, picture.width, picture.height), 0, 0);
    }
  }

  // ---- Background colour ----
  let colourControls = null;

  function showColour(viewer) {
    viewer.colourShow();
    const model = JSON.parse(viewer.colour());
    const t = model.texts;
    const window = show('colour', t.colourCaption, { closed: () => { colourControls = null; } });
    const sliders = [t.colourRed, t.colourGreen, t.colourBlue].map((name, index) => {
      const slider = element('input', { type: 'range', min: 0, max: 255, step: 1 });
      slider.setAttribute('aria-label', name);
      slider.addEventListener('input', () => viewer.colourSlider(index, Number(slider.value)));
      return slider;
    });
    const swatch = element('div', { className: 'swatch' });
    window.content.append(element('div', { className: 'colour-grid' },
      element('span', { textContent: t.colourRed }), sliders[0], swatch,
      element('span', { textContent: t.colourGreen }), sliders[1],
      element('span', { textContent: t.colourBlue }), sliders[2]));
    window.buttons.append(
      button(t.colourOk, () => { viewer.colourApply(); window.close(); }),
      button(t.colourClose, window.close),
      button(t.colourDefault, () => viewer.colourDefault()),
      button(t.colourApply, () => viewer.colourApply()));
    colourControls = { sliders, swatch };
    showColourChoice(model);
  }

  function showColourChoice(model) {
    model.sliders.forEach((value, i) => { colourControls.sliders[i].value = String(value); });
    colourControls.swatch.style.background = `rgb(${model.sliders.join(', ')})`;
  }

  // ---- Frame rate, about, contact ----
  let frameRateTimer = 0;

  function showFrameRate(viewer) {
    const window = show('frameRate', viewer.text('fpsCaption'), {
      closed: () => clearInterval(frameRateTimer) });
    const count = element('div');
    const lines = element('pre');
    window.content.append(count, lines);
    const update = () => {
      const model = JSON.parse(viewer.frameRate());
      count.textContent = model.text;
      lines.textContent = model.lines.join('\n');
    };
    update();
    frameRateTimer = setInterval(update, 1000);
  }

  let clockTimer = 0;

  function showAbout(viewer) {
    const model = JSON.parse(viewer.windowTexts());
    const window = show('about', 'About', { closed: () => clearInterval(clockTimer) });
    const clock = element('div', { className: 'clock' });
    const tick = () => { clock.textContent = new Date().toTimeString().slice(0, 8); };
    tick();
    clockTimer = setInterval(tick, 1000);
    window.content.append(element('pre', { textContent: model.about }), clock);
    window.buttons.append(button(viewer.text('dialogOk'), window.close));
  }

  function showContact(viewer) {
    const model = JSON.parse(viewer.windowTexts());
    const t = model.texts;
    const c = model.contact;
    const window = show('contact', c.company);
    const link = (text, href) => element('a', { href, textContent: text, target: '_blank',
                                                rel: 'noopener' });
    window.content.append(
      element('h3', { textContent: t.contactHeading }),
      element('div', { textContent: c.companyLine }),
      element('div', { textContent: c.address }),
      element('div', { className: 'form-grid' },
              t.contactTelephone, element('span', { textContent: c.telephone }),
              t.contactFax, element('span', { textContent: c.fax }),
              t.contactMail, link(c.mail, model.mailLink),
              t.contactWeb, link(c.web, model.webLink)),
      element('p', { textContent: c.footer }));
    window.buttons.append(button(viewer.text('dialogOk'), window.close));
  }

  const shows = { options: showOptions, colour: showColour, frameRate: showFrameRate,
                  about: showAbout, contact: showContact };

  return {
    show: (viewer, kind) => shows[kind]?.(viewer),
    refreshOptions: (viewer) => { if (optionControls) showOptionChoices(JSON.parse(viewer.options())); },
    refreshColour: (viewer) => { if (colourControls) showColourChoice(JSON.parse(viewer.colour())); },
    // The windows in the language of the moment.
    refreshCaptions: (viewer) => {
      for (const kind of Object.keys(shows)) if (isOpen(kind)) shows[kind](viewer);
    },
  };
})();
