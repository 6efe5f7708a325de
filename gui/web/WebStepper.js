// The page's half of the web stepper: a spin button, a box of two arrow buttons that a screen
// reader reads as one control with the value and range of the slider. The arrows and the arrow
// keys hand a step of one to vandro_web_stepper_step; the program keeps the value.
var LibraryVandroStepper = {
  $VandroStepper__deps: ['$VandroDom'],
  $VandroStepper: {
    style: [
      '.vandro-stepper{display:flex;flex-direction:column-reverse;outline:none;}',
      '.vandro-stepper.vandro-horizontal{flex-direction:row;}',
      '.vandro-stepper:focus-visible{outline:1px dotted #1a5fb4;outline-offset:-1px;}',
      '.vandro-stepper > button{flex:1;min-width:0;min-height:0;padding:0;margin:0;font-size:8px;line-height:1;color:#303030;}',
      '.vandro-stepper[aria-disabled=true] > button{color:#a0a0a0;}'
    ].join('\n'),
    step: function(element, by) {
      if (element.getAttribute('aria-disabled') === 'true')
        return;
      VandroDom.deliver(function() { return _vandro_web_stepper_step(element.vandroHandle, by); });
    }
  },

  vandro_stepper_make__deps: ['$VandroStepper'],
  vandro_stepper_make: function(handle, group, horizontal) {
    VandroDom.addStyle('stepper', VandroStepper.style);
    var element = document.createElement('div');
    element.className = 'vandro-control vandro-stepper';
    element.classList.toggle('vandro-horizontal', !!horizontal);
    element.setAttribute('role', 'spinbutton');
    element.tabIndex = -1;
    element.vandroHandle = handle;
    // The lowering arrow first: below the raising one, or left of it.
    element.vandroArrows = [[-1, horizontal ? '\u25C0' : '\u25BC'],
                            [1, horizontal ? '\u25B6' : '\u25B2']].map(function(arrow) {
      var button = document.createElement('button');
      button.type = 'button';
      button.tabIndex = -1;
      button.setAttribute('aria-hidden', 'true');
      button.textContent = arrow[1];
      button.addEventListener('click', function() {
        element.focus({preventScroll: true});
        VandroStepper.step(element, arrow[0]);
      });
      element.appendChild(button);
      return button;
    });
    element.addEventListener('keydown', function(event) {
      var by = {ArrowUp: 1, ArrowRight: 1, ArrowDown: -1, ArrowLeft: -1}[event.key];
      if (!by)
        return;
      event.preventDefault();
      event.stopPropagation();
      VandroStepper.step(element, by);
    });
    VandroDom.elements.set(handle, element);
    (VandroDom.get(group) || VandroDom.desktop()).appendChild(element);
  },

  vandro_stepper_show__deps: ['$VandroStepper'],
  vandro_stepper_show: function(handle, lowest, highest, value) {
    var element = VandroDom.get(handle);
    if (!element)
      return;
    element.setAttribute('aria-valuemin', lowest);
    element.setAttribute('aria-valuemax', highest);
    element.setAttribute('aria-valuenow', value);
  }
};

mergeInto(LibraryManager.library, LibraryVandroStepper);
