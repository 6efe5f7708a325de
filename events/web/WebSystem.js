// The page's half of the web platform's system driver: the program's wait for input, which
// yields to the browser, and the message boxes as dialogs.
var LibraryVandroSystem = {
  // Input came: a waiting program goes on; one that is not waiting finds it queued. The wait
  // is resumed once the handler that delivered the input has returned, as the handler may run
  // inside the program (a focus the program moved, say), but before the browser draws again:
  // what the program shows in answer is in the next frame.
  $VandroWake: function() {
    Module.vandroInputCame = true;
    var resume = Module.vandroResume;
    Module.vandroResume = null;
    if (resume)
      queueMicrotask(resume);
  },

  vandro_wait_input__deps: ['$VandroWake'],
  vandro_wait_input: function() {
    if (Module.vandroInputCame) {
      Module.vandroInputCame = false;
      return;
    }
    Asyncify.handleSleep(function(wakeUp) {
      Module.vandroResume = function() {
        Module.vandroInputCame = false;
        wakeUp();
      };
    });
  },

  vandro_wait_turn: function() {
    Asyncify.handleSleep(function(wakeUp) { setTimeout(wakeUp, 0); });
  },

  vandro_wait_message: function(text, length, serious, buttons) {
    var message = new TextDecoder('utf-16le').decode(HEAPU8.subarray(text, text + 2 * length));
    return Asyncify.handleSleep(function(wakeUp) {
      var dialog = document.createElement('dialog');
      dialog.className = 'vandro-message';
      dialog.setAttribute('role', serious ? 'alertdialog' : 'dialog');
      var paragraph = document.createElement('p');
      paragraph.textContent = (serious ? '\u26A0\uFE0E ' : '') + message;
      dialog.appendChild(paragraph);
      var row = document.createElement('div');
      row.className = 'vandro-buttons';
      var answer = -1;
      var choices = [[['OK', 1]], [['OK', 1], ['Abbrechen', -1]],
                     [['Ja', 1], ['Nein', 0], ['Abbrechen', -1]]][buttons] || [['OK', 1]];
      choices.forEach(function(choice) {
        var button = document.createElement('button');
        button.type = 'button';
        button.textContent = choice[0];
        button.addEventListener('click', function() {
          answer = choice[1];
          dialog.close();
        });
        row.appendChild(button);
      });
      dialog.appendChild(row);
      dialog.addEventListener('close', function() {
        dialog.remove();
        wakeUp(answer);
      });
      (document.getElementById('vandro-desktop') || document.body).appendChild(dialog);
      dialog.showModal();
      row.firstChild.focus();
    });
  },

  vandro_system_open_url: function(url, length) {
    window.open(new TextDecoder('utf-16le').decode(HEAPU8.subarray(url, url + 2 * length)),
                '_blank', 'noopener');
  },

  vandro_system_pointer_visible: function(visible) {
    var desktop = document.getElementById('vandro-desktop');
    if (desktop)
      desktop.style.cursor = visible ? '' : 'none';
  }
};

mergeInto(LibraryManager.library, LibraryVandroSystem);
