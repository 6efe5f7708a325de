// The page's half of a tabber: a tablist above a tab panel, the page area that holds the
// gadgets of every page (the program shows the ones of the current tab). A click or the arrow
// keys make a tab the current one; a tabber without items shows one blank tab, so that the row
// keeps its height.
var LibraryVandroTabber = {
  vandro_tabber_make__deps: ['$VandroItems'],
  vandro_tabber_make: function(handle, clientHandle, group, rowHeight, frame) {
    VandroItems.addStyle('tabber', [
      '.vandro-tabber > [role=tablist]{position:absolute;left:0;right:0;top:0;height:var(--vandro-tab-row);display:flex;align-items:flex-end;gap:0;padding-left:2px;overflow:hidden;}',
      '.vandro-tabber [role=tab]{box-sizing:border-box;height:calc(var(--vandro-tab-row) - 2px);padding:0 10px;margin-right:-1px;border:1px solid #a0a0a0;border-bottom:0;background:#e8e8e8;outline:none;position:relative;}',
      '.vandro-tabber [role=tab][aria-selected=true]{height:var(--vandro-tab-row);background:#fff;z-index:1;margin-bottom:-1px;}',
      '.vandro-tabber [role=tab]:focus-visible > span{outline:1px dotted #1c1c1c;}',
      '.vandro-tabber [role=tab].vandro-blank{min-width:24px;}',
      '.vandro-tabber > .vandro-tabpage{position:absolute;left:0;right:0;bottom:0;top:var(--vandro-tab-row);box-sizing:border-box;border:var(--vandro-tab-frame) solid #a0a0a0;background:#fff;}',
      '.vandro-tabber[aria-disabled=true] [role=tab]{color:#8d8d8d;}'
    ].join('\n'));
    var tabber = document.createElement('div');
    tabber.className = 'vandro-control vandro-tabber';
    tabber.style.setProperty('--vandro-tab-row', rowHeight + 'px');
    tabber.style.setProperty('--vandro-tab-frame', frame + 'px');
    var row = document.createElement('div');
    row.setAttribute('role', 'tablist');
    var blank = document.createElement('div');
    blank.className = 'vandro-blank';
    blank.id = 'vandro-blank-tab-' + handle;
    blank.setAttribute('role', 'tab');
    blank.setAttribute('aria-selected', 'true');
    var page = document.createElement('div');
    page.className = 'vandro-client vandro-tabpage';
    page.setAttribute('role', 'tabpanel');
    page.id = 'vandro-tabpage-' + handle;
    tabber.append(row, page);
    tabber.vandroRows = row;
    // The program's focus goes to the current tab.
    row.tabIndex = -1;
    tabber.vandroBox = row;
    row.addEventListener('focus', function() {
      var current = row.querySelector('[aria-selected=true]');
      if (current)
        current.focus();
    });
    tabber.vandroClient = page;
    tabber.vandroItemRole = 'tab';
    var usable = function() { return tabber.getAttribute('aria-disabled') !== 'true'; };
    // The current tab is the one a Tab key reaches, and names the page.
    tabber.vandroItemsChanged = function() {
      var tabs = VandroItems.rows(tabber);
      if (!tabs.length)
        row.appendChild(blank);
      else
        blank.remove();
      Array.from(row.children).forEach(function(tab) {
        var current = tab.getAttribute('aria-selected') === 'true';
        tab.tabIndex = current ? 0 : -1;
        tab.setAttribute('aria-controls', page.id);
        if (current)
          page.setAttribute('aria-labelledby', tab.id);
      });
    };
    var choose = function(index) {
      var tabs = VandroItems.rows(tabber);
      tabs.forEach(function(tab, at) {
        tab.setAttribute('aria-selected', at === index ? 'true' : 'false');
      });
      tabber.vandroItemsChanged();
      tabs[index].focus();
      VandroDom.deliver(function() { return _vandro_web_tab_chosen(handle, index); });
    };
    row.addEventListener('mousedown', function(event) {
      var index = VandroItems.indexOf(tabber, event.target.closest('.vandro-item'));
      if (!usable() || index < 0)
        return;
      if (event.button === 0) {
        event.preventDefault();
        choose(index);
      } else if (event.button === 2) {
        var box = tabber.getBoundingClientRect();
        var x = Math.round(event.clientX - box.left), y = Math.round(event.clientY - box.top);
        VandroDom.deliver(function() { return _vandro_web_tab_menu(handle, index, x, y); });
      }
    });
    row.addEventListener('contextmenu', function(event) { event.preventDefault(); });
    row.addEventListener('keydown', function(event) {
      var tabs = VandroItems.rows(tabber);
      var at = tabs.indexOf(event.target);
      if (!usable() || at < 0)
        return;
      var next = {ArrowRight: (at + 1) % tabs.length, ArrowLeft: (at + tabs.length - 1) % tabs.length,
                  Home: 0, End: tabs.length - 1}[event.key];
      if (next === undefined)
        return;
      event.preventDefault();
      event.stopPropagation();
      choose(next);
    });
    tabber.vandroItemsChanged();
    VandroDom.elements.set(handle, tabber);
    VandroDom.elements.set(clientHandle, page);
    (VandroDom.get(group) || VandroDom.desktop()).appendChild(tabber);
  }
};

mergeInto(LibraryManager.library, LibraryVandroTabber);
