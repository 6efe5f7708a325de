// The page's half of the web user with text fields and areas: typing as real keys from the
// browser's driver, what a field shows, and the browser's clipboard as another program uses it.
var LibraryVandroUserText = {
  $VandroUserText__deps: ['$VandroUser'],
  $VandroUserText: {
    // Sends the actions one after the other, then lets the page run what they set off.
    actAll: function(actions, wakeUp) {
      var step = actions.reduce(function(done, action) {
        return done.then(function() { return window.vandroUserInput(action); });
      }, Promise.resolve());
      step.then(function() {
        setTimeout(function() { wakeUp(1); }, 0);
      }, function(error) {
        console.error('the browser refused the input: ' + error);
        wakeUp(0);
      });
    },
    write: function(text, buffer, capacity) {
      for (var at = 0; at < Math.min(text.length, capacity); ++at)
        HEAPU16[(buffer >> 1) + at] = text.charCodeAt(at);
      return text.length;
    }
  },

  // Clicks into the field or area, goes to the end of its text (Ctrl+End in an area) and types.
  vandro_wait_user_type__deps: ['$VandroUserText'],
  vandro_wait_user_type: function(handle, pointer, length) {
    var text = VandroDom.text(pointer, length);
    return Asyncify.handleSleep(function(wakeUp) {
      var element = VandroDom.get(handle);
      if (!VandroUser.shown(element) || element.disabled ||
          element.getAttribute('aria-disabled') === 'true')
        return wakeUp(0);
      var at = VandroUser.centre(element);
      var area = element.classList.contains('vandro-area');
      VandroUserText.actAll([{kind: 'click', x: at[0], y: at[1], button: 0, clicks: 1},
                             {kind: 'key', key: 0x23, modifiers: area ? 2 : 0},
                             {kind: 'type', text: text}], wakeUp);
    });
  },

  // What a field or an area shows: a password field one bullet a character, as the browser
  // draws it.
  vandro_user_shown_text__deps: ['$VandroUserText'],
  vandro_user_shown_text: function(handle, buffer, capacity) {
    var element = VandroDom.get(handle);
    if (!element)
      return 0;
    var text = element.tagName === 'INPUT' ? element.value : element.textContent;
    if (element.type === 'password')
      text = '\u2022'.repeat(Array.from(text).length);
    return VandroUserText.write(text, buffer, capacity);
  },

  // The clipboard's text: its length (-1 when the browser refuses it), then the text itself.
  vandro_wait_user_clipboard__deps: ['$VandroUserText'],
  vandro_wait_user_clipboard: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      navigator.clipboard.readText().then(function(text) {
        VandroUserText.clipboard = text;
        wakeUp(text.length);
      }, function(error) {
        console.error('the browser refused the clipboard: ' + error);
        wakeUp(-1);
      });
    });
  },
  vandro_user_clipboard_text__deps: ['$VandroUserText'],
  vandro_user_clipboard_text: function(buffer, capacity) {
    VandroUserText.write(VandroUserText.clipboard || '', buffer, capacity);
  },

  vandro_wait_user_put_clipboard__deps: ['$VandroUserText'],
  vandro_wait_user_put_clipboard: function(pointer, length) {
    var text = VandroDom.text(pointer, length);
    return Asyncify.handleSleep(function(wakeUp) {
      navigator.clipboard.writeText(text).then(function() { wakeUp(1); }, function(error) {
        console.error('the browser refused the clipboard: ' + error);
        wakeUp(0);
      });
    });
  }
};

mergeInto(LibraryManager.library, LibraryVandroUserText);
