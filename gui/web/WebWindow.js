// The page's half of a window's frame: the title bar the user drags the window by, the edges and
// corners that size it, the minimise and maximise boxes, and the bar along the bottom of the
// page where a minimised window waits to be restored. The program is told each step of a drag
// (its queue keeps the latest) and decides minimising and maximising itself.
var LibraryVandroWindow = {
  $VandroWindow__deps: ['$VandroDom'],
  $VandroWindow: {
    // The smallest frame the page lets the user drag a window to: room for the title bar's
    // boxes, and the decorations without a client area.
    leastWidth: 120,
    edges: ['n', 's', 'e', 'w', 'ne', 'nw', 'se', 'sw'],
    style: [
      '.vandro-window.vandro-borderless{border-width:0;}',
      '.vandro-window.vandro-minimised{display:none;}',
      '.vandro-title{touch-action:none;}',
      '.vandro-title canvas{width:16px;height:16px;margin-right:6px;flex:none;}',
      '.vandro-box{width:40px;height:100%;border:0;background:none;cursor:default;position:relative;flex:none;}',
      '.vandro-box:hover{background:rgba(0,0,0,.08);}',
      // Drawn boxes rather than symbols: every font has them the same.
      '.vandro-box::before,.vandro-box::after{content:"";position:absolute;box-sizing:border-box;border:1px solid #1c1c1c;}',
      '.vandro-minimise::before{left:15px;top:50%;width:10px;height:0;border-width:1px 0 0;}',
      '.vandro-minimise::after{display:none;}',
      '.vandro-maximise::before{left:15px;top:calc(50% - 5px);width:10px;height:10px;}',
      '.vandro-maximise::after{display:none;}',
      '.vandro-maximised .vandro-maximise::before{left:15px;top:calc(50% - 3px);width:8px;height:8px;}',
      '.vandro-maximised .vandro-maximise::after{display:block;left:17px;top:calc(50% - 5px);width:8px;height:8px;border-width:1px 1px 0 0;}',
      '.vandro-edge{position:absolute;z-index:1;touch-action:none;}',
      '.vandro-box[hidden],.vandro-edge[hidden],.vandro-maximised > .vandro-edge{display:none;}',
      '.vandro-edge-n,.vandro-edge-s{left:6px;right:6px;height:8px;cursor:ns-resize;}',
      '.vandro-edge-e,.vandro-edge-w{top:6px;bottom:6px;width:8px;cursor:ew-resize;}',
      '.vandro-edge-n{top:-5px;}.vandro-edge-s{bottom:-5px;}.vandro-edge-e{right:-5px;}.vandro-edge-w{left:-5px;}',
      '.vandro-edge-ne,.vandro-edge-nw,.vandro-edge-se,.vandro-edge-sw{width:12px;height:12px;}',
      '.vandro-edge-ne{top:-5px;right:-5px;cursor:nesw-resize;}.vandro-edge-sw{bottom:-5px;left:-5px;cursor:nesw-resize;}',
      '.vandro-edge-nw{top:-5px;left:-5px;cursor:nwse-resize;}.vandro-edge-se{bottom:-5px;right:-5px;cursor:nwse-resize;}',
      '#vandro-dock{position:absolute;left:0;bottom:0;display:flex;gap:4px;padding:4px;z-index:99999;}',
      '#vandro-dock:empty{display:none;}',
      '.vandro-dock-entry{font:inherit;max-width:180px;height:28px;padding:0 10px;overflow:hidden;white-space:nowrap;text-overflow:ellipsis;background:#dfe4ea;border:1px solid #6d6d6d;box-shadow:0 2px 6px rgba(0,0,0,.3);}'
    ].join('\n'),
    started: false,
    start: function() {
      if (VandroWindow.started)
        return;
      VandroWindow.started = true;
      VandroDom.addStyle('window', VandroWindow.style);
      // A maximised window goes on filling the desktop as the viewport changes.
      window.addEventListener('resize', function() {
        document.querySelectorAll('.vandro-maximised:not(.vandro-minimised)').forEach(
            function(frame) { VandroWindow.command(frame.vandroHandle, 5); });
      });
    },
    dock: function() {
      var dock = document.getElementById('vandro-dock');
      if (!dock) {
        dock = document.createElement('div');
        dock.id = 'vandro-dock';
        dock.setAttribute('role', 'toolbar');
        dock.setAttribute('aria-label', 'Minimierte Fenster');
        VandroDom.desktop().appendChild(dock);
      }
      return dock;
    },
    command: function(handle, command) {
      VandroDom.deliver(function() { return _vandro_web_window_command(handle, command); });
    },
    box: function(title, className, label, handle, command) {
      var box = document.createElement('button');
      box.type = 'button';
      box.className = 'vandro-box ' + className;
      box.tabIndex = -1;
      box.setAttribute('aria-label', label);
      box.addEventListener('click', function() {
        VandroWindow.command(handle, command(title.parentElement));
      });
      title.insertBefore(box, title.querySelector('.vandro-close'));
      return box;
    },
    clamp: function(value, least, most) {
      return Math.max(least, most >= 0 ? Math.min(value, most) : value);
    },
    // Follows the pointer from the press on the title bar (edges '') or on an edge ('n', 'se',
    // ...) until it is let go, and tells the program each new rectangle of the frame. The frame
    // stays inside the page: there is nothing beyond its edges.
    drag: function(frame, handle, edges, event) {
      if (event.button !== 0 || frame.classList.contains('vandro-maximised') ||
          event.target.closest('button'))
        return;
      // A frame scaled down to fit a small viewport stays centred in it.
      if (frame.style.transform)
        return;
      event.preventDefault();
      var grip = event.currentTarget;
      grip.setPointerCapture(event.pointerId);
      var from = {x: event.clientX, y: event.clientY, left: parseFloat(frame.style.left) || 0,
                  top: parseFloat(frame.style.top) || 0, width: frame.offsetWidth,
                  height: frame.offsetHeight};
      var across = document.documentElement.clientWidth;
      var down = document.documentElement.clientHeight;
      var rules = frame.vandroRules;
      var leastHeight = frame.offsetHeight - frame.vandroClient.offsetHeight;
      var last = [from.left, from.top, from.width, from.height];
      var follow = function(moved) {
        var dx = Math.round(moved.clientX - from.x), dy = Math.round(moved.clientY - from.y);
        var left = from.left, top = from.top, width = from.width, height = from.height;
        if (!edges) {
          left = VandroWindow.clamp(left + dx, 0, across - width);
          top = VandroWindow.clamp(top + dy, 0, down - height);
        }
        var right = from.left + from.width, bottom = from.top + from.height;
        var least = [Math.max(rules.minW, VandroWindow.leastWidth), Math.max(rules.minH, leastHeight)];
        if (edges.indexOf('e') >= 0)
          width = VandroWindow.clamp(width + dx, least[0], VandroWindow.most(rules.maxW, across - left));
        if (edges.indexOf('w') >= 0) {
          width = VandroWindow.clamp(width - dx, least[0], VandroWindow.most(rules.maxW, right));
          left = right - width;
        }
        if (edges.indexOf('s') >= 0)
          height = VandroWindow.clamp(height + dy, least[1], VandroWindow.most(rules.maxH, down - top));
        if (edges.indexOf('n') >= 0) {
          height = VandroWindow.clamp(height - dy, least[1], VandroWindow.most(rules.maxH, bottom));
          top = bottom - height;
        }
        var now = [left, top, width, height];
        if (now.every(function(value, at) { return value === last[at]; }))
          return;
        last = now;
        VandroDom.deliver(function() {
          return _vandro_web_window_placed(handle, left, top, width, height);
        });
      };
      var end = function() {
        grip.removeEventListener('pointermove', follow);
        grip.removeEventListener('pointerup', end);
        grip.removeEventListener('pointercancel', end);
      };
      grip.addEventListener('pointermove', follow);
      grip.addEventListener('pointerup', end);
      grip.addEventListener('pointercancel', end);
    },
    // The smaller of the window's largest size (-1: none) and the room the page leaves.
    most: function(limit, room) {
      return limit >= 0 ? Math.min(limit, room) : room;
    }
  },

  vandro_window_frame__deps: ['$VandroWindow'],
  vandro_window_frame: function(handle, style) {
    VandroWindow.start();
    var frame = VandroDom.get(handle);
    if (!frame)
      return;
    frame.vandroHandle = handle;
    frame.vandroRules = {minW: 0, minH: 0, maxW: -1, maxH: -1};
    frame.classList.toggle('vandro-borderless', !(style & 3));
    var title = frame.querySelector('.vandro-title');
    if (title) {
      var maximised = function(at) { return at.classList.contains('vandro-maximised'); };
      if (style & 2) {
        VandroWindow.box(title, 'vandro-minimise', 'Minimieren', handle, function() { return 4; });
        frame.vandroMaximise = VandroWindow.box(title, 'vandro-maximise', 'Maximieren', handle,
                                                function(at) { return maximised(at) ? 6 : 5; });
      }
      title.addEventListener('pointerdown', function(event) {
        VandroWindow.drag(frame, handle, '', event);
      });
      title.addEventListener('dblclick', function(event) {
        if (frame.vandroMaximise && !frame.vandroMaximise.hidden && !event.target.closest('button'))
          VandroWindow.command(handle, maximised(frame) ? 6 : 5);
      });
    }
    if (style & 2) {
      frame.vandroEdges = VandroWindow.edges.map(function(edges) {
        var edge = document.createElement('div');
        edge.className = 'vandro-edge vandro-edge-' + edges;
        edge.addEventListener('pointerdown', function(event) {
          VandroWindow.drag(frame, handle, edges, event);
        });
        frame.appendChild(edge);
        return edge;
      });
    }
  },

  vandro_window_rules__deps: ['$VandroWindow'],
  vandro_window_rules: function(handle, sizable, maximisable, minW, minH, maxW, maxH) {
    var frame = VandroDom.get(handle);
    if (!frame)
      return;
    frame.vandroRules = {minW: minW, minH: minH, maxW: maxW, maxH: maxH};
    (frame.vandroEdges || []).forEach(function(edge) { edge.hidden = !sizable; });
    if (frame.vandroMaximise)
      frame.vandroMaximise.hidden = !maximisable;
  },

  // A minimised frame leaves the page and a button in the bar at its bottom stands for it, as
  // long as the program shows the window.
  vandro_window_state__deps: ['$VandroWindow'],
  vandro_window_state: function(handle, state) {
    var frame = VandroDom.get(handle);
    if (!frame)
      return;
    var minimised = !!(state & 1);
    frame.classList.toggle('vandro-minimised', minimised);
    frame.classList.toggle('vandro-maximised', !!(state & 2));
    if (frame.vandroMaximise)
      frame.vandroMaximise.setAttribute('aria-label', state & 2 ? 'Wiederherstellen' : 'Maximieren');
    var entry = frame.vandroDockEntry;
    if (!minimised || frame.hidden) {
      if (entry)
        entry.remove();
      frame.vandroDockEntry = null;
      return;
    }
    if (!entry) {
      entry = document.createElement('button');
      entry.type = 'button';
      entry.className = 'vandro-dock-entry';
      entry.addEventListener('click', function() { VandroWindow.command(handle, 6); });
      VandroWindow.dock().appendChild(entry);
      frame.vandroDockEntry = entry;
    }
    entry.textContent = frame.getAttribute('aria-label') || '';
  },

  vandro_window_icon__deps: ['$VandroWindow'],
  vandro_window_icon: function(handle, pixels, width, height, pitch) {
    var frame = VandroDom.get(handle);
    if (!frame)
      return;
    if (frame.vandroIcon)
      frame.vandroIcon.remove();
    frame.vandroIcon = null;
    if (!pixels)
      return;
    var icon = document.createElement('canvas');
    icon.width = width;
    icon.height = height;
    icon.setAttribute('aria-hidden', 'true');
    var image = icon.getContext('2d').createImageData(width, height);
    for (var row = 0; row < height; ++row)
      image.data.set(HEAPU8.subarray(pixels + row * pitch, pixels + row * pitch + 4 * width),
                     row * 4 * width);
    icon.getContext('2d').putImageData(image, 0, 0);
    frame.vandroIcon = icon;
    var title = frame.querySelector('.vandro-title');
    if (title)
      title.insertBefore(icon, title.firstChild);
  }
};

mergeInto(LibraryManager.library, LibraryVandroWindow);
