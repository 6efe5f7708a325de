// The page's half of the requesters: modal dialogs over the page for a colour (the browser's
// colour input), a font, a file to open (the browser's file input; the file is read into the
// program's files, where its streams open it) and a file to save (written by the program into
// its files, then offered as a download once the program closes it). Each returns to the
// program when the dialog closes; Abbrechen and Escape cancel.
var LibraryVandroRequesters = {
  $VandroRequester__deps: ['$VandroDom'],
  $VandroRequester: {
    // A text handed over to the program in two steps: its length first, then its units.
    text: '',
    hand: function(text) {
      VandroRequester.text = text;
      return text.length;
    },
    read: function(pointer, length) {
      return new TextDecoder('utf-16le').decode(HEAPU8.subarray(pointer, pointer + 2 * length));
    },
    style: [
      'dialog.vandro-requester h2{font-size:13px;font-weight:600;margin:0 0 12px;}',
      'dialog.vandro-requester .vandro-fields{display:grid;grid-template-columns:auto 1fr;gap:8px 10px;align-items:center;margin-bottom:16px;}',
      'dialog.vandro-requester input{font:inherit;}',
      'dialog.vandro-requester input[type=color]{width:64px;height:28px;padding:1px;}',
      'dialog.vandro-requester input[type=checkbox]{justify-self:start;margin:0;}',
      'dialog.vandro-requester .vandro-sample{grid-column:1 / 3;height:44px;overflow:hidden;white-space:nowrap;border:1px solid #a0a0a0;background:#fff;padding:4px 6px;}'
    ].join('\n'),
    // The offered downloads, newest last: {name, bytes}.
    offered: [],
    // A modal dialog with the title, the fields fill(form) adds, and buttons [text, value], the
    // first the default; done(value) gets the value of the button that closed it, '' when it
    // was cancelled with Escape.
    open: function(title, fill, buttons, done) {
      VandroDom.addStyle('requester', VandroRequester.style);
      var dialog = document.createElement('dialog');
      dialog.className = 'vandro-message vandro-requester';
      dialog.setAttribute('aria-label', title);
      var heading = document.createElement('h2');
      heading.textContent = title;
      dialog.appendChild(heading);
      var form = document.createElement('form');
      form.method = 'dialog';
      var fields = document.createElement('div');
      fields.className = 'vandro-fields';
      form.appendChild(fields);
      var row = document.createElement('div');
      row.className = 'vandro-buttons';
      buttons.forEach(function(button) {
        var element = document.createElement('button');
        element.textContent = button[0];
        element.value = button[1];
        // Abbrechen leaves without the form's checks.
        element.formNoValidate = button[1] === 'cancel';
        row.appendChild(element);
      });
      form.appendChild(row);
      dialog.appendChild(form);
      dialog.returnValue = '';
      dialog.addEventListener('close', function() {
        dialog.remove();
        done(dialog.returnValue);
      });
      fill(fields, dialog);
      (document.getElementById('vandro-desktop') || document.body).appendChild(dialog);
      dialog.showModal();
      return dialog;
    },
    field: function(fields, label, input) {
      var caption = document.createElement('label');
      caption.textContent = label;
      input.id = 'vandro-requester-' + (VandroRequester.fields = (VandroRequester.fields || 0) + 1);
      caption.htmlFor = input.id;
      fields.appendChild(caption);
      fields.appendChild(input);
      return input;
    },
    // The extensions of "Description:ext,ext;ext" as the browser's accept list ("" for any).
    accept: function(extensions) {
      var list = [];
      extensions.split(';').forEach(function(group) {
        var colon = group.indexOf(':');
        (colon < 0 ? group : group.slice(colon + 1)).split(',').forEach(function(extension) {
          extension = extension.trim();
          if (extension === '*')
            list.any = true;
          else if (extension)
            list.push('.' + extension);
        });
      });
      return list.any ? '' : list.join(',');
    }
  },

  vandro_requester_text__deps: ['$VandroRequester'],
  vandro_requester_text: function(buffer) {
    var text = VandroRequester.text;
    for (var at = 0; at < text.length; ++at)
      HEAPU16[(buffer >> 1) + at] = text.charCodeAt(at);
  },

  // The colour chosen as 0xRRGGBB, -1 when cancelled.
  vandro_wait_color__deps: ['$VandroRequester'],
  vandro_wait_color: function(red, green, blue) {
    return Asyncify.handleSleep(function(wakeUp) {
      var input = document.createElement('input');
      input.type = 'color';
      input.value = '#' + (0x1000000 + (red << 16 | green << 8 | blue)).toString(16).slice(1);
      VandroRequester.open('Farbe', function(fields) {
        VandroRequester.field(fields, 'Farbe', input);
      }, [['OK', 'ok'], ['Abbrechen', 'cancel']], function(value) {
        wakeUp(value === 'ok' ? parseInt(input.value.slice(1), 16) : -1);
      });
    });
  },

  // A font preset with the face, the size in hundredths of a point and the style bits (1 bold,
  // 2 italic): answers the chosen face's length and writes its size and bits; -1 when cancelled.
  vandro_wait_font__deps: ['$VandroRequester'],
  vandro_wait_font: function(face, faceLength, hundredths, style, chosenHundredths, chosenStyle) {
    var preset = VandroRequester.read(face, faceLength);
    return Asyncify.handleSleep(function(wakeUp) {
      var family = document.createElement('input');
      var size = document.createElement('input');
      var bold = document.createElement('input');
      var italic = document.createElement('input');
      var sample = document.createElement('div');
      VandroRequester.open('Schriftart', function(fields) {
        var known = document.createElement('datalist');
        known.id = 'vandro-font-families';
        ['system-ui', 'sans-serif', 'serif', 'monospace', 'cursive', 'Arial', 'Times New Roman',
         'Courier New', 'Comic Sans MS', 'DejaVu Sans', 'Liberation Serif'].forEach(function(name) {
          var option = document.createElement('option');
          option.value = name;
          known.appendChild(option);
        });
        fields.appendChild(known);
        family.setAttribute('list', known.id);
        family.value = preset;
        family.required = true;
        size.type = 'number';
        size.min = 1;
        size.max = 400;
        size.step = 'any';
        size.required = true;
        size.value = hundredths / 100;
        bold.type = italic.type = 'checkbox';
        bold.checked = !!(style & 1);
        italic.checked = !!(style & 2);
        VandroRequester.field(fields, 'Schrift', family);
        VandroRequester.field(fields, 'Grösse (Punkt)', size);
        VandroRequester.field(fields, 'Fett', bold);
        VandroRequester.field(fields, 'Kursiv', italic);
        sample.className = 'vandro-sample';
        sample.textContent = 'Vandro \u2660\u2665 AaBbYyZz';
        fields.appendChild(sample);
        var show = function() {
          sample.style.fontFamily = '"' + family.value + '", sans-serif';
          sample.style.fontSize = (+size.value || 0) * 96 / 72 + 'px';
          sample.style.fontWeight = bold.checked ? 'bold' : 'normal';
          sample.style.fontStyle = italic.checked ? 'italic' : 'normal';
        };
        fields.addEventListener('input', show);
        show();
      }, [['OK', 'ok'], ['Abbrechen', 'cancel']], function(value) {
        if (value !== 'ok')
          return wakeUp(-1);
        HEAP32[chosenHundredths >> 2] = Math.round(+size.value * 100);
        HEAP32[chosenStyle >> 2] = (bold.checked ? 1 : 0) | (italic.checked ? 2 : 0);
        wakeUp(VandroRequester.hand(family.value.trim()));
      });
    });
  },

#if FILESYSTEM
  // Once the program closes the file it wrote, its bytes are offered as a download.
  $VandroOfferWhenWritten__deps: ['$VandroRequester', '$FS'],
  $VandroOfferWhenWritten: function(path, name) {
    FS.writeFile(path, new Uint8Array(0));
    var node = FS.lookupPath(path).node;
    var own = node.stream_ops;
    node.stream_ops = Object.assign({}, own, {
      write: function() {
        node.vandroWritten = true;
        return own.write.apply(this, arguments);
      },
      close: function(stream) {
        if (own.close)
          own.close(stream);
        if (!node.vandroWritten)
          return;
        node.vandroWritten = false;
        var bytes = FS.readFile(path);
        VandroRequester.offered.push({name: name, bytes: bytes});
        var link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([bytes]));
        link.download = name;
        link.click();
        setTimeout(function() { URL.revokeObjectURL(link.href); }, 60000);
      }
    });
  },

  // A file to open, read into the program's files: answers the length of its path there; -1
  // when cancelled.
  vandro_wait_file_open__deps: ['$VandroRequester', '$FS'],
  vandro_wait_file_open: function(title, titleLength, extensions, extensionsLength) {
    var heading = VandroRequester.read(title, titleLength) || 'Öffnen';
    var accept = VandroRequester.accept(VandroRequester.read(extensions, extensionsLength));
    return Asyncify.handleSleep(function(wakeUp) {
      var path = null;
      var input = document.createElement('input');
      input.type = 'file';
      if (accept)
        input.accept = accept;
      var dialog = VandroRequester.open(heading, function(fields) {
        VandroRequester.field(fields, 'Datei', input);
      }, [['Abbrechen', 'cancel']], function() {
        wakeUp(path === null ? -1 : VandroRequester.hand(path));
      });
      input.addEventListener('change', function() {
        var file = input.files[0];
        if (!file)
          return;
        file.arrayBuffer().then(function(bytes) {
          FS.mkdirTree('/uploads');
          path = '/uploads/' + file.name.replace(/\//g, '_');
          FS.writeFile(path, new Uint8Array(bytes));
          dialog.close('ok');
        }, function() { dialog.close('cancel'); });
      });
    });
  },

  // A file to save under the name given (the name of the path asked with): answers the length
  // of its path in the program's files; -1 when cancelled.
  vandro_wait_file_save__deps: ['$VandroRequester', '$FS', '$VandroOfferWhenWritten'],
  vandro_wait_file_save: function(title, titleLength, proposed, proposedLength) {
    var heading = VandroRequester.read(title, titleLength) || 'Speichern';
    var given = VandroRequester.read(proposed, proposedLength).split(/[\\/]/).pop();
    return Asyncify.handleSleep(function(wakeUp) {
      var name = document.createElement('input');
      VandroRequester.open(heading, function(fields) {
        name.value = given;
        name.required = true;
        VandroRequester.field(fields, 'Dateiname', name);
      }, [['Speichern', 'ok'], ['Abbrechen', 'cancel']], function(value) {
        if (value !== 'ok')
          return wakeUp(-1);
        // A name, not a path: the download goes where the browser puts downloads.
        var file = name.value.replace(/[\\/]/g, '_');
        FS.mkdirTree('/downloads');
        var path = '/downloads/' + file;
        VandroOfferWhenWritten(path, file);
        wakeUp(VandroRequester.hand(path));
      });
    });
  }
#else
  // A program built without files has nowhere to keep one: its file requesters answer at once,
  // as cancelled.
  vandro_wait_file_open: function() { return -1; },
  vandro_wait_file_save: function() { return -1; }
#endif
};

mergeInto(LibraryManager.library, LibraryVandroRequesters);
