// The page's half of the HTML view (WebHTMLView.cpp): an <iframe>. The browser lets the page see
// into a document of its own origin only: there the view watches the document's navigations
// (the Navigation API's navigate event) and the links to the program's files (which the browser
// refuses to follow from a web page before any navigation starts) and asks the program whether
// each may go on. A document of another origin is a closed box: its links and scripts navigate
// it unseen and unstopped, its address stays the one the view was sent to, and script cannot
// run in it; the view sees only that a document finished loading there.
var LibraryVandroHtmlView = {
  $VandroHtml__deps: ['$VandroDom',
#if FILESYSTEM
                       '$FS'
#endif
                      ],
  $VandroHtml: {
    // A text handed over to the program in two steps: its length first, then its units.
    text: '',
    hand: function(text) {
      VandroHtml.text = text;
      return text.length;
    },
    style: [
      '.vandro-html{border:1px solid #a0a0a0;background:#fff;}',
      '.vandro-html[aria-disabled=true]{pointer-events:none;opacity:.6;}'
    ].join('\n'),
    // The document of the frame when the browser lets the page see it, else null.
    document: function(frame) {
      try {
        return frame.contentDocument;
      } catch (error) {
        return null;
      }
    },
    // An address of the program's files: "file:" with an absolute path.
    filePath: function(address) {
      if (!/^file:/i.test(address))
        return null;
      try {
        return decodeURIComponent(new URL(address).pathname);
      } catch (error) {
        return null;
      }
    },
    type: function(path) {
      var extension = (path.match(/\.([^./]+)$/) || ['', ''])[1].toLowerCase();
      return {html: 'text/html', htm: 'text/html', png: 'image/png', gif: 'image/gif',
              jpg: 'image/jpeg', jpeg: 'image/jpeg', svg: 'image/svg+xml'}[extension] ||
             'text/plain';
    },
    // The bytes of a file of the program's, null where there is none. A program built without
    // files has no pages of its own.
    readFile: function(path) {
#if FILESYSTEM
      try {
        return FS.readFile(path);
      } catch (error) {
        // None there.
      }
#endif
      return null;
    },
    // A page of the program's files: its links and images are resolved against its address.
    fileBlob: function(address) {
      var path = VandroHtml.filePath(address);
      var type = VandroHtml.type(path);
      var bytes = VandroHtml.readFile(path);
      if (!bytes)
        return new Blob(['<p>Die Seite ' + address.replace(/&/g, '&amp;').replace(/</g, '&lt;') +
                         ' wurde nicht gefunden.</p>'], {type: 'text/html;charset=utf-8'});
      if (type !== 'text/html')
        return new Blob([bytes], {type: type === 'text/plain' ? 'text/plain;charset=utf-8' : type});
      var html = new TextDecoder().decode(bytes);
      var base = '<base href="' + address.replace(/"/g, '%22') + '">';
      var doctype = html.match(/^\s*<!doctype[^>]*>/i);
      var at = doctype ? doctype[0].length : 0;
      return new Blob([html.slice(0, at) + base + html.slice(at)], {type: 'text/html;charset=utf-8'});
    },
    // Sends the frame to the address, a navigation already decided: the program's own, or one
    // the program let through. An about: address other than the blank page's holds the page.
    go: function(frame, address) {
      var source = address;
      if (frame.vandroBlob) {
        URL.revokeObjectURL(frame.vandroBlob);
        frame.vandroBlob = null;
      }
      var holds = /^about:/i.test(address) && address.toLowerCase() !== 'about:blank';
      if (holds || VandroHtml.filePath(address) !== null) {
        var blob = holds ? new Blob([address.slice(6)], {type: 'text/html;charset=utf-8'})
                         : VandroHtml.fileBlob(address);
        source = frame.vandroBlob = URL.createObjectURL(blob);
      }
      // The view shows the address it goes to, as a browser's address bar does.
      frame.vandroAddress = frame.vandroPending = address;
      frame.vandroLoading = true;
      // The navigate event of the document it leaves comes inside this assignment.
      frame.vandroDecided = true;
      frame.src = source;
      frame.vandroDecided = false;
    },
    // Asks the program about a navigation it did not start: true when it goes on.
    admits: function(frame, address) {
      return !VandroDom.deliver(function() {
        return _vandro_web_html_navigating(frame.vandroHandle, VandroHtml.hand(address));
      });
    },
    // Watches a document the browser lets the page see, once.
    watch: function(frame) {
      var page = VandroHtml.document(frame);
      if (!page)
        return;
      var view = page.defaultView;
      if (view && view.navigation && !view.vandroWatched) {
        view.vandroWatched = true;
        view.navigation.addEventListener('navigate', function(event) {
          if (frame.vandroDecided || !event.cancelable || event.hashChange ||
              event.downloadRequest)
            return;
          if (!VandroHtml.admits(frame, event.destination.url)) {
            event.preventDefault();
            return;
          }
          frame.vandroPending = event.destination.url;
          frame.vandroLoading = true;
        });
      }
      if (!page.vandroWatched) {
        page.vandroWatched = true;
        page.addEventListener('click', function(event) {
          var link = event.target.closest && event.target.closest('a[href]');
          if (!link || event.button !== 0 || VandroHtml.filePath(link.href) === null)
            return;
          event.preventDefault();
          if (VandroHtml.admits(frame, link.href))
            VandroHtml.go(frame, link.href);
        }, true);
      }
    },
    // The address of the document the frame shows now.
    shown: function(frame) {
      var page = VandroHtml.document(frame);
      var href = page ? page.defaultView.location.href : '';
      return href && !/^blob:/.test(href) && href !== 'about:blank' && href !== 'about:srcdoc'
                 ? href : frame.vandroPending;
    }
  },

  vandro_html_make__deps: ['$VandroHtml'],
  vandro_html_make: function(handle, group) {
    VandroDom.addStyle('html', VandroHtml.style);
    var frame = document.createElement('iframe');
    frame.className = 'vandro-control vandro-html';
    // Scripts and forms run in the page, but it opens no windows and leaves the program's page
    // where it is.
    frame.setAttribute('sandbox', 'allow-scripts allow-same-origin allow-forms');
    frame.vandroHandle = handle;
    frame.vandroAddress = 'about:blank';
    frame.vandroPending = 'about:blank';
    frame.vandroLoading = false;
    // The addresses the view has shown, and where it is among them.
    frame.vandroHistory = [];
    frame.vandroAt = -1;
    (VandroDom.get(group) || VandroDom.desktop()).appendChild(frame);
    VandroHtml.watch(frame);
    frame.addEventListener('load', function() {
      frame.vandroAddress = VandroHtml.shown(frame);
      frame.vandroLoading = false;
      if (frame.vandroStepping)
        frame.vandroStepping = false;
      else
        frame.vandroHistory.splice(++frame.vandroAt, Infinity, frame.vandroAddress);
      VandroHtml.watch(frame);
      VandroDom.deliver(function() { return _vandro_web_html_loaded(handle); });
    });
    VandroDom.elements.set(handle, frame);
  },

  vandro_html_navigate__deps: ['$VandroHtml'],
  vandro_html_navigate: function(handle, pointer, length) {
    var frame = VandroDom.get(handle);
    if (frame)
      VandroHtml.go(frame, VandroDom.text(pointer, length));
  },

  // Back (-1) or forward (1) through the addresses shown; answers 0 where there is none.
  vandro_html_step__deps: ['$VandroHtml'],
  vandro_html_step: function(handle, step) {
    var frame = VandroDom.get(handle);
    var to = frame ? frame.vandroAt + step : -1;
    if (!frame || to < 0 || to >= frame.vandroHistory.length)
      return 0;
    frame.vandroAt = to;
    frame.vandroStepping = true;
    VandroHtml.go(frame, frame.vandroHistory[to]);
    return 1;
  },

  vandro_html_address__deps: ['$VandroHtml'],
  vandro_html_address: function(handle) {
    var frame = VandroDom.get(handle);
    return VandroHtml.hand(frame ? frame.vandroAddress : '');
  },

  vandro_html_loading__deps: ['$VandroHtml'],
  vandro_html_loading: function(handle) {
    var frame = VandroDom.get(handle);
    return frame && frame.vandroLoading ? 1 : 0;
  },

  // The script's result when it is a string, else -1.
  vandro_html_run__deps: ['$VandroHtml'],
  vandro_html_run: function(handle, pointer, length) {
    var frame = VandroDom.get(handle);
    var page = frame && VandroHtml.document(frame);
    if (!page)
      return -1;
    try {
      var result = page.defaultView.eval(VandroDom.text(pointer, length));
      return typeof result === 'string' ? VandroHtml.hand(result) : -1;
    } catch (error) {
      return -1;
    }
  },

  // 1 cut, 2 copy, 3 paste as far as the page allows them, 12 print.
  vandro_html_command__deps: ['$VandroHtml'],
  vandro_html_command: function(handle, command) {
    var frame = VandroDom.get(handle);
    var page = frame && VandroHtml.document(frame);
    if (!page)
      return;
    if (command === 12)
      page.defaultView.print();
    else
      page.execCommand(['cut', 'copy', 'paste'][command - 1]);
  },

  vandro_html_text__deps: ['$VandroHtml'],
  vandro_html_text: function(buffer) {
    for (var at = 0; at < VandroHtml.text.length; ++at)
      HEAPU16[(buffer >> 1) + at] = VandroHtml.text.charCodeAt(at);
  }
};

mergeInto(LibraryManager.library, LibraryVandroHtmlView);
