// The web user's requesters: the steps the user takes in the next requester dialog that shows.
var LibraryVandroUserRequesters = {
  $VandroUserRequesters__deps: ['$VandroUser', '$VandroRequester'],
  $VandroUserRequesters: {
    // The button with the text, or the field with the label.
    find: function(dialog, name) {
      var button = Array.from(dialog.querySelectorAll('button')).find(function(element) {
        return element.textContent === name;
      });
      if (button)
        return button;
      var label = Array.from(dialog.querySelectorAll('label')).find(function(element) {
        return element.textContent === name;
      });
      return label ? label.control : null;
    },
    // Takes the steps in order, each once the one before has been delivered.
    take: function(dialog, steps) {
      if (!steps.length)
        return;
      var step = steps[0].split(':');
      var next = function() { VandroUserRequesters.take(dialog, steps.slice(1)); };
      if (step[0] === 'key') {
        window.vandroUserInput({kind: 'key', key: +step[1], modifiers: 0}).then(next);
        return;
      }
      var element = VandroUserRequesters.find(dialog, step[1]);
      if (!element) {
        console.error('the requester has no ' + step[1]);
        return;
      }
      var at = VandroUser.centre(element);
      var action = {kind: 'click', x: at[0], y: at[1], button: 0, clicks: 1};
      if (step[0] === 'file')
        action = {kind: 'file', x: at[0], y: at[1], name: step[2], text: step.slice(3).join(':')};
      window.vandroUserInput(action).then(next);
    }
  },

  // Steps separated by "|": "click:<button text or field label>", "key:<virtual-key code>",
  // "file:<field label>:<file name>:<its text>" (a file of the user's, chosen in the browser's
  // file chooser that a click on the field opens).
  vandro_user_on_next_requester__deps: ['$VandroUserRequesters'],
  vandro_user_on_next_requester: function(pointer, length) {
    var steps = VandroDom.text(pointer, length).split('|');
    var watcher = new MutationObserver(function() {
      var dialog = document.querySelector('dialog.vandro-requester[open]');
      if (!dialog)
        return;
      watcher.disconnect();
      // The user acts on the dialog once the browser has drawn it.
      requestAnimationFrame(function() {
        requestAnimationFrame(function() { VandroUserRequesters.take(dialog, steps); });
      });
    });
    watcher.observe(document.body, {subtree: true, childList: true, attributes: true});
  },

  // The bytes of the download the page offered last, as text; answers its length (-1 for none)
  // and writes its name.
  vandro_user_last_download__deps: ['$VandroUserRequesters'],
  vandro_user_last_download: function(name, nameCapacity, text, textCapacity) {
    var offered = VandroRequester.offered[VandroRequester.offered.length - 1];
    if (!offered)
      return -1;
    VandroUser.write(offered.name, name, nameCapacity);
    var content = new TextDecoder().decode(offered.bytes);
    VandroUser.write(content, text, textCapacity);
    return content.length;
  }
};

mergeInto(LibraryManager.library, LibraryVandroUserRequesters);
