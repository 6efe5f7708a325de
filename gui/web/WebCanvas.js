// The page's half of the web canvas: a <canvas> over the panel's room, whose backing store has
// the room's size times the device pixel ratio, so that what the program draws in CSS pixels is
// sharp on any screen. Lines and frames are whole pixels, as the desktop platforms draw them.
//
// The page asks the program for a paint (vandro_web_canvas_paint) when it shows the canvas at a
// size it did not show it at before (made, sized, shown again) and after the program asked for
// a redraw, at most once for what came before the paint, and never for what the program drew.
var LibraryVandroCanvas = {
  $VandroCanvas__deps: ['$VandroDom', '$VandroPanel'],
  $VandroCanvas: {
    observer: null,
    // The room's size in CSS pixels changed: the backing store follows, keeping what it held.
    fit: function(element, width, height) {
      var canvas = element.vandroCanvas;
      var scale = window.devicePixelRatio || 1;
      var across = Math.max(1, Math.round(width * scale));
      var down = Math.max(1, Math.round(height * scale));
      if (canvas.width !== across || canvas.height !== down) {
        var kept = document.createElement('canvas');
        kept.width = canvas.width;
        kept.height = canvas.height;
        kept.getContext('2d').drawImage(canvas, 0, 0);
        canvas.width = across;
        canvas.height = down;
        canvas.getContext('2d').drawImage(kept, 0, 0);
      }
      canvas.vandroScale = scale;
    },
    sized: function(entries) {
      entries.forEach(function(entry) {
        var element = entry.target;
        var box = entry.contentRect;
        var size = box.width > 0 && box.height > 0 ? box.width + 'x' + box.height : '';
        if (size && size !== element.vandroShownSize) {
          VandroCanvas.fit(element, box.width, box.height);
          element.vandroDirty = true;
          VandroCanvas.schedule(element);
        }
        element.vandroShownSize = size;
      });
    },
    // The paint comes in a task of its own, after the page drew what set it off.
    schedule: function(element) {
      if (element.vandroFlushing)
        return;
      element.vandroFlushing = true;
      setTimeout(function() {
        element.vandroFlushing = false;
        VandroCanvas.flush(element);
      }, 0);
    },
    flush: function(element) {
      if (!element.vandroDirty || !element.isConnected || !element.vandroShownSize ||
          !element.getClientRects().length)
        return;
      element.vandroDirty = false;
      VandroDom.deliver(function() { return _vandro_web_canvas_paint(element.vandroHandle); });
    },
    // The context for drawing in CSS pixels; null once the canvas is gone.
    context: function(handle, colour) {
      var element = VandroDom.get(handle);
      var canvas = element && element.vandroCanvas;
      if (!canvas)
        return null;
      var context = canvas.getContext('2d');
      var scale = canvas.vandroScale || 1;
      context.setTransform(scale, 0, 0, scale, 0, 0);
      context.fillStyle = VandroDom.cssColor(colour);
      context.imageSmoothingEnabled = false;
      return context;
    }
  },

  vandro_canvas_attach__deps: ['$VandroCanvas'],
  vandro_canvas_attach: function(handle) {
    var element = VandroDom.get(handle);
    if (!element)
      return;
    var canvas = document.createElement('canvas');
    canvas.style.cssText = 'position:absolute;left:0;top:0;width:100%;height:100%;';
    canvas.width = canvas.height = 1;
    element.vandroCanvas = canvas;
    element.vandroHandle = handle;
    element.insertBefore(canvas, element.vandroBack ? element.vandroBack.nextSibling : null);
    if (!VandroCanvas.observer)
      VandroCanvas.observer = new ResizeObserver(VandroCanvas.sized);
    VandroCanvas.observer.observe(element);
  },

  vandro_canvas_ask__deps: ['$VandroCanvas'],
  vandro_canvas_ask: function(handle) {
    var element = VandroDom.get(handle);
    if (!element || !element.vandroCanvas)
      return;
    element.vandroDirty = true;
    if (element.vandroAsking)
      return;
    element.vandroAsking = true;
    requestAnimationFrame(function() {
      element.vandroAsking = false;
      VandroCanvas.schedule(element);
    });
  },

  vandro_canvas_fill__deps: ['$VandroCanvas'],
  vandro_canvas_fill: function(handle, x, y, w, h, colour) {
    var context = VandroCanvas.context(handle, colour);
    if (context && w > 0 && h > 0)
      context.fillRect(x, y, w, h);
  },

  vandro_canvas_frame__deps: ['$VandroCanvas'],
  vandro_canvas_frame: function(handle, x, y, w, h, colour) {
    var context = VandroCanvas.context(handle, colour);
    if (!context || w <= 0 || h <= 0)
      return;
    context.fillRect(x, y, w, 1);
    context.fillRect(x, y + h - 1, w, 1);
    context.fillRect(x, y, 1, h);
    context.fillRect(x + w - 1, y, 1, h);
  },

  // Straight lines are one rectangle; any other steps pixel by pixel along the longer axis.
  vandro_canvas_line__deps: ['$VandroCanvas'],
  vandro_canvas_line: function(handle, x1, y1, x2, y2, colour) {
    var context = VandroCanvas.context(handle, colour);
    if (!context)
      return;
    if (x1 === x2 || y1 === y2) {
      context.fillRect(Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1) + 1,
                       Math.abs(y2 - y1) + 1);
      return;
    }
    var steps = Math.max(Math.abs(x2 - x1), Math.abs(y2 - y1));
    for (var step = 0; step <= steps; ++step)
      context.fillRect(Math.round(x1 + (x2 - x1) * step / steps),
                       Math.round(y1 + (y2 - y1) * step / steps), 1, 1);
  },

  // The page's own font where the program gives none.
  vandro_canvas_text__deps: ['$VandroCanvas'],
  vandro_canvas_text: function(handle, x, y, text, length, font, fontLength, lines, colour) {
    var context = VandroCanvas.context(handle, colour);
    if (!context)
      return;
    var shown = getComputedStyle(VandroDom.get(handle));
    context.font = fontLength ? VandroDom.text(font, fontLength)
                              : shown.fontSize + ' ' + shown.fontFamily;
    context.textBaseline = 'alphabetic';
    var words = VandroDom.text(text, length);
    var measured = context.measureText(words);
    var baseline = y + Math.round(measured.fontBoundingBoxAscent);
    context.fillText(words, x, baseline);
    var width = Math.round(measured.width);
    if (lines & 4)
      context.fillRect(x, baseline + 1, width, 1);
    if (lines & 8)
      context.fillRect(x, baseline - Math.round(measured.fontBoundingBoxAscent * 0.3), width, 1);
  },

  vandro_canvas_picture__deps: ['$VandroCanvas'],
  vandro_canvas_picture: function(handle, rgba, width, height, x, y) {
    var context = VandroCanvas.context(handle, 0);
    if (context && width > 0 && height > 0)
      context.drawImage(VandroPanel.picture(rgba, width, height), x, y);
  }
};

mergeInto(LibraryManager.library, LibraryVandroCanvas);
