'use strict';
// The page's windows: a frame with a caption and a close button, one window of each kind at a
// time (showing it again brings it to the front); messages and the questions the commands ask
// (a scene's name, a picture's size), which are modal. Every text comes from the viewer.

const NiveauWindows = (() => {
  const layer = () => document.getElementById('windows');
  const open = new Map(); // kind -> { element, closed }

  function element(tag, properties = {}, ...children) {
    const node = document.createElement(tag);
    Object.assign(node, properties);
    node.append(...children);
    return node;
  }

  function close(kind) {
    const window = open.get(kind);
    if (!window) return;
    open.delete(kind);
    window.element.remove();
    window.closed?.();
  }

  // A window of that kind with `caption`; its content is the caller's. `closed` runs once it is
  // closed, by its button, Esc or the caller.
  function show(kind, caption, { modal = false, closed } = {}) {
    close(kind);
    const content = element('div', { className: 'content' });
    const buttons = element('div', { className: 'buttons' });
    const closer = element('button', { type: 'button', textContent: '\u00d7', title: caption });
    closer.addEventListener('click', () => close(kind));
    const frame = element('section', { className: modal ? 'window modal' : 'window' },
                          element('header', {}, element('span', { textContent: caption }), closer),
                          content, buttons);
    frame.dataset.kind = kind;
    frame.setAttribute('role', 'dialog');
    frame.setAttribute('aria-label', caption);
    frame.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        event.stopPropagation();
        close(kind);
      }
    });
    // Each window a little below and right of the last, so that none hides another; the
    // questions and messages stand in the middle.
    if (!modal) {
      const place = 40 + 28 * (open.size % 8);
      frame.style.left = `${place + 80}px`;
      frame.style.top = `${place}px`;
      dragByHeader(frame);
    }
    layer().append(frame);
    open.set(kind, { element: frame, closed });
    return { frame, content, buttons, close: () => close(kind) };
  }

  // The caption bar moves the window; a click anywhere brings it to the front.
  function dragByHeader(frame) {
    const header = frame.firstChild;
    header.addEventListener('pointerdown', (event) => {
      if (event.target.closest('button')) return;
      header.setPointerCapture(event.pointerId);
      const start = { x: event.clientX - frame.offsetLeft, y: event.clientY - frame.offsetTop };
      const follow = (move) => {
        frame.style.left = `${Math.max(0, move.clientX - start.x)}px`;
        frame.style.top = `${Math.max(0, move.clientY - start.y)}px`;
      };
      header.addEventListener('pointermove', follow);
      header.addEventListener('pointerup', () => header.removeEventListener('pointermove', follow),
                              { once: true });
    });
    frame.addEventListener('pointerdown', () => {
      if (layer().lastChild !== frame) layer().append(frame);
    });
  }

  const isOpen = (kind) => open.has(kind);
  const anyModal = () => [...open.values()].some((w) => w.element.classList.contains('modal'));

  function button(text, action) {
    const node = element('button', { type: 'button' }, NiveauMenus.captionNode(text));
    node.addEventListener('click', action);
    return node;
  }

  // A message with its title and text, lines kept.
  function message(viewer, kind, title, text) {
    const window = show(`message-${kind}`, title, { modal: true });
    window.frame.classList.add(kind);
    window.content.append(element('pre', { textContent: text }));
    const ok = button(viewer.text('dialogOk'), window.close);
    window.buttons.append(ok);
    ok.focus();
  }

  // A line of text asked for, with entries offered; `answered` gets it unless the user cancels.
  function askText(viewer, kind, title, label, proposal, offered, answered) {
    const window = show(kind, title, { modal: true });
    const list = element('datalist', { id: `${kind}-offered` },
                         ...offered.map((name) => element('option', { value: name })));
    const input = element('input', { type: 'text', value: proposal, size: 40 });
    input.setAttribute('list', list.id);
    window.content.append(element('label', {}, label, element('br'), input), list);
    const accept = () => {
      window.close();
      answered(input.value);
    };
    // The key's own press is spent here: it would otherwise click the button of a message
    // that the answer brings up.
    input.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter') return;
      event.preventDefault();
      accept();
    });
    window.buttons.append(button(viewer.text('dialogOk'), accept),
                          button(viewer.text('dialogCancel'), window.close));
    input.focus();
    input.select();
  }

  // One of `choices` ([{caption, ...}]), the first chosen at the start.
  function askChoice(viewer, kind, title, choices, answered) {
    const window = show(kind, title, { modal: true });
    const select = element('select', {},
                           ...choices.map((choice, index) => element('option', {
                             value: String(index), textContent: choice.caption })));
    window.content.append(select);
    window.buttons.append(button(viewer.text('dialogOk'), () => {
      window.close();
      answered(choices[Number(select.value)]);
    }), button(viewer.text('dialogCancel'), window.close));
    select.focus();
  }

  return { element, show, close, isOpen, anyModal, button, message, askText, askChoice };
})();
