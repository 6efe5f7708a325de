// The page's half of the user of the gadgets with items: clicks on a list's options (or below
// them), a tabber's tabs and a combo box's list, letters typed into a combo box's field, and the
// items' texts and tips read back.
var LibraryVandroUserLists = {
  $VandroUserLists__deps: ['$VandroUser', '$VandroItems'],
  $VandroUserLists: {
    // Shown and enabled: what a user can work.
    usable: function(element) {
      return VandroUser.shown(element) && element.getAttribute('aria-disabled') !== 'true' &&
             !(element.vandroBox && element.vandroBox.disabled);
    },
    clickAt: function(x, y, button, clicks, modifiers) {
      return window.vandroUserInput({kind: 'click', x: x, y: y, button: button, clicks: clicks,
                                     modifiers: modifiers});
    },
    // Answers 1 once the input is sent and the page has run what it set off.
    settled: function(promise, wakeUp) {
      promise.then(function() {
        setTimeout(function() { wakeUp(1); }, 0);
      }, function(error) {
        console.error('the browser refused the input: ' + error);
        wakeUp(0);
      });
    },
    // The texts the gadget shows as its items: a tabber's blank tab too.
    shown: function(element) {
      if (!element)
        return [];
      var holder = VandroItems.holder(element);
      return Array.from(holder.children).filter(function(row) {
        return row.getAttribute('role') === element.vandroItemRole;
      });
    }
  },

  // Clicks the item at the index (-1: the list below its items) with the button, the number of
  // times, the modifier keys held; 0 when the gadget cannot be used or has no such item.
  vandro_wait_user_click_item__deps: ['$VandroUserLists'],
  vandro_wait_user_click_item: function(handle, index, button, clicks, modifiers) {
    return Asyncify.handleSleep(function(wakeUp) {
      var element = VandroDom.get(handle);
      if (!VandroUserLists.usable(element))
        return wakeUp(0);
      var rows = VandroItems.rows(element);
      var box = element.getBoundingClientRect();
      var x, y;
      if (index >= 0) {
        if (!rows[index])
          return wakeUp(0);
        VandroItems.reveal(rows[index]);
        var row = rows[index].getBoundingClientRect();
        x = row.left + Math.min(8, row.width / 2);
        y = row.top + row.height / 2;
      } else {
        var last = rows.length ? rows[rows.length - 1].getBoundingClientRect().bottom : box.top;
        if (last >= box.bottom - 4)
          return wakeUp(0);
        x = box.left + 8;
        y = (last + box.bottom) / 2;
      }
      VandroUserLists.settled(VandroUserLists.clickAt(x, y, button, clicks, modifiers), wakeUp);
    });
  },

  // Opens a combo box's list with its button and clicks the item.
  vandro_wait_user_choose_combo__deps: ['$VandroUserLists'],
  vandro_wait_user_choose_combo: function(handle, index) {
    return Asyncify.handleSleep(function(wakeUp) {
      var combo = VandroDom.get(handle);
      if (!VandroUserLists.usable(combo) || !VandroItems.rows(combo)[index])
        return wakeUp(0);
      var opener = VandroUser.centre(combo.querySelector('button'));
      var opened = VandroUserLists.clickAt(opener[0], opener[1], 0, 1, 0).then(function() {
        var row = VandroItems.rows(combo)[index];
        if (!VandroUser.shown(row))
          throw new Error('the list did not open');
        var at = VandroUser.centre(row);
        return VandroUserLists.clickAt(at[0], at[1], 0, 1, 0);
      });
      VandroUserLists.settled(opened, wakeUp);
    });
  },

  // Clicks into a combo box's text field and types the letters (a to z) at its end.
  vandro_wait_user_type_combo__deps: ['$VandroUserLists'],
  vandro_wait_user_type_combo: function(handle, letters, length) {
    return Asyncify.handleSleep(function(wakeUp) {
      var combo = VandroDom.get(handle);
      var field = combo && combo.vandroBox;
      if (!VandroUserLists.usable(combo) || !field || field.tagName !== 'INPUT')
        return wakeUp(0);
      var text = VandroDom.text(letters, length).toUpperCase();
      var at = VandroUser.centre(field);
      var typed = VandroUserLists.clickAt(at[0], at[1], 0, 1, 0).then(function() {
        return window.vandroUserInput({kind: 'key', key: 0x23, modifiers: 0});
      });
      Array.from(text).forEach(function(letter) {
        typed = typed.then(function() {
          return window.vandroUserInput({kind: 'key', key: letter.charCodeAt(0), modifiers: 0});
        });
      });
      VandroUserLists.settled(typed, wakeUp);
    });
  },

  // Presses a key in the gadget, 0 while it does not have the keyboard focus.
  vandro_wait_user_key_in__deps: ['$VandroUserLists'],
  vandro_wait_user_key_in: function(handle, key) {
    return Asyncify.handleSleep(function(wakeUp) {
      var element = VandroDom.get(handle);
      if (!element || !element.contains(document.activeElement))
        return wakeUp(0);
      VandroUserLists.settled(window.vandroUserInput({kind: 'key', key: key, modifiers: 0}),
                              wakeUp);
    });
  },

  vandro_user_item_count__deps: ['$VandroUserLists'],
  vandro_user_item_count: function(handle) {
    return VandroUserLists.shown(VandroDom.get(handle)).length;
  },

  // The text (part 0) or tip (1) of the item the gadget shows at the index.
  vandro_user_item_text__deps: ['$VandroUserLists'],
  vandro_user_item_text: function(handle, index, part, buffer, capacity) {
    var row = VandroUserLists.shown(VandroDom.get(handle))[index];
    var text = !row ? '' : part ? row.title || '' : row.textContent;
    return VandroUser.write(text, buffer, capacity);
  },

  // The pixel (x, y) of the icon the item at the index shows, as 0xAARRGGBB; 0 for none.
  vandro_user_item_icon__deps: ['$VandroUserLists'],
  vandro_user_item_icon: function(handle, index, x, y) {
    var row = VandroUserLists.shown(VandroDom.get(handle))[index];
    var icon = row && row.querySelector('canvas');
    if (!icon)
      return 0;
    var rgba = icon.getContext('2d').getImageData(x, y, 1, 1).data;
    return ((rgba[3] << 24) | (rgba[0] << 16) | (rgba[1] << 8) | rgba[2]) | 0;
  },

  // The role the gadget's focusable element (index -1) or its item at the index has for a screen
  // reader, with " several" where it lets several options be chosen and " selected" for an item
  // that is.
  vandro_user_item_role__deps: ['$VandroUserLists'],
  vandro_user_item_role: function(handle, index, buffer, capacity) {
    var element = VandroDom.get(handle);
    var part = index < 0 ? element && (element.vandroBox || element) :
                           VandroUserLists.shown(element)[index];
    var role = part ? part.getAttribute('role') || '' : '';
    if (part && part.getAttribute('aria-multiselectable') === 'true')
      role += ' several';
    if (part && part.getAttribute('aria-selected') === 'true')
      role += ' selected';
    return VandroUser.write(role, buffer, capacity);
  }
};

mergeInto(LibraryManager.library, LibraryVandroUserLists);
