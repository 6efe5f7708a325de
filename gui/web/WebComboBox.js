// The page's half of a combo box: a combobox field (a text input when editable, else the chosen
// item's text) with a button that opens a listbox of the items below it. Clicking an option
// chooses it and closes the list; the arrows, Enter and Escape work the list from the field.
// Typing into an editable field lets go of the chosen item.
var LibraryVandroComboBox = {
  vandro_combo_make__deps: ['$VandroItems'],
  vandro_combo_make: function(handle, group, editable) {
    VandroItems.addStyle('combo', [
      '.vandro-combo{display:flex;background:#fff;border:1px solid #a0a0a0;border-radius:2px;}',
      '.vandro-combo:focus-within{border-color:#1a5fb4;}',
      '.vandro-combo > .vandro-field{flex:1;min-width:0;box-sizing:border-box;border:0;outline:none;margin:0;padding:0 4px;font:inherit;color:inherit;background:none;display:flex;align-items:center;white-space:pre;overflow:hidden;}',
      '.vandro-combo > button{flex:none;width:20px;border:0;border-left:1px solid #d0d0d0;background:#f4f4f4;font-size:10px;padding:0;}',
      '.vandro-combo[aria-disabled=true], .vandro-combo:has(:disabled){color:#8d8d8d;background:#f4f4f4;}',
      '.vandro-combo-list{position:fixed;z-index:100000;box-sizing:border-box;max-height:200px;overflow:auto;background:#fff;border:1px solid #7a7a7a;box-shadow:2px 3px 8px rgba(0,0,0,.3);}',
      '.vandro-combo-list[hidden]{display:none;}',
      '.vandro-combo-list > .vandro-item{padding:2px 4px;}',
      '.vandro-combo-list > .vandro-item:hover, .vandro-combo-list > .vandro-cursor{background:#cce4f7;}'
    ].join('\n'));
    var combo = document.createElement('div');
    combo.className = 'vandro-control vandro-combo';
    var field = document.createElement(editable ? 'input' : 'div');
    field.className = 'vandro-field';
    field.setAttribute('role', 'combobox');
    field.setAttribute('aria-expanded', 'false');
    field.tabIndex = 0;
    if (editable) {
      field.type = 'text';
      field.setAttribute('aria-autocomplete', 'none');
    }
    var opener = document.createElement('button');
    opener.type = 'button';
    opener.tabIndex = -1;
    opener.setAttribute('aria-hidden', 'true');
    opener.textContent = '\u25BC';
    var list = document.createElement('div');
    list.className = 'vandro-combo-list';
    list.setAttribute('role', 'listbox');
    list.id = 'vandro-combo-list-' + handle;
    list.hidden = true;
    field.setAttribute('aria-controls', list.id);
    combo.append(field, opener, list);
    combo.vandroBox = field;
    combo.vandroRows = list;
    combo.vandroItemRole = 'option';
    var usable = function() {
      return combo.getAttribute('aria-disabled') !== 'true' && !field.disabled;
    };
    var cursor = -1;
    var chosen = function() {
      return VandroItems.rows(combo).findIndex(function(row) {
        return row.getAttribute('aria-selected') === 'true';
      });
    };
    var showCursor = function(index) {
      var rows = VandroItems.rows(combo);
      rows.forEach(function(row, at) { row.classList.toggle('vandro-cursor', at === index); });
      cursor = index;
      if (rows[index]) {
        field.setAttribute('aria-activedescendant', rows[index].id);
        VandroItems.reveal(rows[index]);
      } else {
        field.removeAttribute('aria-activedescendant');
      }
    };
    var open = function(show) {
      if (show) {
        var box = combo.getBoundingClientRect();
        list.style.left = box.left + 'px';
        list.style.top = box.bottom + 'px';
        list.style.minWidth = box.width + 'px';
      }
      list.hidden = !show;
      field.setAttribute('aria-expanded', show ? 'true' : 'false');
      showCursor(show ? chosen() : -1);
    };
    var choose = function(index) {
      open(false);
      var row = VandroItems.rows(combo)[index];
      if (!row)
        return;
      VandroItems.rows(combo).forEach(function(other) {
        other.setAttribute('aria-selected', other === row ? 'true' : 'false');
      });
      if (editable)
        field.value = row.textContent;
      combo.vandroItemsChanged();
      VandroDom.deliver(function() { return _vandro_web_combo_chosen(handle, index); });
    };
    // A plain field shows the chosen item's text.
    combo.vandroItemsChanged = function() {
      if (editable)
        return;
      var row = VandroItems.rows(combo)[chosen()];
      field.textContent = row ? row.textContent : '';
    };
    opener.addEventListener('mousedown', function(event) { event.preventDefault(); });
    opener.addEventListener('click', function() {
      if (!usable())
        return;
      field.focus();
      open(list.hidden);
    });
    if (!editable)
      field.addEventListener('click', function() {
        if (usable())
          open(list.hidden);
      });
    list.addEventListener('mousedown', function(event) { event.preventDefault(); });
    list.addEventListener('click', function(event) {
      var index = VandroItems.indexOf(combo, event.target.closest('.vandro-item'));
      if (index >= 0)
        choose(index);
    });
    field.addEventListener('input', function() {
      VandroItems.rows(combo).forEach(function(row) { row.setAttribute('aria-selected', 'false'); });
      VandroDom.deliver(function() { return _vandro_web_combo_edited(handle); });
    });
    field.addEventListener('blur', function() { open(false); });
    field.addEventListener('keydown', function(event) {
      var rows = VandroItems.rows(combo);
      var key = event.key;
      if (!usable() || !rows.length)
        return;
      if (key === 'ArrowDown' || key === 'ArrowUp') {
        if (list.hidden && event.altKey)
          open(true);
        else
          (list.hidden ? choose : showCursor)(Math.max(0, Math.min(rows.length - 1,
              (list.hidden ? chosen() : cursor) + (key === 'ArrowDown' ? 1 : -1))));
      } else if (key === 'Enter' && !list.hidden && cursor >= 0) {
        choose(cursor);
      } else if (key === 'Escape' && !list.hidden) {
        open(false);
      } else {
        return;
      }
      event.preventDefault();
      event.stopPropagation();
    });
    VandroDom.elements.set(handle, combo);
    (VandroDom.get(group) || VandroDom.desktop()).appendChild(combo);
  },

  // The text of an editable field, up to capacity units; answers its length.
  vandro_combo_text__deps: ['$VandroItems'],
  vandro_combo_text: function(handle, buffer, capacity) {
    var combo = VandroDom.get(handle);
    var text = combo && combo.vandroBox.value || '';
    for (var at = 0; at < Math.min(text.length, capacity); ++at)
      HEAPU16[(buffer >> 1) + at] = text.charCodeAt(at);
    return text.length;
  },

  vandro_combo_set_text__deps: ['$VandroItems'],
  vandro_combo_set_text: function(handle, text, length) {
    var combo = VandroDom.get(handle);
    if (combo && combo.vandroBox.tagName === 'INPUT')
      combo.vandroBox.value = VandroDom.text(text, length);
  }
};

mergeInto(LibraryManager.library, LibraryVandroComboBox);
