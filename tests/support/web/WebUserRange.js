// The page's half of the web user's sliders and progress bars: drags and clicks as real input
// through the browser's driver, and the value a progress bar shows.
var LibraryVandroUserRange = {
  $VandroUserRange__deps: ['$VandroUser'],
  $VandroUserRange: {
    usable: function(element) {
      return VandroUser.shown(element) && !element.disabled &&
             element.getAttribute('aria-disabled') !== 'true';
    },
    // Where the thumb is: a scroll bar's own element; a range input's from its value, the
    // browser's thumb being about 16 pixels long.
    thumb: function(element, vertical) {
      if (element.vandroThumb)
        return VandroUser.centre(element.vandroThumb);
      var box = element.getBoundingClientRect();
      var span = element.max - element.min;
      var at = span > 0 ? (element.value - element.min) / span : 0;
      var thumb = 16;
      return vertical ? [box.left + box.width / 2, box.top + thumb / 2 + (box.height - thumb) * at]
                      : [box.left + thumb / 2 + (box.width - thumb) * at, box.top + box.height / 2];
    }
  },

  // Both kinds run from the top or the left to the bottom or the right.
  vandro_wait_user_drag_slider__deps: ['$VandroUserRange'],
  vandro_wait_user_drag_slider: function(handle, toHigh) {
    return Asyncify.handleSleep(function(wakeUp) {
      var element = VandroDom.get(handle);
      if (!VandroUserRange.usable(element))
        return wakeUp(0);
      var vertical = !!element.vandroVertical;
      var from = VandroUserRange.thumb(element, vertical);
      var box = element.getBoundingClientRect();
      var past = 30;
      var to = vertical ? [from[0], toHigh ? box.bottom + past : box.top - past]
                        : [toHigh ? box.right + past : box.left - past, from[1]];
      VandroUser.act({kind: 'drag', x: from[0], y: from[1], toX: to[0], toY: to[1]}, wakeUp);
    });
  },

  vandro_wait_user_step__deps: ['$VandroUserRange'],
  vandro_wait_user_step: function(handle, up) {
    return Asyncify.handleSleep(function(wakeUp) {
      var element = VandroDom.get(handle);
      if (!VandroUserRange.usable(element) || !element.vandroArrows)
        return wakeUp(0);
      VandroUser.click(element.vandroArrows[up ? 1 : 0], 0, 1, wakeUp);
    });
  },

  vandro_user_progress__deps: ['$VandroUserRange'],
  vandro_user_progress: function(handle) {
    var element = VandroDom.get(handle);
    return element && element.tagName === 'PROGRESS' ? Math.round(element.value) : 0;
  }
};

mergeInto(LibraryManager.library, LibraryVandroUserRange);
