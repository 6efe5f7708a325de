// The page's half of the toolbar: a toolbar element of icon buttons (aria-pressed on a toggle
// button and on any button shown held in) and separators. A click on a button goes to
// vandro_web_toolbar_pressed of WebToolbar.cpp with its index.
var LibraryVandroToolbar = {
  $VandroToolbar__deps: ['$VandroDom', '$VandroIcons'],
  $VandroToolbar: {
    style: [
      '.vandro-toolbar{flex:none;box-sizing:border-box;display:flex;align-items:center;gap:1px;padding:0 3px;overflow:hidden;background:#f5f5f5;border-bottom:1px solid #dadada;user-select:none;}',
      '.vandro-toolbar[hidden]{display:none;}',
      '.vandro-toolbar.vandro-control{position:absolute;}',
      '.vandro-tool{flex:none;box-sizing:border-box;display:flex;align-items:center;justify-content:center;min-width:24px;height:calc(100% - 3px);padding:3px;margin:0;border:1px solid transparent;border-radius:3px;background:none;font:inherit;}',
      '.vandro-tool:hover:enabled{background:#e5f1fb;border-color:#a9d1f0;}',
      '.vandro-tool:focus-visible{outline:1px dotted #1c1c1c;}',
      '.vandro-tool[aria-pressed=true]{background:#cce4f7;border-color:#7fb4e0;}',
      '.vandro-tool:disabled .vandro-icon, .vandro-toolbar[aria-disabled=true] .vandro-icon{filter:grayscale(1);opacity:.4;}',
      '.vandro-tool .vandro-icon{display:block;background-repeat:no-repeat;}',
      '.vandro-toolbar > [role=separator]{flex:none;align-self:stretch;width:1px;margin:4px 3px;background:#c8c8c8;}'
    ].join('\n'),
    kinds: ['button', 'toggle', 'separator'],
    // An item's state as WebToolbarDom.h numbers it: a button's from what it shows, a
    // separator's as it was kept for when it is a button again.
    stateOf: function(item) {
      if (item.vandroKind === 'separator')
        return item.vandroState || 0;
      return (item.disabled ? 4 : 0) | (item.getAttribute('aria-pressed') === 'true' ? 16 : 0);
    },
    showState: function(item, state) {
      item.vandroState = state;
      if (item.vandroKind === 'separator')
        return;
      item.disabled = (state & 4) !== 0;
      if (state & 16)
        item.setAttribute('aria-pressed', 'true');
      else if (item.vandroKind === 'toggle')
        item.setAttribute('aria-pressed', 'false');
      else
        item.removeAttribute('aria-pressed');
    },
    make: function(bar, kind) {
      var item;
      if (kind === 'separator') {
        item = document.createElement('div');
        item.setAttribute('role', 'separator');
        item.setAttribute('aria-orientation', 'vertical');
      } else {
        item = document.createElement('button');
        item.type = 'button';
        item.className = 'vandro-tool';
        item.tabIndex = -1;
        var icon = document.createElement('span');
        icon.className = 'vandro-icon';
        item.appendChild(icon);
        item.addEventListener('click', function() {
          if (bar.getAttribute('aria-disabled') === 'true')
            return;
          var index = Array.prototype.indexOf.call(bar.children, item);
          VandroDom.deliver(function() { return _vandro_web_toolbar_pressed(bar.vandroHandle, index); });
        });
      }
      item.vandroKind = kind;
      return item;
    }
  },

  vandro_dom_toolbar_make__deps: ['$VandroToolbar'],
  vandro_dom_toolbar_make: function(handle, window, group) {
    VandroDom.addStyle('toolbar', VandroToolbar.style);
    var bar = document.createElement('div');
    bar.className = 'vandro-toolbar';
    bar.setAttribute('role', 'toolbar');
    bar.vandroHandle = handle;
    var frame = VandroDom.get(window);
    if (frame && frame.vandroClient) {
      bar.setAttribute('aria-label', frame.getAttribute('aria-label') || '');
      frame.insertBefore(bar, frame.vandroClient);
    } else {
      bar.classList.add('vandro-control');
      (VandroDom.get(group) || VandroDom.desktop()).appendChild(bar);
    }
    VandroDom.elements.set(handle, bar);
  },

  vandro_dom_toolbar_item__deps: ['$VandroToolbar'],
  vandro_dom_toolbar_item: function(handle, index, added, kind, text, textLength, tip, tipLength,
                                    icon) {
    var bar = VandroDom.get(handle);
    if (!bar)
      return;
    kind = VandroToolbar.kinds[kind];
    var item = added ? null : bar.children[index];
    if (!item || item.vandroKind !== kind) {
      var made = VandroToolbar.make(bar, kind);
      if (item) {
        VandroToolbar.showState(made, VandroToolbar.stateOf(item));
        item.replaceWith(made);
      } else {
        VandroToolbar.showState(made, 0);
        bar.insertBefore(made, bar.children[index] || null);
      }
      item = made;
    }
    var tipText = VandroDom.text(tip, tipLength);
    if (tipText)
      item.title = tipText;
    else
      item.removeAttribute('title');
    if (kind === 'separator')
      return;
    // The bar shows icons only: a screen reader names a button by its tip, or else its text.
    var name = tipText || VandroDom.text(text, textLength);
    if (name)
      item.setAttribute('aria-label', name);
    else
      item.removeAttribute('aria-label');
    VandroIcons.show(item.firstChild, bar, icon);
  },

  vandro_dom_toolbar_remove__deps: ['$VandroDom'],
  vandro_dom_toolbar_remove: function(handle, index) {
    var bar = VandroDom.get(handle);
    if (bar && bar.children[index])
      bar.children[index].remove();
  },

  vandro_dom_toolbar_state__deps: ['$VandroToolbar'],
  vandro_dom_toolbar_state: function(handle, index, state) {
    var bar = VandroDom.get(handle);
    if (bar && bar.children[index])
      VandroToolbar.showState(bar.children[index], state);
  },

  vandro_dom_toolbar_read_state__deps: ['$VandroToolbar'],
  vandro_dom_toolbar_read_state: function(handle, index) {
    var bar = VandroDom.get(handle);
    return bar && bar.children[index] ? VandroToolbar.stateOf(bar.children[index]) : 0;
  }
};

mergeInto(LibraryManager.library, LibraryVandroToolbar);
