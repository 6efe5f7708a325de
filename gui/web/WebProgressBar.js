// The page's half of the web progress bar: a <progress> from 0 to 100, its bar in the colour
// the program gives it.
var LibraryVandroProgressBar = {
  vandro_progress_make__deps: ['$VandroDom'],
  vandro_progress_make: function(handle, group) {
    var element = document.createElement('progress');
    element.className = 'vandro-control';
    element.max = 100;
    element.value = 0;
    VandroDom.elements.set(handle, element);
    (VandroDom.get(group) || VandroDom.desktop()).appendChild(element);
  },

  vandro_progress_show__deps: ['$VandroDom'],
  vandro_progress_show: function(handle, percent) {
    var element = VandroDom.get(handle);
    if (element)
      element.value = percent;
  },

  vandro_progress_bar_color__deps: ['$VandroDom'],
  vandro_progress_bar_color: function(handle, colour) {
    var element = VandroDom.get(handle);
    if (element)
      element.style.accentColor = VandroDom.cssColor(colour);
  }
};

mergeInto(LibraryManager.library, LibraryVandroProgressBar);
