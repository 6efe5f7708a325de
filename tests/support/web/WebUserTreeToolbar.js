// The page's half of the web user of trees and toolbars: clicks and drags on a tree item's
// parts and on a toolbar's buttons, and the rows and tips they show.
var LibraryVandroUserTreeToolbar = {
  $VandroUserTreeToolbar__deps: ['$VandroUser'],
  $VandroUserTreeToolbar: {
    // The part of an item's row: 0 its text, 1 its open-close button.
    part: function(handle, part) {
      var item = VandroDom.get(handle);
      return item && item.firstChild.querySelector(part ? '.vandro-twisty' : '.vandro-text');
    }
  },

  vandro_wait_user_click_node__deps: ['$VandroUserTreeToolbar'],
  vandro_wait_user_click_node: function(handle, part, button, clicks) {
    return Asyncify.handleSleep(function(wakeUp) {
      VandroUser.click(VandroUserTreeToolbar.part(handle, part), button, clicks, wakeUp);
    });
  },

  vandro_wait_user_drag_node__deps: ['$VandroUserTreeToolbar'],
  vandro_wait_user_drag_node: function(handle, target) {
    return Asyncify.handleSleep(function(wakeUp) {
      var from = VandroUserTreeToolbar.part(handle, 0);
      var to = VandroDom.get(target);
      to = to && (to.vandroClient || to);
      if (!VandroUser.shown(from) || !VandroUser.shown(to))
        return wakeUp(0);
      var start = VandroUser.centre(from), end = VandroUser.centre(to);
      VandroUser.act({kind: 'drag', x: start[0], y: start[1], toX: end[0], toY: end[1], button: 0},
                     wakeUp);
    });
  },

  vandro_user_node_state__deps: ['$VandroUserTreeToolbar'],
  vandro_user_node_state: function(handle) {
    var item = VandroDom.get(handle);
    if (!item || !item.isConnected)
      return 0;
    return (VandroUser.shown(item.firstChild) ? 1 : 0) |
           (item.getAttribute('aria-expanded') === 'true' ? 2 : 0) |
           (item.getAttribute('aria-selected') === 'true' ? 4 : 0);
  },

  vandro_user_tree_rows__deps: ['$VandroUserTreeToolbar'],
  vandro_user_tree_rows: function(handle, buffer, capacity) {
    var tree = VandroDom.get(handle);
    var rows = '';
    if (tree)
      tree.querySelectorAll('[role=treeitem]').forEach(function(item) {
        if (!VandroUser.shown(item.firstChild))
          return;
        var depth = 0;
        for (var at = item.parentElement; at !== tree; at = at.parentElement)
          if (at.getAttribute('role') === 'group')
            ++depth;
        rows += '  '.repeat(depth) + item.firstChild.lastChild.textContent + '\n';
      });
    return VandroUser.write(rows, buffer, capacity);
  },

  vandro_wait_user_click_tool__deps: ['$VandroUserTreeToolbar'],
  vandro_wait_user_click_tool: function(handle, index) {
    return Asyncify.handleSleep(function(wakeUp) {
      var bar = VandroDom.get(handle);
      var item = bar && bar.children[index];
      if (!item || item.getAttribute('role') === 'separator')
        return wakeUp(0);
      VandroUser.click(item, 0, 1, wakeUp);
    });
  },

  vandro_user_tool_tip__deps: ['$VandroUserTreeToolbar'],
  vandro_user_tool_tip: function(handle, index, buffer, capacity) {
    var bar = VandroDom.get(handle);
    var item = bar && bar.children[index];
    return VandroUser.write(item ? item.title : '', buffer, capacity);
  }
};

mergeInto(LibraryManager.library, LibraryVandroUserTreeToolbar);
