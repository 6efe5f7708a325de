// The page's half of a list box: a listbox of options. A click chooses its option, with Ctrl
// flips it and with Shift takes the options from the last click's to it (in a list of several);
// a click below the options lets them all go. The arrows move the choice. The program hears
// of each change once the page has made it.
var LibraryVandroListBox = {
  vandro_list_make__deps: ['$VandroItems'],
  vandro_list_make: function(handle, group, multiple) {
    VandroItems.addStyle('list', [
      '.vandro-list{overflow:auto;background:#fff;border:1px solid #a0a0a0;outline:none;}',
      '.vandro-list > .vandro-item{padding:1px 4px;min-height:18px;}',
      '.vandro-list > [aria-selected=true]{background:#cce4f7;}',
      '.vandro-list:focus-visible > [aria-selected=true], .vandro-list:focus > [aria-selected=true]{background:#99c9ef;}',
      '.vandro-list > .vandro-cursor{outline:1px dotted #1c1c1c;outline-offset:-1px;}',
      '.vandro-list[aria-disabled=true]{color:#8d8d8d;background:#f4f4f4;}'
    ].join('\n'));
    var list = document.createElement('div');
    list.className = 'vandro-control vandro-list';
    list.setAttribute('role', 'listbox');
    list.tabIndex = 0;
    if (multiple)
      list.setAttribute('aria-multiselectable', 'true');
    list.vandroItemRole = 'option';
    var anchor = -1;
    var cursor = -1;
    var usable = function() { return list.getAttribute('aria-disabled') !== 'true'; };
    var changed = function() {
      VandroDom.deliver(function() { return _vandro_web_list_changed(handle); });
    };
    var rowOf = function(event) {
      return VandroItems.indexOf(list, event.target.closest('.vandro-item'));
    };
    var showCursor = function(index) {
      var rows = VandroItems.rows(list);
      rows.forEach(function(row, at) { row.classList.toggle('vandro-cursor', at === index); });
      cursor = index;
      if (rows[index]) {
        list.setAttribute('aria-activedescendant', rows[index].id);
        VandroItems.reveal(rows[index]);
      } else {
        list.removeAttribute('aria-activedescendant');
      }
    };
    // Chooses the option at the index as a click does with the modifiers.
    var choose = function(index, flip, range) {
      var rows = VandroItems.rows(list);
      if (multiple && range && rows[anchor]) {
        rows.forEach(function(row, at) {
          var inside = at >= Math.min(anchor, index) && at <= Math.max(anchor, index);
          row.setAttribute('aria-selected', inside ? 'true' : 'false');
        });
      } else if (multiple && flip) {
        var selected = rows[index].getAttribute('aria-selected') === 'true';
        rows[index].setAttribute('aria-selected', selected ? 'false' : 'true');
        anchor = index;
      } else {
        rows.forEach(function(row, at) {
          row.setAttribute('aria-selected', at === index ? 'true' : 'false');
        });
        anchor = index;
      }
      showCursor(index);
      changed();
    };
    list.addEventListener('mousedown', function(event) {
      // A press on the scroll bar only scrolls.
      var onBar = event.target === list &&
                  (event.offsetX >= list.clientWidth || event.offsetY >= list.clientHeight);
      if (!usable() || onBar)
        return;
      var index = rowOf(event);
      if (event.button === 2) {
        var box = list.getBoundingClientRect();
        var x = Math.round(event.clientX - box.left), y = Math.round(event.clientY - box.top);
        VandroDom.deliver(function() { return _vandro_web_list_menu(handle, index, x, y); });
      } else if (event.button === 0 && index >= 0) {
        choose(index, event.ctrlKey || event.metaKey, event.shiftKey);
      } else if (event.button === 0) {
        VandroItems.rows(list).forEach(function(row) { row.setAttribute('aria-selected', 'false'); });
        changed();
      }
    });
    list.addEventListener('dblclick', function(event) {
      if (!usable() || event.button !== 0)
        return;
      var index = rowOf(event);
      VandroDom.deliver(function() { return _vandro_web_list_action(handle, index); });
    });
    list.addEventListener('contextmenu', function(event) { event.preventDefault(); });
    list.addEventListener('keydown', function(event) {
      var rows = VandroItems.rows(list);
      if (!usable() || !rows.length)
        return;
      var at = cursor >= 0 && cursor < rows.length ? cursor : -1;
      var next = {ArrowDown: Math.min(at + 1, rows.length - 1), ArrowUp: Math.max(at - 1, 0),
                  Home: 0, End: rows.length - 1}[event.key];
      if (next !== undefined)
        choose(next, false, event.shiftKey);
      else if (event.key === ' ' && event.ctrlKey && multiple && at >= 0)
        choose(at, true, false);
      else if (event.key !== ' ')
        return;
      event.preventDefault();
      event.stopPropagation();
    });
    VandroDom.elements.set(handle, list);
    (VandroDom.get(group) || VandroDom.desktop()).appendChild(list);
  }
};

mergeInto(LibraryManager.library, LibraryVandroListBox);
