// The keys of the page's text elements as the program's key filter sees them: the virtual-key
// code and the character a key types. A key the filter refuses never reaches the element.
var LibraryVandroKeys = {
  $VandroKeys__deps: ['$VandroDom'],
  $VandroKeys: {
    // The characters the keys without a printed one type, as the desktop platforms give them.
    controls: {Backspace: 8, Tab: 9, Enter: 13, Escape: 27},
    typed: function(event) {
      if (event.key in VandroKeys.controls)
        return VandroKeys.controls[event.key];
      var points = Array.from(event.key);
      return points.length === 1 ? points[0].codePointAt(0) : 0;
    },
    // passes(key, typed, modifiers) answers whether the program lets the key through. An input
    // method's composition is the input method's.
    filter: function(element, passes) {
      element.addEventListener('keydown', function(event) {
        if (event.isComposing || event.keyCode === 229)
          return;
        var key = event.keyCode, typed = VandroKeys.typed(event);
        var modifiers = VandroDom.modifiers(event);
        if (!VandroDom.deliver(function() { return passes(key, typed, modifiers); }))
          event.preventDefault();
      });
    }
  }
};

mergeInto(LibraryManager.library, LibraryVandroKeys);
