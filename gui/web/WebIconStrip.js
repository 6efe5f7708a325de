// The page's half of the icon strips: an element keeps its strip's picture as an image, and an
// icon is a square of it shown as a span's background.
var LibraryVandroIcons = {
  $VandroIcons__deps: ['$VandroDom'],
  $VandroIcons: {
    // Shows the icon of the owner's strip in the span; none for -1 or an icon past the strip.
    show: function(span, owner, icon) {
      var strip = owner.vandroStrip;
      var shown = !!strip && icon >= 0 && icon < strip.count;
      span.hidden = !shown;
      span.style.backgroundImage = shown ? 'url(' + strip.url + ')' : '';
      span.style.backgroundPosition = shown ? (-icon * strip.side) + 'px 0' : '';
      span.style.width = span.style.height = shown ? strip.side + 'px' : '';
    }
  },

  vandro_dom_icon_strip__deps: ['$VandroIcons'],
  vandro_dom_icon_strip: function(handle, pixels, width, height, pitch) {
    var owner = VandroDom.get(handle);
    if (!owner)
      return;
    if (!width || !height) {
      owner.vandroStrip = null;
      return;
    }
    var canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    var context = canvas.getContext('2d');
    var image = context.createImageData(width, height);
    for (var y = 0; y < height; ++y)
      image.data.set(HEAPU8.subarray(pixels + y * pitch, pixels + y * pitch + width * 4),
                     y * width * 4);
    context.putImageData(image, 0, 0);
    owner.vandroStrip = {url: canvas.toDataURL(), side: height, count: Math.floor(width / height)};
  }
};

mergeInto(LibraryManager.library, LibraryVandroIcons);
