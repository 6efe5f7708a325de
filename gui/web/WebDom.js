// The page's half of the web platform: the elements behind the gadgets, found by the handle
// numbers the program gives them, their look, and the listeners that hand the user's input to
// the program (the vandro_web_* functions of WebInput.cpp) and wake it where it waits.
var LibraryVandroDom = {
  $VandroDom__deps: ['$VandroWake'],
  $VandroDom: {
    // The elements by their handles: a Map, made when the driver starts, whose set and delete
    // also keep handles, the handles by their elements.
    elements: null,
    handles: null,
    // Short texts, most of a board's, are read unit by unit: quicker than a decoder's call.
    text: function(pointer, length) {
      var at = pointer >> 1;
      if (length < 64)
        return String.fromCharCode.apply(null, HEAPU16.subarray(at, at + length));
      VandroDom.decoder = VandroDom.decoder || new TextDecoder('utf-16le');
      return VandroDom.decoder.decode(HEAPU8.subarray(pointer, pointer + 2 * length));
    },
    get: function(handle) { return VandroDom.elements.get(handle) || null; },
    desktop: function() {
      var desktop = document.getElementById('vandro-desktop');
      if (!desktop) {
        desktop = document.createElement('div');
        desktop.id = 'vandro-desktop';
        document.body.appendChild(desktop);
      }
      return desktop;
    },
    // Runs the program's handler of the user's input, then lets a waiting program go on.
    deliver: function(handler) {
      var used = handler();
      VandroWake();
      return used;
    },
    // "&" marks the letter after it as the mnemonic, "&&" is a plain "&": the letter is
    // underlined and answered in lower case ("" for none).
    showMnemonic: function(element, text) {
      element.textContent = '';
      var mnemonic = '';
      var plain = '';
      for (var at = 0; at < text.length; ++at) {
        var unit = text[at];
        if (unit === '&' && at + 1 < text.length && text[at + 1] !== '&' && !mnemonic) {
          element.append(plain);
          plain = '';
          var letter = document.createElement('u');
          letter.textContent = text[++at];
          element.append(letter);
          mnemonic = text[at].toLowerCase();
        } else {
          if (unit === '&' && text[at + 1] === '&')
            ++at;
          plain += unit;
        }
      }
      element.append(plain);
      return mnemonic;
    },
    // The text before a tab is the item's, with its mnemonic; after it, its shortcut.
    setMenuText: function(item, text) {
      var tab = text.indexOf('\t');
      item.textContent = '';
      var label = document.createElement('span');
      item.vandroMnemonic = VandroDom.showMnemonic(label, tab < 0 ? text : text.slice(0, tab));
      item.appendChild(label);
      if (tab >= 0) {
        var shortcut = document.createElement('span');
        shortcut.className = 'vandro-shortcut';
        shortcut.textContent = text.slice(tab + 1);
        item.appendChild(shortcut);
      }
    },
    // From red + (green << 8) + (blue << 16) to #rrggbb; -1 gives "", the element's own.
    cssColor: function(colour) {
      if (colour < 0)
        return '';
      var rgb = ((colour & 0xff) << 16) | (colour & 0xff00) | ((colour >> 16) & 0xff);
      return '#' + (0x1000000 + rgb).toString(16).slice(1);
    },
    modifiers: function(event) {
      return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0) |
             (event.metaKey ? 8 : 0);
    },
    // A window whose frame does not fit the viewport is scaled down to fit; one that fits stays
    // where the program put it. Either is centred along a side of the viewport it would stick
    // out of (the program places windows on a desktop no smaller than a laptop's screen).
    fit: function(frame) {
      var width = parseFloat(frame.style.width) || 0;
      var height = parseFloat(frame.style.height) || 0;
      var across = VandroDom.viewport[0];
      var down = VandroDom.viewport[1];
      var scale = Math.min(1, across / Math.max(width, 1), down / Math.max(height, 1));
      var x = +frame.dataset.x, y = +frame.dataset.y;
      if (scale < 1 || x < 0 || x + width > across)
        x = (across - width * scale) / 2;
      if (scale < 1 || y < 0 || y + height > down)
        y = (down - height * scale) / 2;
      frame.style.left = x + 'px';
      frame.style.top = y + 'px';
      frame.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
    },
    // The viewport's width and height, measured when the driver starts and whenever the page is
    // resized: reading them from the document lays the page out, and a window is placed while
    // its board is being made.
    viewport: [0, 0],
    measureViewport: function() {
      VandroDom.viewport = [document.documentElement.clientWidth,
                            document.documentElement.clientHeight];
    },
    fitAll: function() {
      document.querySelectorAll('#vandro-desktop > .vandro-window').forEach(VandroDom.fit);
    },
    raise: function(frame) {
      VandroDom.zOrder = (VandroDom.zOrder || 0) + 1;
      frame.style.zIndex = VandroDom.zOrder;
    },
    // The open menus, outermost first.
    openMenus: [],
    closeMenus: function(depth) {
      while (VandroDom.openMenus.length > depth) {
        var menu = VandroDom.openMenus.pop();
        menu.hidden = true;
        if (menu.vandroOpener)
          menu.vandroOpener.setAttribute('aria-expanded', 'false');
        if (menu.classList.contains('vandro-popup'))
          VandroDom.deliver(function() { return _vandro_web_popup_closed(); });
      }
    },
    // The advance width of a text in a CSS font, in whole pixels.
    textWidth: function(font, text) {
      var canvas = VandroDom.measure || (VandroDom.measure = document.createElement('canvas'));
      var context = canvas.getContext('2d');
      context.font = font;
      return Math.round(context.measureText(text).width);
    },
    // The controls freed but still on the page, each taken off unless one around it is.
    freed: [],
    takeFreed: function() {
      var freed = VandroDom.freed;
      VandroDom.freed = [];
      freed.forEach(function(element) {
        for (var around = element.parentElement; around; around = around.parentElement)
          if (around.vandroFreed)
            return;
        element.remove();
      });
    },
    // Looks are rules, one for each look in use, rather than styles of each element: the
    // browser matches a rule once for all the cards that share it. Past 256 looks the rest are
    // set on their elements, so that a program that varies its colours freely does not add
    // rules without end.
    looks: null,
    lookName: function(key, declarations) {
      var looks = VandroDom.looks;
      if (!looks) {
        looks = VandroDom.looks = new Map();
        var element = document.createElement('style');
        element.id = 'vandro-looks';
        document.head.appendChild(element);
        VandroDom.lookSheet = element.sheet;
      }
      var name = looks.get(key);
      if (name || looks.size >= 256)
        return name || '';
      name = 'vandro-look-' + looks.size;
      var sheet = VandroDom.lookSheet;
      sheet.insertRule('.' + name + '{' + declarations + '}', sheet.cssRules.length);
      looks.set(key, name);
      return name;
    },
    // Adds a kind's style sheet to the page, once for each name.
    addStyle: function(name, css) {
      var id = 'vandro-style-' + name;
      if (document.getElementById(id))
        return;
      var sheet = document.createElement('style');
      sheet.id = id;
      sheet.textContent = css;
      document.head.appendChild(sheet);
    },
    // The last element outside the menus that had the focus: it gets it back when the user
    // leaves the menus, so that the window's keys work on. Noted as the menus open, and as the
    // focus moves, since a press on the bar takes the focus before its menu opens.
    menuReturn: null,
    noteReturn: function() {
      var at = document.activeElement;
      if (at && at !== document.body && !at.closest('.vandro-menu, .vandro-menubar'))
        VandroDom.menuReturn = at;
    },
    leaveMenus: function() {
      var back = VandroDom.menuReturn;
      var at = document.activeElement;
      if (back && back.isConnected &&
          (!at || at === document.body || at.closest('.vandro-menu, .vandro-menubar')))
        back.focus({preventScroll: true});
    },
    // Opens the submenu of an item, below a bar's entry or beside a menu's item.
    openSubmenu: function(item, focusFirst) {
      var menu = item.vandroSubmenu;
      var depth = VandroDom.openMenus.indexOf(item.parentElement) + 1;
      VandroDom.noteReturn();
      VandroDom.closeMenus(depth);
      var box = item.getBoundingClientRect();
      var inBar = item.parentElement.getAttribute('role') === 'menubar';
      menu.hidden = false;
      menu.style.left = (inBar ? box.left : box.right) + 'px';
      menu.style.top = (inBar ? box.bottom : box.top) + 'px';
      menu.vandroOpener = item;
      item.setAttribute('aria-expanded', 'true');
      VandroDom.openMenus.push(menu);
      if (focusFirst)
        VandroDom.moveInMenu(menu, null, 1);
    },
    items: function(menu) {
      return Array.from(menu.children).filter(function(item) {
        return item.getAttribute('role') !== 'separator' &&
               item.getAttribute('aria-disabled') !== 'true';
      });
    },
    moveInMenu: function(menu, from, step) {
      var items = VandroDom.items(menu);
      if (!items.length)
        return;
      var at = items.indexOf(from);
      at = at < 0 ? (step > 0 ? 0 : items.length - 1) : (at + step + items.length) % items.length;
      items.forEach(function(item) { item.tabIndex = -1; });
      items[at].tabIndex = 0;
      items[at].focus();
    },
    chooseItem: function(item) {
      if (item.getAttribute('aria-disabled') === 'true')
        return;
      if (item.vandroSubmenu) {
        VandroDom.openSubmenu(item, true);
        return;
      }
      // Chosen while its menu is open: a pop-up menu's window waits until it closes.
      VandroDom.deliver(function() { return _vandro_web_menu_chosen(item.vandroHandle); });
      VandroDom.closeMenus(0);
      VandroDom.leaveMenus();
    },
    // The keys of a menu bar or an open menu: arrows move, Enter and Space choose, Escape
    // closes, a mnemonic's letter chooses its item.
    menuKey: function(event) {
      var item = event.target.closest('[role^="menuitem"]');
      if (!item)
        return;
      var menu = item.parentElement;
      var inBar = menu.getAttribute('role') === 'menubar';
      var key = event.key;
      var handled = true;
      if (key === (inBar ? 'ArrowRight' : 'ArrowDown'))
        VandroDom.moveInMenu(menu, item, 1);
      else if (key === (inBar ? 'ArrowLeft' : 'ArrowUp'))
        VandroDom.moveInMenu(menu, item, -1);
      else if ((inBar && key === 'ArrowDown') || (!inBar && key === 'ArrowRight' && item.vandroSubmenu))
        VandroDom.openSubmenu(item, true);
      else if (key === 'Enter' || key === ' ')
        VandroDom.chooseItem(item);
      else if (key === 'Escape' || (!inBar && key === 'ArrowLeft')) {
        var opener = menu.vandroOpener;
        VandroDom.closeMenus(Math.max(VandroDom.openMenus.indexOf(menu), 0));
        if (opener)
          opener.focus();
        else
          VandroDom.leaveMenus();
      } else if (key.length === 1) {
        var match = VandroDom.items(menu).find(function(other) {
          return other.vandroMnemonic === key.toLowerCase();
        });
        if (match)
          VandroDom.chooseItem(match);
        else
          handled = false;
      } else
        handled = false;
      if (handled) {
        event.preventDefault();
        event.stopPropagation();
      }
    },
    style: [
      '#vandro-desktop{position:fixed;inset:0;overflow:hidden;font:13px system-ui,"DejaVu Sans",sans-serif;color:#1c1c1c;background:#3a6ea5;}',
      '.vandro-window[hidden], .vandro-menu[hidden], .vandro-control[hidden]{display:none !important;}',
      '.vandro-window{position:absolute;box-sizing:border-box;display:flex;flex-direction:column;background:#f0f0f0;border:var(--vandro-border) solid #6d6d6d;box-shadow:0 4px 16px rgba(0,0,0,.35);transform-origin:0 0;}',
      '.vandro-title{flex:none;box-sizing:border-box;height:var(--vandro-title);display:flex;align-items:center;padding-left:8px;background:#dfe4ea;font-weight:600;user-select:none;}',
      '.vandro-window.vandro-active > .vandro-title{background:#c5d5ea;}',
      '.vandro-title span{flex:1;overflow:hidden;white-space:nowrap;text-overflow:ellipsis;}',
      '.vandro-close{width:40px;height:100%;border:0;background:none;font-size:16px;cursor:default;}',
      '.vandro-close:hover{background:#e81123;color:#fff;}',
      '.vandro-menubar{flex:none;box-sizing:border-box;height:var(--vandro-menu);display:flex;background:#fafafa;border-bottom:1px solid #dadada;user-select:none;}',
      '.vandro-bar{display:flex;height:100%;}',
      '.vandro-bar > [role=menuitem]{padding:0 8px;display:flex;align-items:center;}',
      '.vandro-menu{position:fixed;z-index:100000;min-width:160px;padding:3px 0;background:#fafafa;border:1px solid #a0a0a0;box-shadow:2px 3px 8px rgba(0,0,0,.3);user-select:none;}',
      '.vandro-menu > [role^=menuitem]{display:flex;gap:24px;padding:3px 12px 3px 26px;position:relative;white-space:nowrap;}',
      '.vandro-menu > [role^=menuitem] > .vandro-shortcut{margin-left:auto;}',
      // Drawn only: a screen reader reads the mark and the arrow from the item's role and state.
      '.vandro-menu > [aria-checked=true]::before{content:"\\2713"/"";position:absolute;left:9px;}',
      '.vandro-menu > [aria-haspopup]::after{content:"\\25B8"/"";position:absolute;right:6px;}',
      '.vandro-menu > [role=separator]{height:1px;margin:3px 0;background:#d0d0d0;}',
      '[role^=menuitem]:hover,[role^=menuitem]:focus,[role^=menuitem][aria-expanded=true]{background:#cce4f7;outline:none;}',
      '[role^=menuitem][aria-disabled=true]{color:#8d8d8d;background:none;}',
      '.vandro-client{flex:none;position:relative;overflow:hidden;}',
      '#vandro-desktop.vandro-pointer .vandro-window, #vandro-desktop.vandro-pointer .vandro-window *{cursor:var(--vandro-pointer) !important;}',
      '.vandro-status{flex:none;box-sizing:border-box;height:var(--vandro-status);display:grid;grid-template-columns:1fr auto 1fr;gap:6px;align-items:center;padding:0 6px;border-top:1px solid #dadada;white-space:nowrap;}',
      '.vandro-status span{overflow:hidden;text-overflow:ellipsis;}',
      '.vandro-status span:nth-child(2){text-align:center;}',
      '.vandro-status span:nth-child(3){text-align:right;}',
      '.vandro-client > *, .vandro-control{position:absolute;box-sizing:border-box;margin:0;}',
      '.vandro-button{font:inherit;padding:0 4px;overflow:hidden;touch-action:manipulation;}',
      '.vandro-button.vandro-coloured{border:1px solid #7a7a7a;border-radius:3px;}',
      '.vandro-button.vandro-coloured:focus-visible{outline:2px solid #1a5fb4;outline-offset:-4px;}',
      '.vandro-button[aria-pressed=true], .vandro-button[aria-pressed=mixed]{background:#cfd8e3;border:1px solid #5f7894;border-radius:3px;}',
      '.vandro-check{display:flex;align-items:center;gap:4px;}',
      '.vandro-label{display:flex;align-items:flex-start;white-space:pre;overflow:hidden;text-overflow:ellipsis;}',
      '.vandro-label.vandro-right{justify-content:flex-end;}',
      '.vandro-label.vandro-centred{justify-content:center;}',
      '.vandro-label.vandro-plain{border:1px solid #7a7a7a;}',
      '.vandro-label.vandro-sunken{border:1px solid;border-color:#a0a0a0 #fff #fff #a0a0a0;}',
      '.vandro-label.vandro-separator{border-top:1px solid #a0a0a0;border-left:1px solid #a0a0a0;background:#fff;}',
      // Symbols that have an emoji look by default are shown as text, in the gadget's colour.
      '.vandro-desktop-text, #vandro-desktop{font-variant-emoji:text;}',
      'dialog.vandro-message{min-width:260px;max-width:480px;padding:16px;border:1px solid #6d6d6d;font:13px system-ui,"DejaVu Sans",sans-serif;}',
      'dialog.vandro-message p{white-space:pre-wrap;margin:0 0 16px;}',
      'dialog.vandro-message .vandro-buttons{display:flex;gap:8px;justify-content:flex-end;}',
      'dialog.vandro-message button{min-width:80px;font:inherit;}'
    ].join('\n')
  },

  vandro_dom_start__deps: ['$VandroDom'],
  vandro_dom_start: function(border, title, menu, status) {
    var elements = new Map();
    var handles = new Map();
    var set = elements.set;
    var remove = elements.delete;
    elements.set = function(handle, element) {
      handles.set(element, handle);
      return set.call(elements, handle, element);
    };
    elements.delete = function(handle) {
      var element = elements.get(handle);
      if (element && handles.get(element) === handle)
        handles.delete(element);
      return remove.call(elements, handle);
    };
    VandroDom.elements = elements;
    VandroDom.handles = handles;
    VandroDom.addStyle('dom', VandroDom.style);
    var root = document.documentElement.style;
    root.setProperty('--vandro-border', border + 'px');
    root.setProperty('--vandro-title', title + 'px');
    root.setProperty('--vandro-menu', menu + 'px');
    root.setProperty('--vandro-status', status + 'px');
    var desktop = VandroDom.desktop();
    VandroDom.measureViewport();
    window.addEventListener('resize', function() {
      VandroDom.measureViewport();
      VandroDom.fitAll();
    });
    // A press outside the open menus closes them. Pop-up menus open where the pointer was.
    document.addEventListener('pointerdown', function(event) {
      VandroDom.pointer = [event.clientX, event.clientY];
      if (!event.target.closest('.vandro-menu, .vandro-menubar'))
        VandroDom.closeMenus(0);
    }, true);
    document.addEventListener('pointermove', function(event) {
      VandroDom.pointer = [event.clientX, event.clientY];
    }, true);
    desktop.addEventListener('keydown', VandroDom.menuKey);
    document.addEventListener('focusin', VandroDom.noteReturn);
  },

  vandro_dom_viewport__deps: ['$VandroDom'],
  vandro_dom_viewport: function(which) {
    return VandroDom.viewport[which ? 1 : 0];
  },

  // A top-level window: its frame, with a title bar, a menu bar where style bit 4 asks for
  // one, the client area (clientHandle) and a status line of three fields for bit 8.
  vandro_dom_make_window__deps: ['$VandroDom'],
  vandro_dom_make_window: function(handle, clientHandle, style) {
    var frame = document.createElement('div');
    frame.className = 'vandro-window';
    frame.setAttribute('role', 'dialog');
    frame.dataset.x = 0;
    frame.dataset.y = 0;
    frame.hidden = true;
    if (style & 1) {
      var title = document.createElement('div');
      title.className = 'vandro-title';
      var caption = document.createElement('span');
      title.appendChild(caption);
      var close = document.createElement('button');
      close.className = 'vandro-close';
      close.type = 'button';
      close.tabIndex = -1;
      close.setAttribute('aria-label', 'Schliessen');
      close.textContent = '\u2715';
      close.addEventListener('click', function() {
        VandroDom.deliver(function() { return _vandro_web_close(handle); });
      });
      title.appendChild(close);
      frame.appendChild(title);
      frame.vandroCaption = caption;
    }
    if (style & 4) {
      var bar = document.createElement('div');
      bar.className = 'vandro-menubar';
      frame.appendChild(bar);
      frame.vandroMenuSlot = bar;
    }
    var client = document.createElement('div');
    client.className = 'vandro-client';
    frame.appendChild(client);
    if (style & 8) {
      var status = document.createElement('div');
      status.className = 'vandro-status';
      status.setAttribute('role', 'status');
      status.setAttribute('aria-live', 'polite');
      for (var field = 0; field < 3; ++field)
        status.appendChild(document.createElement('span'));
      frame.appendChild(status);
      frame.vandroStatus = status;
    }
    frame.addEventListener('pointerdown', function() {
      VandroDom.deliver(function() { return _vandro_web_activated(handle); });
    }, true);
    frame.addEventListener('focusin', function() {
      VandroDom.deliver(function() { return _vandro_web_activated(handle); });
    });
    frame.addEventListener('keydown', function(event) {
      if (event.defaultPrevented || event.target.closest('.vandro-menu, .vandro-menubar'))
        return;
      // Alt with a letter opens the menu of the bar's entry it marks; F10 goes to the bar.
      var bar = frame.vandroMenuSlot && frame.vandroMenuSlot.firstChild;
      var entries = bar ? VandroDom.items(bar) : [];
      var entry = event.altKey && event.key.length === 1 && entries.find(function(item) {
        return item.vandroMnemonic === event.key.toLowerCase();
      });
      if (entry || (event.key === 'F10' && entries.length)) {
        event.preventDefault();
        VandroDom.noteReturn();
        if (entry)
          VandroDom.openSubmenu(entry, true);
        else
          entries[0].focus();
        return;
      }
      var used = VandroDom.deliver(function() {
        return _vandro_web_key(handle, event.keyCode, VandroDom.modifiers(event));
      });
      if (used)
        event.preventDefault();
    });
    frame.vandroClient = client;
    VandroDom.elements.set(handle, frame);
    VandroDom.elements.set(clientHandle, client);
    VandroDom.desktop().appendChild(frame);
  },

  // A control inside the client area of a group: kind 1 a push button, 2 a check box, 3 a radio
  // button, 4 a label.
  vandro_dom_make_control__deps: ['$VandroDom'],
  vandro_dom_make_control: function(handle, group, kind) {
    var element;
    if (kind === 1) {
      element = document.createElement('button');
      element.type = 'button';
      element.className = 'vandro-control vandro-button';
      element.addEventListener('click', function() {
        VandroDom.deliver(function() { return _vandro_web_pressed(handle); });
      });
    } else if (kind === 2 || kind === 3) {
      element = document.createElement('label');
      element.className = 'vandro-control vandro-check';
      var box = document.createElement('input');
      box.type = kind === 2 ? 'checkbox' : 'radio';
      // A click, not a change: a click on the chosen radio button is a press too.
      box.addEventListener('click', function() {
        VandroDom.deliver(function() { return _vandro_web_pressed(handle); });
      });
      element.appendChild(box);
      element.appendChild(document.createElement('span'));
      element.vandroBox = box;
    } else {
      element = document.createElement('div');
      element.className = 'vandro-control vandro-label';
    }
    VandroDom.elements.set(handle, element);
    var parent = VandroDom.get(group);
    (parent || VandroDom.desktop()).appendChild(element);
  },

  vandro_dom_remove__deps: ['$VandroDom'],
  vandro_dom_remove: function(handle, clientHandle) {
    var element = VandroDom.get(handle);
    VandroDom.elements.delete(handle);
    VandroDom.elements.delete(clientHandle);
    if (!element)
      return;
    if (!element.classList.contains('vandro-control')) {
      element.remove();
      return;
    }
    // Controls leave the page together, once the program is done or its window goes: a window
    // whose gadgets are freed before it then leaves with them, rather than the page taking each
    // off its layout, forms and focus first.
    element.vandroFreed = true;
    if (VandroDom.freed.push(element) === 1)
      queueMicrotask(VandroDom.takeFreed);
  },

  vandro_dom_detach__deps: ['$VandroDom'],
  vandro_dom_detach: function(handle) {
    var element = VandroDom.get(handle);
    if (element)
      element.remove();
  },

  // A window's frame goes to (x, y) of the desktop; a control to (x, y) of its group's client
  // area; a window's client area takes the size w x h.
  vandro_dom_place__deps: ['$VandroDom'],
  vandro_dom_place: function(handle, x, y, w, h) {
    var element = VandroDom.get(handle);
    if (!element)
      return;
    element.style.width = w + 'px';
    element.style.height = h + 'px';
    if (element.classList.contains('vandro-client'))
      return;
    if (element.classList.contains('vandro-window')) {
      element.dataset.x = x;
      element.dataset.y = y;
      VandroDom.fit(element);
    } else {
      element.style.left = x + 'px';
      element.style.top = y + 'px';
    }
  },

  vandro_dom_show__deps: ['$VandroDom'],
  vandro_dom_show: function(handle, show) {
    var element = VandroDom.get(handle);
    if (!element)
      return;
    element.hidden = !show;
    if (show && element.classList.contains('vandro-window')) {
      VandroDom.fit(element);
      VandroDom.raise(element);
    }
  },

  // A control's text with its mnemonic; a window's title; a label's text as it stands.
  vandro_dom_set_text__deps: ['$VandroDom'],
  vandro_dom_set_text: function(handle, pointer, length) {
    var element = VandroDom.get(handle);
    if (!element)
      return;
    // The user cannot change these texts: one the element shows already is left alone.
    var text = VandroDom.text(pointer, length);
    if (element.vandroShownText === text)
      return;
    element.vandroShownText = text;
    if (element.classList.contains('vandro-window')) {
      if (element.vandroCaption)
        element.vandroCaption.textContent = text;
      element.setAttribute('aria-label', text);
    } else if (element.classList.contains('vandro-label')) {
      element.textContent = text;
    } else {
      var target = element.vandroBox ? element.lastChild : element.vandroText || element;
      element.vandroMnemonic = VandroDom.showMnemonic(target, text);
    }
  },

  vandro_dom_set_tip__deps: ['$VandroDom'],
  vandro_dom_set_tip: function(handle, pointer, length) {
    var element = VandroDom.get(handle);
    if (!element)
      return;
    if (length)
      element.title = VandroDom.text(pointer, length);
    else
      element.removeAttribute('title');
  },

  // Colours as 0xRRGGBB, -1 for the element's own; the font as CSS, "" for the element's own.
  vandro_dom_set_look__deps: ['$VandroDom'],
  vandro_dom_set_look: function(handle, foreground, background, font, fontLength) {
    var element = VandroDom.get(handle);
    if (!element)
      return;
    var target = element.vandroClient || element;
    var shorthand = fontLength ? VandroDom.text(font, fontLength) : '';
    var key = foreground + ' ' + background + ' ' + shorthand;
    var look = target.vandroLook;
    if (look && look.key === key)
      return;
    if (look && look.name)
      target.classList.remove(look.name);
    else if (look && look.inline)
      ['color', 'background-color', 'font', 'font-variant-emoji'].forEach(function(property) {
        target.style.removeProperty(property);
      });
    // Important, as the element's own style was: the look wins over the kind's rules. The font
    // shorthand resets the emoji look: symbols that have one stay text in their colour.
    var set = function(property, value) { return property + ':' + value + ' !important;'; };
    var declarations =
        (foreground >= 0 ? set('color', VandroDom.cssColor(foreground)) : '') +
        (background >= 0 ? set('background-color', VandroDom.cssColor(background)) : '') +
        (shorthand ? set('font', shorthand) + set('font-variant-emoji', 'text') : '');
    look = target.vandroLook = {key: key, foreground: foreground, background: background,
                                font: shorthand,
                                name: declarations && VandroDom.lookName(key, declarations)};
    if (look.name)
      target.classList.add(look.name);
    else if ((look.inline = !!declarations))
      target.style.cssText += declarations;
    if (element.classList.contains('vandro-coloured') !== background >= 0)
      element.classList.toggle('vandro-coloured');
  },

  vandro_dom_set_enabled__deps: ['$VandroDom'],
  vandro_dom_set_enabled: function(handle, enabled) {
    var element = VandroDom.get(handle);
    if (!element)
      return;
    var control = element.vandroBox || element;
    if ('disabled' in control)
      control.disabled = !enabled;
    else if (enabled)
      element.removeAttribute('aria-disabled');
    else
      element.setAttribute('aria-disabled', 'true');
  },

  // A label's frame and alignment: 1 plain, 2 sunken, 3 separator; 8 right, 16 centred.
  vandro_dom_set_label_style__deps: ['$VandroDom'],
  vandro_dom_set_label_style: function(handle, frame, alignment) {
    var element = VandroDom.get(handle);
    if (!element)
      return;
    element.classList.toggle('vandro-plain', frame === 1);
    element.classList.toggle('vandro-sunken', frame === 2);
    element.classList.toggle('vandro-separator', frame === 3);
    element.classList.toggle('vandro-right', alignment === 8);
    element.classList.toggle('vandro-centred', alignment === 16);
  },

  // A check box's or radio button's mark: 0 none, 1 checked, 2 indeterminate. One that looks
  // like a push button shows it pressed in. An indeterminate box is unchecked underneath, so
  // that the browser checks it on the next click.
  vandro_dom_check__deps: ['$VandroDom'],
  vandro_dom_check: function(handle, check) {
    var element = VandroDom.get(handle);
    if (element && element.vandroBox) {
      element.vandroBox.checked = check === 1;
      element.vandroBox.indeterminate = check === 2;
    } else if (element) {
      element.setAttribute('aria-pressed', ['false', 'true', 'mixed'][check]);
    }
  },
  vandro_dom_checked__deps: ['$VandroDom'],
  vandro_dom_checked: function(handle) {
    var element = VandroDom.get(handle);
    if (element && !element.vandroBox)
      return ['true', 'mixed'].indexOf(element.getAttribute('aria-pressed')) + 1;
    if (!element)
      return 0;
    return element.vandroBox.indeterminate ? 2 : element.vandroBox.checked ? 1 : 0;
  },

  vandro_dom_focus__deps: ['$VandroDom'],
  vandro_dom_focus: function(handle) {
    var element = VandroDom.get(handle);
    if (!element)
      return;
    var target = element.vandroBox || element;
    if (element.classList.contains('vandro-window') || element.classList.contains('vandro-label')) {
      target.tabIndex = -1;
      if (element.classList.contains('vandro-window'))
        VandroDom.raise(element);
    }
    target.focus({preventScroll: true});
  },

  // The handle of the element that has the keyboard focus, or of the nearest one around it
  // that has a handle; 0 when no element of the program has it.
  vandro_dom_focused__deps: ['$VandroDom'],
  vandro_dom_focused: function() {
    for (var element = document.activeElement; element; element = element.parentElement)
      if (VandroDom.handles.has(element) && !element.classList.contains('vandro-client'))
        return VandroDom.handles.get(element);
    return 0;
  },

  vandro_dom_set_active__deps: ['$VandroDom'],
  vandro_dom_set_active: function(handle, active) {
    var element = VandroDom.get(handle);
    if (element) {
      element.classList.toggle('vandro-active', !!active);
      if (active)
        VandroDom.raise(element);
    }
  },

  vandro_dom_set_status__deps: ['$VandroDom'],
  vandro_dom_set_status: function(handle, field, pointer, length) {
    var element = VandroDom.get(handle);
    if (!element || !element.vandroStatus)
      return;
    var shown = element.vandroStatus.children[field];
    var text = VandroDom.text(pointer, length);
    if (shown.textContent !== text)
      shown.textContent = text;
  },

  vandro_dom_set_opacity__deps: ['$VandroDom'],
  vandro_dom_set_opacity: function(handle, alpha) {
    var element = VandroDom.get(handle);
    if (element)
      element.style.opacity = alpha / 255;
  },

  vandro_dom_set_pointer__deps: ['$VandroDom'],
  vandro_dom_set_pointer: function(cursor, length) {
    var name = VandroDom.text(cursor, length);
    VandroDom.desktop().classList.toggle('vandro-pointer', !!name);
    VandroDom.desktop().style.setProperty('--vandro-pointer', name || 'auto');
  },

  // The advance width of a character, or of a text, in a CSS font, in whole pixels.
  vandro_dom_char_width__deps: ['$VandroDom'],
  vandro_dom_char_width: function(font, fontLength, character) {
    return VandroDom.textWidth(VandroDom.text(font, fontLength), String.fromCodePoint(character));
  },
  vandro_dom_text_width__deps: ['$VandroDom'],
  vandro_dom_text_width: function(font, fontLength, text, length) {
    return VandroDom.textWidth(VandroDom.text(font, fontLength), VandroDom.text(text, length));
  },

  // Menus. A root is a menu bar (popup 0) or a pop-up menu; an item goes into the menu of the
  // node above it: kind 0 an entry, 1 an item that can carry a mark, 2 a separator. An item
  // with a submenu (menuHandle nonzero) opens it.
  vandro_dom_menu_root__deps: ['$VandroDom'],
  vandro_dom_menu_root: function(handle, popup) {
    var menu = document.createElement('div');
    menu.className = popup ? 'vandro-menu' : 'vandro-bar';
    menu.setAttribute('role', popup ? 'menu' : 'menubar');
    if (popup) {
      menu.hidden = true;
      VandroDom.desktop().appendChild(menu);
    }
    VandroDom.elements.set(handle, menu);
  },

  vandro_dom_menu_item__deps: ['$VandroDom'],
  vandro_dom_menu_item: function(handle, above, kind, menuHandle, pointer, length) {
    var parent = VandroDom.get(above);
    if (!parent)
      return;
    var item = document.createElement('div');
    var inBar = parent.getAttribute('role') === 'menubar';
    if (kind === 2) {
      item.setAttribute('role', 'separator');
    } else {
      item.setAttribute('role', 'menuitem');
      item.tabIndex = inBar && !parent.children.length ? 0 : -1;
      item.vandroHandle = handle;
      item.addEventListener('click', function(event) {
        event.stopPropagation();
        if (inBar && item.getAttribute('aria-expanded') === 'true')
          VandroDom.closeMenus(0);
        else
          VandroDom.chooseItem(item);
      });
      item.addEventListener('pointerenter', function() {
        if (inBar ? VandroDom.openMenus.length : item.vandroSubmenu)
          VandroDom.openSubmenu(item, false);
        else if (!inBar)
          VandroDom.closeMenus(VandroDom.openMenus.indexOf(parent) + 1);
      });
    }
    if (menuHandle) {
      var submenu = document.createElement('div');
      submenu.className = 'vandro-menu';
      submenu.setAttribute('role', 'menu');
      submenu.hidden = true;
      VandroDom.desktop().appendChild(submenu);
      item.vandroSubmenu = submenu;
      item.setAttribute('aria-haspopup', 'menu');
      item.setAttribute('aria-expanded', 'false');
      VandroDom.elements.set(menuHandle, submenu);
    }
    parent.appendChild(item);
    VandroDom.elements.set(handle, item);
    if (kind !== 2)
      VandroDom.setMenuText(item, VandroDom.text(pointer, length));
    if (item.vandroSubmenu)
      item.vandroSubmenu.setAttribute('aria-label', item.firstChild.textContent);
  },

  vandro_dom_menu_text__deps: ['$VandroDom'],
  vandro_dom_menu_text: function(handle, pointer, length) {
    var item = VandroDom.get(handle);
    if (item && item.getAttribute('role') !== 'separator')
      VandroDom.setMenuText(item, VandroDom.text(pointer, length));
  },

  vandro_dom_menu_checked__deps: ['$VandroDom'],
  // An item is read as one that carries a mark only while it carries it: "Spiel beenden" is no
  // choice among others.
  vandro_dom_menu_checked: function(handle, checked) {
    var item = VandroDom.get(handle);
    if (!item || item.getAttribute('role') === 'separator')
      return;
    item.setAttribute('role', checked ? 'menuitemradio' : 'menuitem');
    if (checked)
      item.setAttribute('aria-checked', 'true');
    else
      item.removeAttribute('aria-checked');
  },

  vandro_dom_menu_popup__deps: ['$VandroDom'],
  vandro_dom_menu_popup: function(handle) {
    var menu = VandroDom.get(handle);
    if (!menu)
      return;
    var at = VandroDom.pointer || [0, 0];
    VandroDom.noteReturn();
    VandroDom.closeMenus(0);
    menu.classList.add('vandro-popup');
    menu.hidden = false;
    menu.style.left = at[0] + 'px';
    menu.style.top = at[1] + 'px';
    VandroDom.openMenus.push(menu);
    VandroDom.moveInMenu(menu, null, 1);
  },

  // The item's element and the menu it owns (a root's bar or pop-up, an item's submenu).
  vandro_dom_menu_remove__deps: ['$VandroDom'],
  vandro_dom_menu_remove: function(handle, menuHandle) {
    [handle, menuHandle].forEach(function(known) {
      var element = VandroDom.get(known);
      VandroDom.elements.delete(known);
      if (element) {
        var open = VandroDom.openMenus.indexOf(element);
        if (open >= 0)
          VandroDom.closeMenus(open);
        element.remove();
      }
    });
  },

  // The menu bar a window shows (0: none).
  vandro_dom_window_menu__deps: ['$VandroDom'],
  vandro_dom_window_menu: function(handle, root) {
    var frame = VandroDom.get(handle);
    if (!frame || !frame.vandroMenuSlot)
      return;
    var bar = VandroDom.get(root);
    if (bar) {
      bar.setAttribute('aria-label', frame.getAttribute('aria-label') || '');
      frame.vandroMenuSlot.replaceChildren(bar);
    } else {
      frame.vandroMenuSlot.replaceChildren();
    }
  }
};

mergeInto(LibraryManager.library, LibraryVandroDom);
