// The page's half of the text area: an editable element of plain text runs, each a text node or
// a <span> with the run's style, line breaks kept as "\n" in the text. Positions count UTF-16
// units of that text. The element keeps its own selection for the times the page's selection is
// elsewhere, and gives it back when it takes the focus.
var LibraryVandroTextArea = {
  $VandroArea__deps: ['$VandroDom', '$VandroKeys'],
  $VandroArea: {
    style: [
      '.vandro-area{background:#fff;color:#1c1c1c;border:1px solid #8d8d8d;padding:2px 4px;overflow:auto;white-space:pre;outline:none;cursor:text;tab-size:8;}',
      '.vandro-area.vandro-wrap{white-space:pre-wrap;overflow-wrap:anywhere;}',
      '.vandro-area:focus{border-color:#1a5fb4;}',
      '.vandro-area[aria-disabled=true]{background:#f4f4f4;color:#8d8d8d;border-color:#c4c4c4;}'
    ].join('\n'),
    // The text the page put on the clipboard last or read from it: what a paste falls back on
    // where the page may not read the clipboard.
    clipboard: '',
    // Where (node, offset) is in the area's text.
    offsetOf: function(area, node, offset) {
      var range = document.createRange();
      range.setStart(area, 0);
      range.setEnd(node, offset);
      return range.toString().length;
    },
    // The node and offset at a position in the text, inside the text node it falls in.
    pointAt: function(area, offset) {
      var walker = document.createTreeWalker(area, NodeFilter.SHOW_TEXT);
      var last = null;
      for (var node = walker.nextNode(); node; node = walker.nextNode()) {
        if (offset <= node.length)
          return [node, offset];
        offset -= node.length;
        last = node;
      }
      return last ? [last, last.length] : [area, 0];
    },
    // The page's selection while it is inside the area, else the one the area kept: anchor and
    // focus positions.
    selection: function(area) {
      var chosen = getSelection();
      if (chosen.rangeCount && area.contains(chosen.anchorNode) && area.contains(chosen.focusNode))
        area.vandroSelection = [VandroArea.offsetOf(area, chosen.anchorNode, chosen.anchorOffset),
                                VandroArea.offsetOf(area, chosen.focusNode, chosen.focusOffset)];
      return area.vandroSelection;
    },
    // Shows the kept selection where the area has the focus.
    showSelection: function(area, scroll) {
      if (document.activeElement !== area)
        return;
      var from = VandroArea.pointAt(area, area.vandroSelection[0]);
      var to = VandroArea.pointAt(area, area.vandroSelection[1]);
      getSelection().setBaseAndExtent(from[0], from[1], to[0], to[1]);
      if (scroll)
        VandroArea.scrollTo(area, to);
    },
    scrollTo: function(area, point) {
      var range = document.createRange();
      range.setStart(point[0], point[1]);
      var caret = range.getClientRects()[0];
      if (!caret)
        return;
      var box = area.getBoundingClientRect();
      if (caret.bottom > box.bottom - area.clientTop)
        area.scrollTop += caret.bottom - box.bottom + area.clientTop;
      else if (caret.top < box.top + area.clientTop)
        area.scrollTop -= box.top + area.clientTop - caret.top;
    },
    // The node and offset of the caret position under a point of the page, null for none.
    caretAt: function(x, y) {
      if (document.caretPositionFromPoint) {
        var position = document.caretPositionFromPoint(x, y);
        return position && [position.offsetNode, position.offset];
      }
      var range = document.caretRangeFromPoint && document.caretRangeFromPoint(x, y);
      return range && [range.startContainer, range.startOffset];
    },
    // The text as runs of one style each (the CSS of its span, "" for none).
    runs: function(area) {
      return Array.from(area.childNodes).map(function(node) {
        return {text: node.textContent, style: node.nodeType === Node.ELEMENT_NODE &&
                                               node.getAttribute('style') || ''};
      });
    },
    // The runs cut at a position: those before it and those from it on.
    split: function(runs, offset) {
      var before = [], after = [];
      runs.forEach(function(run) {
        var cut = Math.max(0, Math.min(run.text.length, offset));
        if (cut > 0)
          before.push({text: run.text.slice(0, cut), style: run.style});
        if (cut < run.text.length)
          after.push({text: run.text.slice(cut), style: run.style});
        offset -= run.text.length;
      });
      return [before, after];
    },
    // Puts the runs in place of the area's nodes, a run next to one of its style joined to it.
    build: function(area, runs) {
      var nodes = [];
      runs.forEach(function(run) {
        var previous = nodes[nodes.length - 1];
        if (previous && previous.style === run.style)
          previous.text += run.text;
        else if (run.text)
          nodes.push({text: run.text, style: run.style});
      });
      area.replaceChildren.apply(area, nodes.map(function(run) {
        if (!run.style)
          return document.createTextNode(run.text);
        var span = document.createElement('span');
        span.setAttribute('style', run.style);
        span.textContent = run.text;
        return span;
      }));
      // A final line break shows the empty line after it.
      if (area.textContent.endsWith('\n'))
        area.appendChild(document.createElement('br'));
    },
    // Replaces [start, end) with text; a selection end after the span moves with the text
    // after it, one inside it goes to its start.
    replace: function(area, start, end, text) {
      var kept = VandroArea.selection(area);
      var head = VandroArea.split(VandroArea.runs(area), start)[0];
      var tail = VandroArea.split(VandroArea.runs(area), end)[1];
      VandroArea.build(area, head.concat([{text: text, style: ''}], tail));
      area.vandroSelection = kept.map(function(at) {
        return at <= start ? at : at >= end ? at + text.length - (end - start) : start;
      });
      VandroArea.showSelection(area, false);
    },
    restyle: function(area, start, end, style) {
      var kept = VandroArea.selection(area).slice();
      var parts = VandroArea.split(VandroArea.runs(area), start);
      var middle = VandroArea.split(parts[1], end - start);
      VandroArea.build(area, parts[0].concat(middle[0].map(function(run) {
        return {text: run.text, style: style};
      }), middle[1]));
      area.vandroSelection = kept;
      VandroArea.showSelection(area, false);
    },
    // What the user's edit puts in place of the selection, as one change.
    insert: function(area, handle, text) {
      var kept = VandroArea.selection(area);
      var start = Math.min(kept[0], kept[1]), end = Math.max(kept[0], kept[1]);
      VandroArea.replace(area, start, end, text);
      area.vandroSelection = [start + text.length, start + text.length];
      VandroArea.showSelection(area, true);
      VandroDom.deliver(function() { return _vandro_web_area_changed(handle); });
    },
    // The page's selection moved: the area it is in reports it.
    selectionMoved: function() {
      var chosen = getSelection();
      var node = chosen.rangeCount ? chosen.anchorNode : null;
      var element = node && (node.nodeType === Node.ELEMENT_NODE ? node : node.parentElement);
      var area = element && element.closest('.vandro-area');
      if (area && area.vandroHandle)
        VandroDom.deliver(function() { return _vandro_web_area_selected(area.vandroHandle); });
    },
    // Reads or writes the page's clipboard, and calls done with the text read (null for none)
    // once the browser has. A page may use the clipboard only where the browser lets it (a
    // secure page, given the permission): elsewhere the area keeps the text to itself.
    clipboardRead: function(done) {
      var fallback = function() { done(VandroArea.clipboard || null); };
      if (!navigator.clipboard || !navigator.clipboard.readText)
        return fallback();
      navigator.clipboard.readText().then(function(text) {
        VandroArea.clipboard = text;
        done(text);
      }, fallback);
    },
    clipboardWrite: function(text, done) {
      VandroArea.clipboard = text;
      if (!navigator.clipboard || !navigator.clipboard.writeText)
        return done();
      navigator.clipboard.writeText(text).then(done, done);
    },
    // Runs job(done, now) and answers what it passes to done. The program waits while the
    // browser handles the clipboard, unless it is inside an event of the page that another
    // wait holds up: then the job must answer now, from what the page kept.
    wait: function(job) {
      if (Asyncify.currData && Asyncify.state === Asyncify.State.Normal) {
        var answer = 0;
        job(function(value) { answer = value; }, true);
        return answer;
      }
      return Asyncify.handleSleep(function(wakeUp) { job(wakeUp, false); });
    }
  },

  vandro_area_make__deps: ['$VandroArea'],
  vandro_area_make: function(handle, group, wrap, readOnly) {
    if (!VandroArea.listening) {
      VandroArea.listening = true;
      document.addEventListener('selectionchange', VandroArea.selectionMoved);
    }
    VandroDom.addStyle('area', VandroArea.style);
    var area = document.createElement('div');
    area.className = 'vandro-control vandro-area' + (wrap ? ' vandro-wrap' : '');
    area.setAttribute('role', 'textbox');
    area.setAttribute('aria-multiline', 'true');
    if (readOnly)
      area.setAttribute('aria-readonly', 'true');
    area.contentEditable = 'true';
    area.spellcheck = false;
    area.vandroHandle = handle;
    area.vandroSelection = [0, 0];
    // The keys a read-only area lets through still pass the program's filter.
    VandroKeys.filter(area, function(key, typed, modifiers) {
      return _vandro_web_area_key(handle, key, typed, modifiers);
    });
    // Line breaks go in as "\n", pastes as plain text; drops, undo and the browser's own
    // formatting change nothing. A read-only area takes none of the user's changes.
    area.addEventListener('beforeinput', function(event) {
      var type = event.inputType;
      var text = type === 'insertParagraph' || type === 'insertLineBreak' ? '\n'
                 : type === 'insertFromPaste' && event.dataTransfer
                 ? event.dataTransfer.getData('text/plain').replace(/\r\n?/g, '\n') : null;
      if (readOnly || text !== null || type.startsWith('format') || type === 'insertFromDrop' ||
          type === 'historyUndo' || type === 'historyRedo')
        event.preventDefault();
      if (!readOnly && text)
        VandroArea.insert(area, handle, text);
    });
    area.addEventListener('input', function() {
      VandroDom.deliver(function() { return _vandro_web_area_changed(handle); });
    });
    // A focus from the keyboard or the program shows the selection the area kept; a click puts
    // its own.
    area.addEventListener('pointerdown', function(event) { area.vandroPressed = event.button === 0; });
    area.addEventListener('pointerup', function() { area.vandroPressed = false; });
    area.addEventListener('focus', function() {
      if (!area.vandroPressed)
        VandroArea.showSelection(area, true);
      area.vandroPressed = false;
    });
    area.addEventListener('blur', function() {
      VandroDom.deliver(function() { return _vandro_web_area_left(handle); });
    });
    // The right button keeps a selection; without one it puts the caret at the click. Then the
    // program shows its menu, not the browser.
    area.addEventListener('mousedown', function(event) {
      if (event.button !== 2)
        return;
      event.preventDefault();
      area.focus({preventScroll: true});
      var kept = VandroArea.selection(area);
      if (kept[0] !== kept[1])
        return;
      var at = VandroArea.caretAt(event.clientX, event.clientY);
      if (at && area.contains(at[0]))
        getSelection().collapse(at[0], at[1]);
    });
    area.addEventListener('contextmenu', function(event) {
      event.preventDefault();
      var box = area.getBoundingClientRect();
      var x = Math.round(event.clientX - box.left - area.clientLeft);
      var y = Math.round(event.clientY - box.top - area.clientTop);
      VandroDom.deliver(function() { return _vandro_web_area_menu(handle, x, y); });
    });
    area.addEventListener('copy', function() { VandroArea.clipboard = getSelection().toString(); });
    area.addEventListener('cut', function() { VandroArea.clipboard = getSelection().toString(); });
    VandroDom.elements.set(handle, area);
    (VandroDom.get(group) || VandroDom.desktop()).appendChild(area);
  },

  vandro_area_length__deps: ['$VandroArea'],
  vandro_area_length: function(handle) {
    var area = VandroDom.get(handle);
    return area ? area.textContent.length : 0;
  },

  // Writes [start, end) of the text.
  vandro_area_text__deps: ['$VandroArea'],
  vandro_area_text: function(handle, start, end, buffer) {
    var area = VandroDom.get(handle);
    var text = area ? area.textContent.slice(start, end) : '';
    for (var at = 0; at < text.length; ++at)
      HEAPU16[(buffer >> 1) + at] = text.charCodeAt(at);
    return text.length;
  },

  vandro_area_replace__deps: ['$VandroArea'],
  vandro_area_replace: function(handle, start, end, pointer, length) {
    var area = VandroDom.get(handle);
    if (area)
      VandroArea.replace(area, start, end, VandroDom.text(pointer, length));
  },

  // Writes the anchor and the focus of the selection.
  vandro_area_selection__deps: ['$VandroArea'],
  vandro_area_selection: function(handle, ends) {
    var area = VandroDom.get(handle);
    var kept = area ? VandroArea.selection(area) : [0, 0];
    HEAP32[ends >> 2] = kept[0];
    HEAP32[(ends >> 2) + 1] = kept[1];
  },

  vandro_area_select__deps: ['$VandroArea'],
  vandro_area_select: function(handle, start, end, scroll) {
    var area = VandroDom.get(handle);
    if (!area)
      return;
    area.vandroSelection = [start, end];
    VandroArea.showSelection(area, !!scroll);
  },

  // Colour 0xBBGGRR; flags 1 bold, 2 italic, 4 underline, 8 strike-through.
  vandro_area_style__deps: ['$VandroArea'],
  vandro_area_style: function(handle, start, end, colour, flags) {
    var area = VandroDom.get(handle);
    if (!area)
      return;
    var rgb = ((colour & 0xff) << 16) | (colour & 0xff00) | ((colour >> 16) & 0xff);
    var lines = (flags & 4 ? ' underline' : '') + (flags & 8 ? ' line-through' : '');
    VandroArea.restyle(area, start, end,
                       'color:#' + (0x1000000 + rgb).toString(16).slice(1) +
                       (flags & 1 ? ';font-weight:bold' : '') +
                       (flags & 2 ? ';font-style:italic' : '') +
                       (lines ? ';text-decoration:' + lines.trim() : ''));
  },

  // The default tab stop and the margins, in pixels.
  vandro_area_tabs__deps: ['$VandroArea'],
  vandro_area_tabs: function(handle, pixels) {
    var area = VandroDom.get(handle);
    if (area)
      area.style.tabSize = pixels + 'px';
  },
  vandro_area_margins__deps: ['$VandroArea'],
  vandro_area_margins: function(handle, margin) {
    var area = VandroDom.get(handle);
    if (area)
      area.style.paddingLeft = area.style.paddingRight = margin + 'px';
  },

  // Where the character at the position starts, from the top-left corner of the text: x (0)
  // or y (1).
  vandro_area_char_place__deps: ['$VandroArea'],
  vandro_area_char_place: function(handle, offset, which) {
    var area = VandroDom.get(handle);
    if (!area)
      return 0;
    var point = VandroArea.pointAt(area, offset);
    var range = document.createRange();
    range.setStart(point[0], point[1]);
    var place = range.getClientRects()[0] || area.getBoundingClientRect();
    var box = area.getBoundingClientRect();
    return Math.round(which ? place.top - box.top - area.clientTop + area.scrollTop
                            : place.left - box.left - area.clientLeft + area.scrollLeft);
  },

  vandro_area_editable__deps: ['$VandroArea'],
  vandro_area_editable: function(handle, editable) {
    var area = VandroDom.get(handle);
    if (area)
      area.contentEditable = editable ? 'true' : 'false';
  },

  // The selection's text to the clipboard.
  vandro_wait_area_copy__deps: ['$VandroArea'],
  vandro_wait_area_copy: function(handle) {
    var area = VandroDom.get(handle);
    var kept = area ? VandroArea.selection(area) : [0, 0];
    var text = area ? area.textContent.slice(Math.min(kept[0], kept[1]), Math.max(kept[0], kept[1])) : '';
    return VandroArea.wait(function(done) {
      VandroArea.clipboardWrite(text, function() { done(0); });
    });
  },

  // Reads the clipboard: answers the length of its text, -1 when it holds none; the text itself
  // comes with vandro_area_clipboard_text.
  vandro_wait_area_clipboard__deps: ['$VandroArea'],
  vandro_wait_area_clipboard: function() {
    return VandroArea.wait(function(done, now) {
      var take = function(text) {
        VandroArea.taken = text === null ? '' : text;
        done(text === null ? -1 : text.length);
      };
      if (now)
        take(VandroArea.clipboard || null);
      else
        VandroArea.clipboardRead(take);
    });
  },
  vandro_area_clipboard_text__deps: ['$VandroArea'],
  vandro_area_clipboard_text: function(buffer, capacity) {
    var text = VandroArea.taken || '';
    for (var at = 0; at < Math.min(text.length, capacity); ++at)
      HEAPU16[(buffer >> 1) + at] = text.charCodeAt(at);
  },

  vandro_wait_area_put_clipboard__deps: ['$VandroArea'],
  vandro_wait_area_put_clipboard: function(pointer, length) {
    var text = VandroDom.text(pointer, length);
    return VandroArea.wait(function(done) {
      VandroArea.clipboardWrite(text, function() { done(0); });
    });
  }
};

mergeInto(LibraryManager.library, LibraryVandroTextArea);
