// The page's half of the text field: an <input> (a password one for style bit 1) whose typing,
// Enter and lost focus go to the program, keys through the program's key filter first.
var LibraryVandroTextField = {
  vandro_field_make__deps: ['$VandroDom', '$VandroKeys'],
  vandro_field_make: function(handle, group, password) {
    VandroDom.addStyle('field', [
      '.vandro-field{font:inherit;padding:0 4px;background:#fff;color:#1c1c1c;border:1px solid #8d8d8d;border-radius:2px;}',
      '.vandro-field:focus{outline:none;border-color:#1a5fb4;box-shadow:inset 0 0 0 1px #1a5fb4;}',
      '.vandro-field:disabled{background:#f4f4f4;color:#8d8d8d;border-color:#c4c4c4;}'
    ].join('\n'));
    var field = document.createElement('input');
    field.type = password ? 'password' : 'text';
    field.className = 'vandro-control vandro-field';
    field.autocomplete = 'off';
    field.spellcheck = false;
    VandroKeys.filter(field, function(key, typed, modifiers) {
      return _vandro_web_field_key(handle, key, typed, modifiers);
    });
    field.addEventListener('input', function() {
      VandroDom.deliver(function() { return _vandro_web_field_changed(handle); });
    });
    field.addEventListener('blur', function() {
      VandroDom.deliver(function() { return _vandro_web_field_left(handle); });
    });
    VandroDom.elements.set(handle, field);
    (VandroDom.get(group) || VandroDom.desktop()).appendChild(field);
  },

  // The text, with the selection where it was inside it and the caret at the same end.
  vandro_field_set_text__deps: ['$VandroDom'],
  vandro_field_set_text: function(handle, pointer, length) {
    var field = VandroDom.get(handle);
    if (!field)
      return;
    var start = field.selectionStart, end = field.selectionEnd;
    var direction = field.selectionDirection;
    field.value = VandroDom.text(pointer, length);
    var size = field.value.length;
    field.setSelectionRange(Math.min(start, size), Math.min(end, size), direction);
  },

  // Writes up to capacity units of the text and answers its length.
  vandro_field_text__deps: ['$VandroDom'],
  vandro_field_text: function(handle, buffer, capacity) {
    var field = VandroDom.get(handle);
    var text = field ? field.value : '';
    for (var at = 0; at < Math.min(text.length, capacity); ++at)
      HEAPU16[(buffer >> 1) + at] = text.charCodeAt(at);
    return text.length;
  },

  // The whole text (all 1), or none with the caret at the start.
  vandro_field_select__deps: ['$VandroDom'],
  vandro_field_select: function(handle, all) {
    var field = VandroDom.get(handle);
    if (field && all)
      field.select();
    else if (field)
      field.setSelectionRange(0, 0);
  }
};

mergeInto(LibraryManager.library, LibraryVandroTextField);
