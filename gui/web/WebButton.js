// The page's half of a button: the image a push button shows in front of its text, or alone.
var LibraryVandroButton = {
  vandro_dom_button_image__deps: ['$VandroDom'],
  vandro_dom_button_image: function(handle, pixels, width, height, imageOnly, label, length) {
    var button = VandroDom.get(handle);
    if (!button)
      return;
    VandroDom.addStyle('button', [
      '.vandro-button.vandro-imaged{display:flex;align-items:center;gap:4px;padding:0 6px;}',
      '.vandro-button.vandro-image-only{justify-content:center;}',
      '.vandro-button > canvas{flex:none;}'
    ].join('\n'));
    // The text moves into a span of its own so that a new text leaves the image alone.
    if (!button.vandroText) {
      var text = document.createElement('span');
      text.append.apply(text, Array.from(button.childNodes));
      button.appendChild(text);
      button.vandroText = text;
    }
    var image = button.vandroImage;
    if (width && !image) {
      image = document.createElement('canvas');
      image.setAttribute('aria-hidden', 'true');
      button.insertBefore(image, button.vandroText);
      button.vandroImage = image;
    } else if (!width && image) {
      image.remove();
      button.vandroImage = image = null;
    }
    if (image) {
      image.width = width;
      image.height = height;
      var bytes = new Uint8ClampedArray(HEAPU8.subarray(pixels, pixels + 4 * width * height));
      image.getContext('2d').putImageData(new ImageData(bytes, width, height), 0, 0);
    }
    button.classList.toggle('vandro-imaged', !!image);
    button.classList.toggle('vandro-image-only', !!image && !!imageOnly);
    if (image && imageOnly)
      button.setAttribute('aria-label', VandroDom.text(label, length).replace(/&(.)/g, '$1'));
    else
      button.removeAttribute('aria-label');
  }
};

mergeInto(LibraryManager.library, LibraryVandroButton);
