'use strict';
// The menu bar, its drop-down menus and the step toolbar built from the viewer's models (item
// names, captions with '&' before the access key, shortcuts, checks, enabled and visible
// entries), and the browser's keys as the portable key texts the models use ("Ctrl+Shift+S",
// "F5", "Shift+Up", "PgDown"). Choosing an entry hands its item name to `choose`.

const NiveauMenus = (() => {
  // A caption without its '&' marks, the access key underlined ("&&" is a plain '&').
  function captionNode(caption) {
    const node = document.createElement('span');
    for (let i = 0; i < caption.length; ++i) {
      if (caption[i] === '&' && i + 1 < caption.length) {
        ++i;
        if (caption[i] !== '&') {
          const key = document.createElement('u');
          key.textContent = caption[i];
          node.append(key);
          continue;
        }
      }
      node.append(caption[i]);
    }
    return node;
  }

  const plainCaption = (caption) => caption.replace(/&(.)/g, '$1');

  let openMenus = []; // the open menu and its open submenus, outermost first

  function closeMenus(depth = 0) {
    for (const menu of openMenus.splice(depth)) {
      menu.element.remove();
      menu.opener?.classList.remove('open');
    }
  }

  // A menu's entries at (x, y) of the page; `depth` is its place among the open menus.
  function showMenu(model, x, y, choose, depth, opener) {
    closeMenus(depth);
    const element = document.createElement('div');
    element.className = 'menu';
    element.setAttribute('role', 'menu');
    element.dataset.name = model.name;
    for (const item of model.items) {
      if (!item.visible) continue;
      if (item.separator) {
        element.append(document.createElement('hr'));
        continue;
      }
      const entry = document.createElement('button');
      entry.type = 'button';
      entry.dataset.name = item.name;
      entry.setAttribute('role', item.checkable ? 'menuitemcheckbox' : 'menuitem');
      if (item.checkable) entry.setAttribute('aria-checked', String(item.checked));
      entry.disabled = !item.enabled;
      const check = document.createElement('span');
      check.textContent = item.checked ? '\u2713' : '';
      const shortcut = document.createElement('span');
      shortcut.className = 'shortcut';
      shortcut.textContent = item.shortcut;
      const arrow = document.createElement('span');
      arrow.textContent = item.submenu ? '\u25b8' : '';
      entry.append(check, captionNode(item.caption), shortcut, arrow);
      if (item.submenu) {
        const openSubmenu = () => {
          if (openMenus[depth + 1]?.element.dataset.name === item.name) return;
          const box = entry.getBoundingClientRect();
          showMenu(item, box.right - 2, box.top, choose, depth + 1, entry);
        };
        entry.addEventListener('pointerenter', openSubmenu);
        entry.addEventListener('click', openSubmenu);
      } else {
        entry.addEventListener('pointerenter', () => closeMenus(depth + 1));
        entry.addEventListener('click', () => {
          closeMenus();
          choose(item.name);
        });
      }
      element.append(entry);
    }
    document.body.append(element);
    // Kept inside the page.
    const box = element.getBoundingClientRect();
    element.style.left = `${Math.max(0, Math.min(x, innerWidth - box.width))}px`;
    element.style.top = `${Math.max(0, Math.min(y, innerHeight - box.height))}px`;
    opener?.classList.add('open');
    openMenus[depth] = { element, opener };
  }

  addEventListener('pointerdown', (event) => {
    if (openMenus.length && !event.target.closest('.menu, #menu-bar')) closeMenus();
  }, true);

  function buildMenuBar(bar, models, choose) {
    closeMenus();
    bar.replaceChildren();
    for (const model of models) {
      if (!model.visible) continue;
      const title = document.createElement('button');
      title.type = 'button';
      title.dataset.name = model.name;
      title.append(captionNode(model.caption));
      const open = () => {
        const box = title.getBoundingClientRect();
        showMenu(model, box.left, box.bottom, choose, 0, title);
      };
      title.addEventListener('click', () => {
        if (openMenus[0]?.opener === title) closeMenus();
        else open();
      });
      // Once a menu is open, the pointer moves from menu to menu.
      title.addEventListener('pointerenter', () => {
        if (openMenus.length && openMenus[0].opener !== title) open();
      });
      bar.append(title);
    }
  }

  function buildToolbar(bar, items, choose) {
    bar.replaceChildren();
    for (const item of items) {
      if (item.separatorBefore) {
        const separator = document.createElement('span');
        separator.className = 'separator';
        bar.append(separator);
      }
      const button = document.createElement('button');
      button.type = 'button';
      button.dataset.name = item.name;
      button.append(captionNode(item.caption));
      button.addEventListener('click', () => choose(item.name));
      bar.append(button);
    }
  }

  // The browser's names of keys that are no single character, as the portable texts name them.
  const keyNames = {
    ArrowUp: 'Up', ArrowDown: 'Down', ArrowLeft: 'Left', ArrowRight: 'Right',
    PageUp: 'PgUp', PageDown: 'PgDown', Escape: 'Esc', Delete: 'Del', Insert: 'Ins',
    Enter: 'Return', ' ': 'Space',
  };

  // The key text of a key press; empty for a modifier alone.
  function portableKey(event) {
    if (['Control', 'Shift', 'Alt', 'Meta'].includes(event.key)) return '';
    let key = keyNames[event.key] ?? event.key;
    if (key.length === 1) {
      key = key.toUpperCase();
      // Ctrl and Alt may turn a letter or digit into another character; the key's place does not.
      const place = /^(Key([A-Z])|Digit([0-9]))$/.exec(event.code);
      if (place && (event.ctrlKey || event.altKey)) key = place[2] ?? place[3];
    }
    return [event.ctrlKey && 'Ctrl', event.altKey && 'Alt', event.shiftKey && 'Shift',
            event.metaKey && 'Meta', key].filter(Boolean).join('+');
  }

  // The same key text in any order of its modifiers and any case.
  function sameKeys(a, b) {
    const parts = (text) => {
      const all = text.toLowerCase().split('+');
      const key = all.pop() || '+'; // "Ctrl++" names the plus key
      return [...all.filter(Boolean).sort(), key].join('+');
    };
    return parts(a) === parts(b);
  }

  // The enabled entry whose shortcut is `keys`, anywhere in the menus; shown or not.
  function findShortcut(models, keys) {
    for (const item of models) {
      if (item.shortcut && item.enabled && !item.submenu && sameKeys(item.shortcut, keys)) return item;
      const inner = findShortcut(item.items, keys);
      if (inner) return inner;
    }
    return null;
  }

  function findItem(models, name) {
    for (const item of models) {
      if (item.name === name) return item;
      const inner = findItem(item.items, name);
      if (inner) return inner;
    }
    return null;
  }

  return {
    buildMenuBar, buildToolbar, showMenu, closeMenus, portableKey, sameKeys, findShortcut,
    findItem, plainCaption, captionNode,
    menuOpen: () => openMenus.length > 0,
  };
})();
