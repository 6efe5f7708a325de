// The page's half of the gadgets with items (list boxes, combo boxes, tabbers): each item is an
// element of its gadget's row holder, with the icon the program cut from its strip and its
// text; the item selected (or the current tab) carries aria-selected. A gadget whose look
// follows its items (a combo box's field) is told of each change.
var LibraryVandroItems = {
  $VandroItems__deps: ['$VandroDom'],
  $VandroItems: {
    // The element that holds the item elements of a gadget's element.
    holder: function(element) { return element && (element.vandroRows || element); },
    rows: function(element) {
      var holder = VandroItems.holder(element);
      return holder ? Array.from(holder.querySelectorAll(':scope > .vandro-item')) : [];
    },
    indexOf: function(element, row) { return VandroItems.rows(element).indexOf(row); },
    // Scrolls the holder, and nothing around it, to show the row whole.
    reveal: function(row) {
      var holder = row.parentElement;
      if (row.offsetTop < holder.scrollTop)
        holder.scrollTop = row.offsetTop;
      else if (row.offsetTop + row.offsetHeight > holder.scrollTop + holder.clientHeight)
        holder.scrollTop = row.offsetTop + row.offsetHeight - holder.clientHeight;
    },
    changed: function(element) {
      if (element.vandroItemsChanged)
        element.vandroItemsChanged();
    },
    // The icon's pixels are 0xAARRGGBB words, size x size of them.
    icon: function(pixels, size) {
      var canvas = document.createElement('canvas');
      canvas.className = 'vandro-icon';
      canvas.width = canvas.height = size;
      canvas.setAttribute('aria-hidden', 'true');
      var image = canvas.getContext('2d').createImageData(size, size);
      for (var at = 0; at < size * size; ++at) {
        var argb = HEAP32[(pixels >> 2) + at];
        image.data[4 * at] = (argb >> 16) & 0xff;
        image.data[4 * at + 1] = (argb >> 8) & 0xff;
        image.data[4 * at + 2] = argb & 0xff;
        image.data[4 * at + 3] = (argb >>> 24) & 0xff;
      }
      canvas.getContext('2d').putImageData(image, 0, 0);
      return canvas;
    },
    style: [
      // A kind's own display rule would otherwise show it while the program hides it.
      '.vandro-list[hidden], .vandro-combo[hidden], .vandro-tabber[hidden]{display:none;}',
      '.vandro-item{display:flex;align-items:center;gap:4px;white-space:pre;overflow:hidden;user-select:none;}',
      '.vandro-item > .vandro-icon{flex:none;width:16px;height:16px;}',
      '.vandro-item > span{overflow:hidden;text-overflow:ellipsis;}'
    ].join('\n'),
    // Adds a kind's rules to the page once.
    addStyle: function(name, rules) {
      VandroDom.addStyle('items', VandroItems.style);
      VandroDom.addStyle(name, rules);
    }
  },

  // Adds the item at the index (added) or changes the one there; pixels 0 for no icon.
  vandro_items_show__deps: ['$VandroItems'],
  vandro_items_show: function(handle, index, added, text, textLength, tip, tipLength, pixels,
                              size) {
    var element = VandroDom.get(handle);
    if (!element)
      return;
    var rows = VandroItems.rows(element);
    var row = rows[index];
    if (added) {
      row = document.createElement('div');
      row.className = 'vandro-item';
      row.setAttribute('role', element.vandroItemRole);
      row.setAttribute('aria-selected', 'false');
      row.id = 'vandro-item-' + (VandroItems.made = (VandroItems.made || 0) + 1);
      VandroItems.holder(element).insertBefore(row, rows[index] || null);
    }
    if (!row)
      return;
    row.replaceChildren();
    if (pixels)
      row.appendChild(VandroItems.icon(pixels, size));
    var label = document.createElement('span');
    label.textContent = VandroDom.text(text, textLength);
    row.appendChild(label);
    if (tipLength)
      row.title = VandroDom.text(tip, tipLength);
    else
      row.removeAttribute('title');
    VandroItems.changed(element);
  },

  vandro_items_remove__deps: ['$VandroItems'],
  vandro_items_remove: function(handle, index) {
    var element = VandroDom.get(handle);
    var row = VandroItems.rows(element)[index];
    if (row) {
      row.remove();
      VandroItems.changed(element);
    }
  },

  vandro_items_clear__deps: ['$VandroItems'],
  vandro_items_clear: function(handle) {
    var element = VandroDom.get(handle);
    VandroItems.rows(element).forEach(function(row) { row.remove(); });
    if (element)
      VandroItems.changed(element);
  },

  // Marks the item selected or not; with only set, every other item is let go (index -1: all).
  vandro_items_select__deps: ['$VandroItems'],
  vandro_items_select: function(handle, index, selected, only) {
    var element = VandroDom.get(handle);
    var rows = VandroItems.rows(element);
    rows.forEach(function(row, at) {
      if (at === index)
        row.setAttribute('aria-selected', selected ? 'true' : 'false');
      else if (only)
        row.setAttribute('aria-selected', 'false');
    });
    if (selected && rows[index])
      VandroItems.reveal(rows[index]);
    if (element)
      VandroItems.changed(element);
  },

  vandro_items_selected__deps: ['$VandroItems'],
  vandro_items_selected: function(handle, index) {
    var row = VandroItems.rows(VandroDom.get(handle))[index];
    return row && row.getAttribute('aria-selected') === 'true' ? 1 : 0;
  },

  // The first item selected, -1 for none.
  vandro_items_first_selected__deps: ['$VandroItems'],
  vandro_items_first_selected: function(handle) {
    return VandroItems.rows(VandroDom.get(handle)).findIndex(function(row) {
      return row.getAttribute('aria-selected') === 'true';
    });
  }
};

mergeInto(LibraryManager.library, LibraryVandroItems);
