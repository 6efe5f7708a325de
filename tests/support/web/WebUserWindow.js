// The page's half of the web user's window drags: the press, the moves and the release go out
// to the browser's driver as one real drag, from the middle of the part grabbed.
var LibraryVandroUserWindow = {
  vandro_wait_user_drag__deps: ['$VandroUser'],
  vandro_wait_user_drag: function(handle, part, dx, dy) {
    return Asyncify.handleSleep(function(wakeUp) {
      var frame = VandroDom.get(handle);
      var grip = frame && (part ? frame.querySelector('.vandro-edge-se') :
                                  frame.querySelector('.vandro-title > span'));
      if (!VandroUser.shown(grip) || frame.classList.contains('vandro-minimised'))
        return wakeUp(0);
      // Whole pixels, so that the frame moves by exactly the distance dragged.
      var at = VandroUser.centre(grip).map(Math.round);
      VandroUser.act({kind: 'drag', x: at[0], y: at[1], toX: at[0] + dx, toY: at[1] + dy},
                     wakeUp);
    });
  },

  vandro_user_icon_width__deps: ['$VandroUser'],
  vandro_user_icon_width: function(handle) {
    var frame = VandroDom.get(handle);
    return frame && frame.vandroIcon ? frame.vandroIcon.width : 0;
  }
};

mergeInto(LibraryManager.library, LibraryVandroUserWindow);
