// The web user's HTML views: a link the user clicks in the view's page, once the page is shown.
var LibraryVandroUserHtml = {
  $VandroUserHtml__deps: ['$VandroUser', '$VandroHtml'],
  $VandroUserHtml: {
    // Calls back once the frame is loading no more, or after ten seconds.
    settled: function(frame, then) {
      var until = Date.now() + 10000;
      (function look() {
        if (!frame.vandroLoading || Date.now() > until)
          then();
        else
          setTimeout(look, 10);
      })();
    }
  },

  // Puts a link to the address into the page the view shows and clicks it; 0 when the view is
  // not shown or its page is closed to the program's.
  vandro_wait_user_follow_link__deps: ['$VandroUserHtml'],
  vandro_wait_user_follow_link: function(handle, pointer, length) {
    var address = VandroDom.text(pointer, length);
    return Asyncify.handleSleep(function(wakeUp) {
      var frame = VandroDom.get(handle);
      if (!VandroUser.shown(frame))
        return wakeUp(0);
      VandroUserHtml.settled(frame, function() {
        var page = VandroHtml.document(frame);
        if (!page || !page.body)
          return wakeUp(0);
        var link = page.createElement('a');
        link.href = address;
        link.textContent = 'Weiter';
        link.style.cssText = 'position:fixed;left:4px;top:4px;';
        page.body.appendChild(link);
        var outer = frame.getBoundingClientRect();
        var inner = link.getBoundingClientRect();
        var x = outer.left + frame.clientLeft + inner.left + inner.width / 2;
        var y = outer.top + frame.clientTop + inner.top + inner.height / 2;
        VandroUser.act({kind: 'click', x: x, y: y, button: 0, clicks: 1}, function(done) {
          link.remove();
          VandroUserHtml.settled(frame, function() { wakeUp(done); });
        });
      });
    });
  }
};

mergeInto(LibraryManager.library, LibraryVandroUserHtml);
