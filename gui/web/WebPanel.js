// The page's half of the web panel. A plain panel keeps its colour and picture on a layer under
// its children, so that its opacity blends them over the parent while the gadgets inside stay
// opaque. A group panel is a frame with its title in the line, as a fieldset draws it, and a
// client area 4 pixels in from the left and 16 down, 8 narrower and 20 lower than the frame.
var LibraryVandroPanel = {
  $VandroPanel__deps: ['$VandroDom'],
  $VandroPanel: {
    style: [
      '.vandro-panel{overflow:hidden;outline:none;}',
      '.vandro-panel.vandro-sunken-panel{border:1px solid;border-color:#a0a0a0 #fff #fff #a0a0a0;}',
      '.vandro-panel.vandro-raised-panel{border:1px solid;border-color:#fff #a0a0a0 #a0a0a0 #fff;}',
      '.vandro-panel > .vandro-panel-back{position:absolute;inset:0;pointer-events:none;}',
      '.vandro-group > fieldset{position:absolute;inset:0;margin:0;padding:0 6px;border:1px solid #c4c4c4;border-radius:3px;pointer-events:none;min-width:0;}',
      '.vandro-group > fieldset > legend{padding:0 3px;white-space:pre;overflow:hidden;text-overflow:ellipsis;max-width:100%;line-height:15px;}',
      '.vandro-group > .vandro-client{position:absolute;left:4px;top:16px;width:calc(100% - 8px);height:calc(100% - 20px);overflow:hidden;}'
    ].join('\n'),
    // A picture from RGBA bytes, as a canvas of its size.
    picture: function(rgba, width, height) {
      var picture = document.createElement('canvas');
      picture.width = width;
      picture.height = height;
      var bytes = new Uint8ClampedArray(HEAPU8.subarray(rgba, rgba + width * height * 4));
      picture.getContext('2d').putImageData(new ImageData(bytes, width, height), 0, 0);
      return picture;
    }
  },

  vandro_panel_make__deps: ['$VandroPanel'],
  vandro_panel_make: function(handle, clientHandle, group, kind, border, active) {
    VandroDom.addStyle('panel', VandroPanel.style);
    var element = document.createElement('div');
    element.className = 'vandro-control vandro-panel';
    element.classList.toggle('vandro-sunken-panel', border === 1);
    element.classList.toggle('vandro-raised-panel', border === 2);
    if (kind === 1) {
      element.classList.add('vandro-group');
      element.setAttribute('role', 'group');
      var frame = document.createElement('fieldset');
      frame.setAttribute('aria-hidden', 'true');
      element.vandroLegend = document.createElement('legend');
      frame.appendChild(element.vandroLegend);
      var client = document.createElement('div');
      client.className = 'vandro-client';
      element.append(frame, client);
      element.vandroClient = client;
      VandroDom.elements.set(clientHandle, client);
    } else {
      element.vandroBack = document.createElement('div');
      element.vandroBack.className = 'vandro-panel-back';
      element.appendChild(element.vandroBack);
    }
    if (active) {
      element.tabIndex = -1;
      element.addEventListener('pointerdown', function(event) {
        if (!event.target.closest('.vandro-control:not(.vandro-panel)'))
          element.focus({preventScroll: true});
      });
    }
    VandroDom.elements.set(handle, element);
    (VandroDom.get(group) || VandroDom.desktop()).appendChild(element);
  },

  vandro_panel_title__deps: ['$VandroPanel'],
  vandro_panel_title: function(handle, pointer, length) {
    var element = VandroDom.get(handle);
    if (!element || !element.vandroLegend)
      return;
    var text = VandroDom.text(pointer, length);
    element.vandroLegend.textContent = text;
    element.vandroLegend.hidden = !text;
    if (text)
      element.setAttribute('aria-label', text);
    else
      element.removeAttribute('aria-label');
  },

  // The colour is the layer's, which the opacity fades, rather than the panel's own background.
  vandro_panel_back__deps: ['$VandroPanel'],
  vandro_panel_back: function(handle, colour, opacity) {
    var element = VandroDom.get(handle);
    if (!element || !element.vandroBack)
      return;
    element.vandroBack.style.backgroundColor = VandroDom.cssColor(colour);
    element.vandroBack.style.opacity = opacity < 255 ? opacity / 255 : '';
  },

  vandro_panel_picture__deps: ['$VandroPanel'],
  vandro_panel_picture: function(handle, rgba, width, height) {
    var element = VandroDom.get(handle);
    if (!element || !element.vandroBack)
      return;
    var back = element.vandroBack;
    back.vandroPicture = rgba ? 'url(' + VandroPanel.picture(rgba, width, height).toDataURL() + ')'
                              : '';
    back.vandroPictureSize = width + 'px ' + height + 'px';
    back.style.backgroundImage = back.vandroPicture;
  },

  vandro_panel_place_picture__deps: ['$VandroPanel'],
  vandro_panel_place_picture: function(handle, x, y, w, h, tiled) {
    var element = VandroDom.get(handle);
    if (!element || !element.vandroBack)
      return;
    var back = element.vandroBack.style;
    back.backgroundImage = w > 0 ? element.vandroBack.vandroPicture || '' : '';
    back.backgroundRepeat = tiled ? 'repeat' : 'no-repeat';
    back.backgroundPosition = x + 'px ' + y + 'px';
    back.backgroundSize = w + 'px ' + h + 'px';
    // At its own size the picture keeps its pixels sharp on a screen of any pixel ratio.
    back.imageRendering = back.backgroundSize === element.vandroBack.vandroPictureSize
                          ? 'pixelated' : '';
  }
};

mergeInto(LibraryManager.library, LibraryVandroPanel);
