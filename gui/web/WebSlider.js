// The page's half of the web slider: a trackbar is a range input, a scroll bar an element of the
// scrollbar role with an arrow at each end and a thumb as long as its page. Both run from their
// lowest value at the top or the left to their highest at the bottom or the right, and hand every
// move of the user's to vandro_web_slider_moved.
var LibraryVandroSlider = {
  $VandroSlider__deps: ['$VandroDom'],
  $VandroSlider: {
    style: [
      '.vandro-trackbar{padding:0;accent-color:#1a5fb4;}',
      '.vandro-trackbar.vandro-vertical{writing-mode:vertical-lr;}',
      '.vandro-scrollbar{display:flex;background:#e9e9e9;user-select:none;touch-action:none;outline:none;}',
      '.vandro-scrollbar.vandro-vertical{flex-direction:column;}',
      '.vandro-scrollbar:focus-visible{outline:1px dotted #1a5fb4;outline-offset:-1px;}',
      '.vandro-scrollbar > .vandro-arrow{flex:none;display:flex;align-items:center;justify-content:center;font-size:8px;color:#505050;}',
      '.vandro-scrollbar.vandro-vertical > .vandro-arrow{height:min(17px,33%);}',
      '.vandro-scrollbar:not(.vandro-vertical) > .vandro-arrow{width:min(17px,33%);}',
      '.vandro-scrollbar > .vandro-arrow:hover{background:#dadada;}',
      '.vandro-scrollbar > .vandro-arrow:active{background:#c2c2c2;}',
      '.vandro-scrollbar > .vandro-track{flex:1;position:relative;}',
      '.vandro-thumb{position:absolute;box-sizing:border-box;background:#c1c1c1;border:1px solid #e9e9e9;border-radius:4px;}',
      '.vandro-thumb:hover{background:#a8a8a8;}',
      '.vandro-thumb.vandro-dragged{background:#787878;}',
      '.vandro-scrollbar[aria-disabled=true] > *{visibility:hidden;}'
    ].join('\n'),
    usable: function(element) { return element.getAttribute('aria-disabled') !== 'true'; },
    tell: function(element) {
      VandroDom.deliver(function() { return _vandro_web_slider_moved(element.vandroHandle); });
    },
    // A scroll bar's value, kept within its range, moves its thumb; a change of the user's is
    // handed to the program.
    scrollTo: function(element, value, byUser) {
      value = Math.max(element.vandroLowest, Math.min(element.vandroHighest, Math.round(value)));
      var changed = value !== element.vandroValue;
      element.vandroValue = value;
      element.setAttribute('aria-valuenow', value);
      VandroSlider.layThumb(element);
      if (changed && byUser)
        VandroSlider.tell(element);
    },
    // The thumb is as long as the page is of the whole (never shorter than 10 pixels) and lies
    // where the value is between the lowest and the highest.
    layThumb: function(element) {
      var span = element.vandroHighest - element.vandroLowest;
      var whole = span + element.vandroPage;
      var share = whole > 0 ? Math.max(element.vandroPage, 0) / whole : 1;
      var at = span > 0 ? (element.vandroValue - element.vandroLowest) / span : 0;
      var length = 'max(10px, ' + (share * 100) + '%)';
      var thumb = element.vandroThumb.style;
      var along = element.vandroVertical ? ['top', 'height', 'left', 'width']
                                         : ['left', 'width', 'top', 'height'];
      thumb[along[0]] = 'calc((100% - ' + length + ') * ' + at + ')';
      thumb[along[1]] = length;
      thumb[along[2]] = '0';
      thumb[along[3]] = '100%';
    },
    // The pointer's place along the bar, in pixels.
    along: function(element, event) {
      return element.vandroVertical ? event.clientY : event.clientX;
    },
    // Dragging the thumb moves the value by as many values as the pointer went over the room
    // the thumb has to move in.
    grab: function(element, event) {
      var thumb = element.vandroThumb;
      var track = thumb.parentElement.getBoundingClientRect();
      var box = thumb.getBoundingClientRect();
      var room = element.vandroVertical ? track.height - box.height : track.width - box.width;
      var from = VandroSlider.along(element, event);
      var start = element.vandroValue;
      var span = element.vandroHighest - element.vandroLowest;
      thumb.setPointerCapture(event.pointerId);
      thumb.classList.add('vandro-dragged');
      var move = function(moved) {
        var by = room > 0 ? (VandroSlider.along(element, moved) - from) * span / room : 0;
        VandroSlider.scrollTo(element, start + by, true);
      };
      var end = function() {
        thumb.classList.remove('vandro-dragged');
        thumb.removeEventListener('pointermove', move);
        thumb.removeEventListener('pointerup', end);
        thumb.removeEventListener('pointercancel', end);
      };
      thumb.addEventListener('pointermove', move);
      thumb.addEventListener('pointerup', end);
      thumb.addEventListener('pointercancel', end);
    },
    // An arrow steps by one; the track beside the thumb pages toward the pointer.
    press: function(element, event) {
      if (event.button !== 0 || !VandroSlider.usable(element))
        return;
      event.preventDefault();
      element.focus({preventScroll: true});
      var target = event.target;
      if (target === element.vandroThumb)
        return VandroSlider.grab(element, event);
      var step = target.classList.contains('vandro-arrow') ? +target.dataset.step : 0;
      if (!step && target.classList.contains('vandro-track')) {
        var box = element.vandroThumb.getBoundingClientRect();
        var before = VandroSlider.along(element, event) <
                     (element.vandroVertical ? box.top : box.left);
        step = (before ? -1 : 1) * Math.max(element.vandroPage, 1);
      }
      if (step)
        VandroSlider.scrollTo(element, element.vandroValue + step, true);
    },
    key: function(element, event) {
      if (!VandroSlider.usable(element))
        return;
      var page = Math.max(element.vandroPage, 1);
      var steps = {ArrowUp: -1, ArrowLeft: -1, ArrowDown: 1, ArrowRight: 1, PageUp: -page,
                   PageDown: page};
      var value = event.key === 'Home' ? element.vandroLowest
                  : event.key === 'End' ? element.vandroHighest
                  : event.key in steps ? element.vandroValue + steps[event.key] : null;
      if (value === null)
        return;
      event.preventDefault();
      event.stopPropagation();
      VandroSlider.scrollTo(element, value, true);
    },
    makeScrollBar: function(handle, horizontal) {
      var element = document.createElement('div');
      element.className = 'vandro-control vandro-scrollbar';
      element.setAttribute('role', 'scrollbar');
      element.setAttribute('aria-orientation', horizontal ? 'horizontal' : 'vertical');
      element.tabIndex = -1;
      var lower = document.createElement('div');
      var track = document.createElement('div');
      var raise = document.createElement('div');
      lower.className = raise.className = 'vandro-arrow';
      lower.dataset.step = -1;
      raise.dataset.step = 1;
      lower.textContent = horizontal ? '\u25C0' : '\u25B2';
      raise.textContent = horizontal ? '\u25B6' : '\u25BC';
      track.className = 'vandro-track';
      element.vandroThumb = document.createElement('div');
      element.vandroThumb.className = 'vandro-thumb';
      track.appendChild(element.vandroThumb);
      element.append(lower, track, raise);
      element.vandroLowest = element.vandroHighest = element.vandroValue = 0;
      element.vandroPage = 0;
      element.addEventListener('pointerdown', function(event) {
        VandroSlider.press(element, event);
      });
      element.addEventListener('keydown', function(event) { VandroSlider.key(element, event); });
      return element;
    },
    makeTrackBar: function(handle) {
      var element = document.createElement('input');
      element.type = 'range';
      element.className = 'vandro-control vandro-trackbar';
      element.step = 1;
      // Empty until the program gives a range: the input would otherwise sit at 50.
      element.min = element.max = element.value = 0;
      element.addEventListener('input', function() { VandroSlider.tell(element); });
      return element;
    }
  },

  vandro_slider_make__deps: ['$VandroSlider'],
  vandro_slider_make: function(handle, group, kind, horizontal) {
    VandroDom.addStyle('slider', VandroSlider.style);
    var element = kind === 0 ? VandroSlider.makeScrollBar(handle, horizontal)
                             : VandroSlider.makeTrackBar(handle);
    element.vandroHandle = handle;
    element.vandroVertical = !horizontal;
    element.classList.toggle('vandro-vertical', !horizontal);
    VandroDom.elements.set(handle, element);
    (VandroDom.get(group) || VandroDom.desktop()).appendChild(element);
  },

  vandro_slider_range__deps: ['$VandroSlider'],
  vandro_slider_range: function(handle, lowest, highest, page, value) {
    var element = VandroDom.get(handle);
    if (!element)
      return;
    if (element.vandroThumb) {
      element.vandroLowest = lowest;
      element.vandroHighest = highest;
      element.vandroPage = page;
      element.setAttribute('aria-valuemin', lowest);
      element.setAttribute('aria-valuemax', highest);
      VandroSlider.scrollTo(element, value, false);
    } else {
      element.min = lowest;
      element.max = highest;
      element.value = value;
    }
  },

  vandro_slider_show__deps: ['$VandroSlider'],
  vandro_slider_show: function(handle, value) {
    var element = VandroDom.get(handle);
    if (element && element.vandroThumb)
      VandroSlider.scrollTo(element, value, false);
    else if (element)
      element.value = value;
  },

  vandro_slider_value__deps: ['$VandroSlider'],
  vandro_slider_value: function(handle) {
    var element = VandroDom.get(handle);
    if (!element)
      return 0;
    return element.vandroThumb ? element.vandroValue : Math.round(+element.value);
  }
};

mergeInto(LibraryManager.library, LibraryVandroSlider);
