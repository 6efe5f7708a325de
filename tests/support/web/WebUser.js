// The page's half of the web platform's user: input goes out to the browser's driver (the test
// runner gives the page window.vandroUserInput, which sends real mouse and key events), and what
// the page shows is read from the elements.
var LibraryVandroUser = {
  $VandroUser__deps: ['$VandroDom'],
  $VandroUser: {
    shown: function(element) {
      return !!element && element.isConnected && element.getClientRects().length > 0 &&
             getComputedStyle(element).visibility !== 'hidden';
    },
    centre: function(element) {
      var box = element.getBoundingClientRect();
      return [box.left + box.width / 2, box.top + box.height / 2];
    },
    // Sends the action and lets the page run what it set off before answering.
    act: function(action, wakeUp) {
      window.vandroUserInput(action).then(function() {
        setTimeout(function() { wakeUp(1); }, 0);
      }, function(error) {
        console.error('the browser refused the input: ' + error);
        wakeUp(0);
      });
    },
    // A greyed control or menu item takes no press.
    greyed: function(element) {
      var control = element.vandroBox || element;
      return !!control.disabled || element.getAttribute('aria-disabled') === 'true';
    },
    click: function(element, button, clicks, wakeUp) {
      if (!VandroUser.shown(element) || VandroUser.greyed(element))
        return wakeUp(0);
      var at = VandroUser.centre(element);
      VandroUser.act({kind: 'click', x: at[0], y: at[1], button: button, clicks: clicks}, wakeUp);
    },
    // The text as the program writes it: "&" before the underlined mnemonic letter, "&&" for a
    // plain "&", a tab before a menu item's shortcut column.
    marked: function(node) {
      var text = '';
      node.childNodes.forEach(function(part) {
        if (part.nodeType === Node.TEXT_NODE)
          text += part.textContent.replace(/&/g, '&&');
        else if (part.tagName === 'U')
          text += '&' + part.textContent;
        else if (part.classList && part.classList.contains('vandro-shortcut'))
          text += '\t' + part.textContent;
        else
          text += VandroUser.marked(part);
      });
      return text;
    },
    write: function(text, buffer, capacity) {
      var length = Math.min(text.length, capacity);
      for (var at = 0; at < length; ++at)
        HEAPU16[(buffer >> 1) + at] = text.charCodeAt(at);
      return text.length;
    },
    rgb: function(css) {
      var parts = css.match(/\d+/g) || [0, 0, 0];
      return (+parts[0]) + ((+parts[1]) << 8) + ((+parts[2]) << 16);
    },
    cursors: ['', 'default', 'text', 'wait', 'crosshair', 'n-resize', 'nwse-resize',
              'nesw-resize', 'ew-resize', 'ns-resize', 'move', 'not-allowed', 'pointer',
              'progress', 'help']
  },

  vandro_wait_user_click__deps: ['$VandroUser'],
  vandro_wait_user_click: function(handle, button, clicks) {
    return Asyncify.handleSleep(function(wakeUp) {
      VandroUser.click(VandroDom.get(handle), button, clicks, wakeUp);
    });
  },

  vandro_wait_user_click_part__deps: ['$VandroUser'],
  vandro_wait_user_click_part: function(handle, part) {
    return Asyncify.handleSleep(function(wakeUp) {
      var frame = VandroDom.get(handle);
      VandroUser.click(frame && frame.querySelector('.vandro-close'), 0, 1, wakeUp);
    });
  },

  vandro_wait_user_key__deps: ['$VandroUser'],
  vandro_wait_user_key: function(key, modifiers) {
    return Asyncify.handleSleep(function(wakeUp) {
      VandroUser.act({kind: 'key', key: key, modifiers: modifiers}, wakeUp);
    });
  },

  vandro_wait_user_frames: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      requestAnimationFrame(function() {
        requestAnimationFrame(function() { setTimeout(wakeUp, 0); });
      });
    });
  },

  // Watches for the pop-up menu, which the program opens and then waits in, and clicks its item
  // at that place once it shows: the item has no element before the menu opens.
  vandro_user_pick_from_next_popup__deps: ['$VandroUser'],
  vandro_user_pick_from_next_popup: function(place) {
    var watcher = new MutationObserver(function() {
      var menu = document.querySelector('.vandro-popup:not([hidden])');
      var element = menu && menu.children[place];
      if (!element)
        return;
      watcher.disconnect();
      var at = VandroUser.centre(element);
      window.vandroUserInput({kind: 'click', x: at[0], y: at[1], button: 0, clicks: 1});
    });
    watcher.observe(VandroDom.desktop(), {subtree: true, attributes: true, childList: true});
  },

  vandro_user_element_count: function() {
    return document.getElementsByTagName('*').length;
  },

  vandro_user_style_rules: function() {
    return Array.from(document.styleSheets).reduce(function(count, sheet) {
      return count + sheet.cssRules.length;
    }, 0);
  },

  vandro_user_exists__deps: ['$VandroUser'],
  vandro_user_exists: function(handle) {
    var element = VandroDom.get(handle);
    return element && element.isConnected ? 1 : 0;
  },

  vandro_user_text__deps: ['$VandroUser'],
  vandro_user_text: function(handle, part, buffer, capacity) {
    var element = VandroDom.get(handle);
    if (!element)
      return 0;
    var text = '';
    if (part === 0) {
      if (element.classList.contains('vandro-window'))
        text = element.getAttribute('aria-label') || '';
      else if (element.classList.contains('vandro-label'))
        text = element.textContent;
      else
        text = VandroUser.marked(element.vandroBox ? element.lastChild : element);
    } else if (part === 1) {
      text = element.title || '';
    } else if (part >= 2 && part <= 4) {
      var status = element.querySelector('.vandro-status');
      text = status ? status.children[part - 2].textContent : '';
    } else if (part === 5) {
      var shortcut = element.querySelector('.vandro-shortcut');
      text = shortcut ? '\t' + shortcut.textContent : '';
    }
    return VandroUser.write(text, buffer, capacity);
  },

  vandro_user_color__deps: ['$VandroUser'],
  vandro_user_color: function(handle, which) {
    var element = VandroDom.get(handle);
    if (!element)
      return -1;
    var target = element.vandroClient || element;
    var look = target.vandroLook;
    if (!look || (which ? look.background : look.foreground) < 0)
      return -1;
    var computed = getComputedStyle(target);
    return VandroUser.rgb(which ? computed.backgroundColor : computed.color);
  },

  vandro_user_state__deps: ['$VandroUser'],
  vandro_user_state: function(handle) {
    var element = VandroDom.get(handle);
    if (!element)
      return 0;
    var control = element.vandroBox || element;
    var state = 0;
    if (VandroUser.greyed(element))
      state |= 4;
    // A menu item is out of sight while its menu is closed, which hides nothing of its own.
    if (!VandroUser.shown(element) && !element.closest('.vandro-menu, .vandro-bar'))
      state |= 8;
    var pressed = element.getAttribute('aria-pressed');
    if (control.checked || pressed === 'true' || element.getAttribute('aria-checked') === 'true')
      state |= 0x10;
    if (control.indeterminate || pressed === 'mixed')
      state |= 0x10 | 0x40;
    return state;
  },

  vandro_user_label_style__deps: ['$VandroUser'],
  vandro_user_label_style: function(handle) {
    var element = VandroDom.get(handle);
    if (!element)
      return 0;
    var classes = element.classList;
    return (classes.contains('vandro-plain') ? 1 : classes.contains('vandro-sunken') ? 2 :
            classes.contains('vandro-separator') ? 3 : 0) |
           (classes.contains('vandro-right') ? 8 : classes.contains('vandro-centred') ? 16 : 0);
  },

  vandro_user_rect__deps: ['$VandroUser'],
  vandro_user_rect: function(handle, part, box) {
    var element = VandroDom.get(handle);
    if (element && part === 1)
      element = element.vandroClient;
    if (!element || !element.isConnected)
      return 0;
    var rect = element.getBoundingClientRect();
    [rect.left, rect.top, rect.width, rect.height].forEach(function(value, at) {
      HEAP32[(box >> 2) + at] = Math.round(value);
    });
    return 1;
  },

  vandro_user_opacity__deps: ['$VandroUser'],
  vandro_user_opacity: function(handle) {
    var element = VandroDom.get(handle);
    return element ? Math.round(parseFloat(getComputedStyle(element).opacity) * 255) : 0;
  },

  vandro_user_menu_items__deps: ['$VandroUser'],
  vandro_user_menu_items: function(handle, items, capacity) {
    var menu = VandroDom.get(handle);
    if (!menu)
      return 0;
    var handles = [];
    VandroDom.elements.forEach(function(element, known) {
      if (element.parentElement === menu && element.getAttribute('role') !== 'menu')
        handles.push([Array.prototype.indexOf.call(menu.children, element), known]);
    });
    handles.sort(function(a, b) { return a[0] - b[0]; });
    handles.slice(0, capacity).forEach(function(entry, at) { HEAP32[(items >> 2) + at] = entry[1]; });
    return handles.length;
  },

  vandro_user_active_window__deps: ['$VandroUser'],
  vandro_user_active_window: function() {
    var found = 0;
    VandroDom.elements.forEach(function(element, handle) {
      if (element.classList.contains('vandro-window') && element.classList.contains('vandro-active'))
        found = handle;
    });
    return found;
  },

  vandro_user_pointer__deps: ['$VandroUser'],
  vandro_user_pointer: function(handle) {
    var element = VandroDom.get(handle);
    var client = element && (element.vandroClient || element);
    if (!client)
      return 1;
    var shape = VandroUser.cursors.indexOf(getComputedStyle(client).cursor);
    return shape > 1 ? shape : 1;
  },

  vandro_user_font__deps: ['$VandroUser'],
  vandro_user_font: function(handle, hundredthsPx, style, face, capacity) {
    var element = VandroDom.get(handle);
    var target = element && (element.vandroClient || element);
    if (!target || !target.vandroLook || !target.vandroLook.font)
      return 0;
    var computed = getComputedStyle(target);
    HEAP32[hundredthsPx >> 2] = Math.round(parseFloat(computed.fontSize) * 100);
    HEAP32[style >> 2] = (parseInt(computed.fontWeight, 10) >= 600 ? 1 : 0) |
                         (computed.fontStyle === 'italic' ? 2 : 0);
    var family = computed.fontFamily.split(',')[0].trim().replace(/^"|"$/g, '');
    VandroUser.write(family, face, capacity);
    return Math.min(family.length, capacity);
  }
};

mergeInto(LibraryManager.library, LibraryVandroUser);
