// The page's half of the tree view: a tree element whose tree items each hold a row (the
// open-close button, the icon, the text) and a group of the items under them. The user's
// doings go to the vandro_web_tree_* functions of WebTreeView.cpp, which change the tree.
var LibraryVandroTree = {
  $VandroTree__deps: ['$VandroDom', '$VandroIcons'],
  $VandroTree: {
    style: [
      '.vandro-tree{overflow:auto;padding:2px 0;background:#fff;border:1px solid;border-color:#a0a0a0 #fff #fff #a0a0a0;user-select:none;outline:none;}',
      '.vandro-tree:focus-visible{outline:1px dotted #1c1c1c;outline-offset:-2px;}',
      '.vandro-tree[aria-disabled=true]{color:#8d8d8d;background:#f4f4f4;}',
      '.vandro-tree [role=group]{padding-left:16px;}',
      '.vandro-tree [role=group][hidden]{display:none;}',
      '.vandro-tree .vandro-row{display:flex;align-items:center;gap:3px;height:20px;padding-right:4px;white-space:pre;}',
      '.vandro-tree .vandro-twisty{flex:none;width:16px;text-align:center;font-size:12px;color:#5a5a5a;}',
      // Drawn only: a screen reader reads the state from aria-expanded.
      '.vandro-tree [aria-expanded=false] > .vandro-row > .vandro-twisty::before{content:"\\25B8"/"";}',
      '.vandro-tree [aria-expanded=true] > .vandro-row > .vandro-twisty::before{content:"\\25BE"/"";}',
      '.vandro-tree .vandro-icon{flex:none;background-repeat:no-repeat;}',
      '.vandro-tree .vandro-text{padding:1px 3px;}',
      '.vandro-tree [aria-selected=true] > .vandro-row > .vandro-text{background:#d9d9d9;}',
      '.vandro-tree:focus [aria-selected=true] > .vandro-row > .vandro-text{background:#0078d7;color:#fff;}'
    ].join('\n'),
    // The group an item's items go into: the tree itself for the top ones.
    groupOf: function(element) {
      return element.getAttribute('role') === 'tree' ? element : element.vandroGroup;
    },
    // An item with items under it can open; one without shows no button.
    showOpenable: function(item) {
      if (!item || item.getAttribute('role') !== 'treeitem')
        return;
      if (!item.vandroGroup.children.length) {
        item.removeAttribute('aria-expanded');
        item.vandroGroup.hidden = true;
      } else if (!item.hasAttribute('aria-expanded')) {
        item.setAttribute('aria-expanded', 'false');
      }
    },
    // The items the user sees, top to bottom.
    shownItems: function(tree) {
      return Array.from(tree.querySelectorAll('[role=treeitem]')).filter(function(item) {
        return !item.parentElement.closest('[role=group][hidden]');
      });
    },
    // Where a pointer event is in the element, in the program's units however the window is
    // scaled.
    placeIn: function(element, event) {
      var box = element.getBoundingClientRect();
      var scale = box.width / Math.max(element.offsetWidth, 1) || 1;
      return [Math.floor((event.clientX - box.left) / scale),
              Math.floor((event.clientY - box.top) / scale)];
    },
    usable: function(tree) { return tree.getAttribute('aria-disabled') !== 'true'; },
    // The keys of a tree: the arrows move the choice and open and close, Enter acts on the
    // choice; Space does nothing.
    key: function(tree, handle, event) {
      if (!VandroTree.usable(tree))
        return;
      var chosen = tree.querySelector('[aria-selected=true]');
      var items = VandroTree.shownItems(tree);
      var at = items.indexOf(chosen);
      var key = event.key;
      var choose = function(item) {
        if (item)
          VandroDom.deliver(function() { return _vandro_web_tree_chosen(handle, item.vandroHandle); });
      };
      var toggle = function(item, open) {
        VandroDom.deliver(function() {
          return _vandro_web_tree_toggled(handle, item.vandroHandle, open);
        });
      };
      if (key === 'Enter')
        VandroDom.deliver(function() { return _vandro_web_tree_acted(handle); });
      else if (key === 'ArrowDown' || key === 'ArrowUp')
        choose(items[at < 0 ? 0 : at + (key === 'ArrowDown' ? 1 : -1)]);
      else if (key === 'Home' || key === 'End')
        choose(items[key === 'Home' ? 0 : items.length - 1]);
      else if (key === 'ArrowRight' && chosen && chosen.getAttribute('aria-expanded') === 'false')
        toggle(chosen, 1);
      else if (key === 'ArrowRight' && chosen && chosen.getAttribute('aria-expanded') === 'true')
        choose(chosen.vandroGroup.firstElementChild);
      else if (key === 'ArrowLeft' && chosen && chosen.getAttribute('aria-expanded') === 'true')
        toggle(chosen, 0);
      else if (key === 'ArrowLeft' && chosen)
        choose(chosen.parentElement.closest('[role=treeitem]'));
      else if (key !== ' ')
        return;
      event.preventDefault();
    },
    // A press with style bit 1 may begin a drag: once the pointer moves a few pixels with the
    // button held, the node is dragged, and letting go drops it on the gadget under the
    // pointer. A right press that does not drag opens the menu as it is let go.
    press: function(tree, handle, event) {
      var row = event.target.closest('.vandro-row');
      if ((event.button !== 0 && event.button !== 2) || !VandroTree.usable(tree))
        return;
      var item = row && row.parentElement;
      var button = event.button === 0 ? 1 : 2;
      var start = VandroTree.placeIn(tree, event);
      var dragging = false;
      var move = function(moved) {
        if (dragging || !item ||
            Math.abs(moved.clientX - event.clientX) + Math.abs(moved.clientY - event.clientY) < 5)
          return;
        dragging = true;
        VandroDom.deliver(function() {
          return _vandro_web_tree_drag(handle, item.vandroHandle, button,
                                       VandroDom.modifiers(moved), start[0], start[1]);
        });
      };
      var release = function(up) {
        if (up.button !== event.button)
          return;
        document.removeEventListener('pointermove', move, true);
        document.removeEventListener('pointerup', release, true);
        if (dragging) {
          tree.vandroDragged = true;
          VandroTree.drop(handle, button, up);
        } else if (button === 2) {
          VandroDom.deliver(function() {
            return _vandro_web_tree_menu(handle, item ? item.vandroHandle : 0, start[0], start[1]);
          });
        }
      };
      document.addEventListener('pointermove', move, true);
      document.addEventListener('pointerup', release, true);
    },
    // The gadget under the pointer is the nearest element around it with a handle (a window's,
    // for its client area).
    drop: function(handle, button, event) {
      var handles = new Map();
      VandroDom.elements.forEach(function(element, known) {
        if (!element.classList.contains('vandro-client') &&
            element.getAttribute('role') !== 'treeitem')
          handles.set(element, known);
      });
      var under = document.elementFromPoint(event.clientX, event.clientY);
      while (under && !handles.has(under))
        under = under.parentElement;
      if (!under)
        return;
      var at = VandroTree.placeIn(under.vandroClient || under, event);
      VandroDom.deliver(function() {
        return _vandro_web_tree_drop(handle, handles.get(under), button,
                                     VandroDom.modifiers(event), at[0], at[1]);
      });
    }
  },

  vandro_dom_tree_make__deps: ['$VandroTree'],
  vandro_dom_tree_make: function(handle, group, style) {
    VandroDom.addStyle('tree', VandroTree.style);
    var tree = document.createElement('div');
    tree.className = 'vandro-control vandro-tree';
    tree.setAttribute('role', 'tree');
    tree.tabIndex = 0;
    tree.addEventListener('click', function(event) {
      var row = event.target.closest('.vandro-row');
      var dragged = tree.vandroDragged;
      tree.vandroDragged = false;
      if (!row || dragged || !VandroTree.usable(tree))
        return;
      var item = row.parentElement;
      if (event.target.classList.contains('vandro-twisty')) {
        if (item.hasAttribute('aria-expanded'))
          VandroDom.deliver(function() {
            return _vandro_web_tree_toggled(handle, item.vandroHandle,
                                            item.getAttribute('aria-expanded') === 'true' ? 0 : 1);
          });
        return;
      }
      VandroDom.deliver(function() { return _vandro_web_tree_chosen(handle, item.vandroHandle); });
    });
    tree.addEventListener('dblclick', function(event) {
      var row = event.target.closest('.vandro-row');
      if (row && !event.target.classList.contains('vandro-twisty') && VandroTree.usable(tree))
        VandroDom.deliver(function() { return _vandro_web_tree_acted(handle); });
    });
    tree.addEventListener('contextmenu', function(event) {
      event.preventDefault();
      if ((style & 1) || !VandroTree.usable(tree))
        return;
      var row = event.target.closest('.vandro-row');
      var at = VandroTree.placeIn(tree, event);
      VandroDom.deliver(function() {
        return _vandro_web_tree_menu(handle, row ? row.parentElement.vandroHandle : 0, at[0], at[1]);
      });
    });
    // A press takes the focus as a desktop's tree does, even where the page would not give it.
    tree.addEventListener('pointerdown', function() {
      if (VandroTree.usable(tree))
        tree.focus({preventScroll: true});
    });
    tree.addEventListener('keydown', function(event) { VandroTree.key(tree, handle, event); });
    if (style & 1)
      tree.addEventListener('pointerdown', function(event) { VandroTree.press(tree, handle, event); });
    VandroDom.elements.set(handle, tree);
    (VandroDom.get(group) || VandroDom.desktop()).appendChild(tree);
  },

  vandro_dom_tree_insert__deps: ['$VandroTree', 'vandro_dom_tree_show'],
  vandro_dom_tree_insert: function(handle, above, position, text, length, icon) {
    var parent = VandroDom.get(above);
    if (!parent)
      return;
    var item = document.createElement('div');
    item.setAttribute('role', 'treeitem');
    item.setAttribute('aria-selected', 'false');
    item.id = 'vandro-node-' + handle;
    item.vandroHandle = handle;
    var row = document.createElement('div');
    row.className = 'vandro-row';
    ['vandro-twisty', 'vandro-icon', 'vandro-text'].forEach(function(name) {
      var part = document.createElement('span');
      part.className = name;
      row.appendChild(part);
    });
    var group = document.createElement('div');
    group.setAttribute('role', 'group');
    group.hidden = true;
    item.appendChild(row);
    item.appendChild(group);
    item.vandroGroup = group;
    var into = VandroTree.groupOf(parent);
    into.insertBefore(item, into.children[position] || null);
    VandroDom.elements.set(handle, item);
    _vandro_dom_tree_show(handle, text, length, icon);
    VandroTree.showOpenable(parent);
  },

  vandro_dom_tree_remove__deps: ['$VandroTree'],
  vandro_dom_tree_remove: function(handle) {
    var item = VandroDom.get(handle);
    if (!item)
      return;
    var tree = item.closest('[role=tree]');
    var above = item.parentElement.closest('[role=treeitem]');
    item.remove();
    VandroTree.showOpenable(above);
    if (tree && tree.hasAttribute('aria-activedescendant') &&
        !tree.querySelector('[aria-selected=true]'))
      tree.removeAttribute('aria-activedescendant');
  },

  vandro_dom_tree_forget__deps: ['$VandroDom'],
  vandro_dom_tree_forget: function(handle) { VandroDom.elements.delete(handle); },

  vandro_dom_tree_show__deps: ['$VandroTree'],
  vandro_dom_tree_show: function(handle, text, length, icon) {
    var item = VandroDom.get(handle);
    if (!item)
      return;
    var row = item.firstChild;
    row.lastChild.textContent = VandroDom.text(text, length);
    item.vandroIcon = icon;
    var tree = item.closest('[role=tree]');
    VandroIcons.show(row.children[1], tree || item, icon);
  },

  vandro_dom_tree_text__deps: ['$VandroDom'],
  vandro_dom_tree_text: function(handle, buffer, capacity) {
    var item = VandroDom.get(handle);
    var text = item ? item.firstChild.lastChild.textContent : '';
    for (var at = 0; at < Math.min(text.length, capacity); ++at)
      HEAPU16[(buffer >> 1) + at] = text.charCodeAt(at);
    return text.length;
  },

  vandro_dom_tree_open__deps: ['$VandroDom'],
  vandro_dom_tree_open: function(handle, open) {
    var item = VandroDom.get(handle);
    if (!item || !item.hasAttribute('aria-expanded'))
      return;
    item.setAttribute('aria-expanded', open ? 'true' : 'false');
    item.vandroGroup.hidden = !open;
  },

  vandro_dom_tree_choose__deps: ['$VandroDom'],
  vandro_dom_tree_choose: function(tree, handle) {
    var view = VandroDom.get(tree);
    var item = VandroDom.get(handle);
    if (!view || !item)
      return;
    view.querySelectorAll('[aria-selected=true]').forEach(function(other) {
      other.setAttribute('aria-selected', 'false');
    });
    item.setAttribute('aria-selected', 'true');
    view.setAttribute('aria-activedescendant', item.id);
    item.firstChild.scrollIntoView({block: 'nearest', inline: 'nearest'});
  },

  vandro_dom_tree_icons__deps: ['$VandroTree'],
  vandro_dom_tree_icons: function(tree) {
    var view = VandroDom.get(tree);
    if (!view)
      return;
    view.querySelectorAll('[role=treeitem]').forEach(function(item) {
      VandroIcons.show(item.firstChild.children[1], view, item.vandroIcon);
    });
  }
};

mergeInto(LibraryManager.library, LibraryVandroTree);
