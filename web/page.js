// SPDX-FileCopyrightText: 2026 The Pelimor developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's side of the page: the calls the game's C++ makes into it (web/Page.h), and the
// player's clicks handed back. Only what the browser leaves to JavaScript: elements, pictures,
// the clock's timer, sound and the modal notice.

var PageLibrary = {
  $Page: {
    forms: {},      // name -> the form's element
    controls: {},   // name -> element
    looks: {},      // name -> the control's description
    cells: {},      // id -> {canvas, picture, numbers}
    rows: [],       // the board's row elements
    cellSide: 0,    // a cell's side in the window's pixels
    scales: [1],
    pictures: {},   // file -> a promise of its image
    busy: false,    // the game's C++ is handling an event, or waits on a notice
    audio: null,
    sounds: {},     // file -> a promise of its decoded cue, or of null when it will not play
    cue: null,      // the cue playing
    cueAsked: 0,    // cues asked for so far: only the last one asked for starts
    clock: 0,       // the clock's interval
    // As forms::Kind and forms::Fit number them.
    Kind: {ImageButton: 0, ToggleButton: 1, Label: 2, Panel: 3, Board: 4, Holder: 5, Slider: 6,
           Handle: 7},
    Fit: {Fixed: 0, ToText: 1, RightEdge: 2},
    LongPressMs: 500,  // a press held this long on a cell is the player's own mark

    // The device pixels to a pixel of the window: the screen's ratio, times the page's fit.
    ratio: function () { return window.devicePixelRatio * Page.fit; },
    fit: 1,
    // The drawn scale for the ratio: the nearest at or above it; past the largest, the largest.
    scale: function () {
      var r = Page.ratio();
      for (var i = 0; i < Page.scales.length; i++) {
        if (r <= Page.scales[i] + 1e-6) return Page.scales[i];
      }
      return Page.scales[Page.scales.length - 1];
    },
    file: function (name, scale) {
      return 'pictures/' + name + (scale === 1 ? '' : '@' + scale + 'x') + '.png';
    },
    picture: function (name) {
      var file = Page.file(name, Page.scale());
      if (!Page.pictures[file]) {
        Page.pictures[file] = new Promise(function (done) {
          var image = new Image();
          image.onload = function () { done(image); };
          image.onerror = function () { done(null); };
          image.src = file;
        });
      }
      return Page.pictures[file];
    },

    // Hands an event to the game's C++, one at a time: none while another is handled or a notice
    // waits on the player.
    call: function (name, types, args) {
      if (Page.busy) return;
      Page.busy = true;
      var done = function () { Page.busy = false; };
      var result = Module.ccall(name, null, types, args, {async: true});
      if (result && result.then) result.then(done, done); else done();
    },

    // A frame of a glyph with exactly the pixels of its bottom-left colour transparent, as a
    // canvas of the glyph's logical size at the screen's resolution.
    keyed: function (image, frame, side) {
      var canvas = document.createElement('canvas');
      canvas.width = canvas.height = side;
      var context = canvas.getContext('2d', {willReadFrequently: true});
      context.drawImage(image, frame * side, 0, side, side, 0, 0, side, side);
      var pixels = context.getImageData(0, 0, side, side);
      var d = pixels.data, k = (side - 1) * side * 4;
      for (var i = 0; i < d.length; i += 4) {
        if (d[i] === d[k] && d[i + 1] === d[k + 1] && d[i + 2] === d[k + 2]) d[i + 3] = 0;
      }
      context.putImageData(pixels, 0, 0);
      return canvas;
    },

    // A flat image button: its glyph at rest, and the grey frame shifted while pressed; a raised
    // edge under the pointer, a sunken one while pressed or down, a checker behind a toggle left
    // down.
    drawButton: function (button) {
      var look = Page.looks[button.id];
      return Page.picture(look.picture).then(function (image) {
        if (!image) return;
        var scale = Page.scale(), side = image.height;
        var strip = image.width === 4 * side;
        var frame = strip && button.classList.contains('pressed') ? 2 : 0;
        var glyph = Page.keyed(image, frame, side);
        var logical = Math.round(side / scale);
        glyph.style.width = glyph.style.height = logical + 'px';
        var sunken = button.classList.contains('pressed') || button.classList.contains('down');
        var shift = sunken ? 1 : 0;
        glyph.style.left = Math.floor((look.width - logical) / 2) + shift + 'px';
        glyph.style.top = Math.floor((look.height - logical) / 2) + shift + 'px';
        button.replaceChildren(glyph);
      });
    },

    labelLineHeight: 1.1172,  // ascent plus descent of the face: its top is the label's top

    makeControl: function (form, name, kind, parent, left, top, width, height) {
      var K = Page.Kind, element;
      if (kind === K.ImageButton || kind === K.ToggleButton || kind === K.Handle) {
        element = document.createElement('button');
        element.tabIndex = -1;
        element.className = kind === K.Handle ? 'handle' : 'flat';
      } else if (kind === K.Slider) {
        element = document.createElement('div');
        element.className = 'slider';
        element.setAttribute('role', 'slider');
        element.innerHTML = '<div class="groove"></div><div class="thumb"></div>';
      } else {
        element = document.createElement('div');
        element.className = ['', '', 'label', 'panel', 'board', 'holder'][kind];
      }
      if (kind === K.Board) element.setAttribute('role', 'grid');
      element.id = name;
      element.style.left = left + 'px';
      element.style.top = top + 'px';
      if (width > 0) element.style.width = width + 'px';
      if (height > 0) element.style.height = height + 'px';
      Page.looks[name] = {kind: kind, left: left, top: top, width: width, height: height};
      Page.controls[name] = element;
      (parent ? Page.controls[parent] : Page.forms[form]).appendChild(element);
      return element;
    },

    wireButton: function (button) {
      var look = Page.looks[button.id];
      button.addEventListener('pointerenter', function () { button.classList.add('hover'); });
      button.addEventListener('pointerleave', function () {
        button.classList.remove('hover');
        if (!button.classList.contains('pressed')) return;
        button.classList.remove('pressed');
        Page.drawButton(button);
      });
      button.addEventListener('pointerdown', function (event) {
        event.preventDefault();  // no keyboard focus: no key does anything
        if (button.id === 'sbtNumTreasures') Page.call('web_mouse_down', ['string'], [button.id]);
        if (event.button !== 0) return;
        button.classList.add('pressed');
        Page.drawButton(button);
      });
      button.addEventListener('pointerup', function () {
        if (!button.classList.contains('pressed')) return;
        button.classList.remove('pressed');
        Page.drawButton(button);
      });
      button.addEventListener('click', function (event) {
        // A screen reader's press comes as a click alone.
        if (button.id === 'sbtNumTreasures') {
          if (event.detail === 0) Page.call('web_mouse_down', ['string'], [button.id]);
          return;
        }
        Page.call('web_press', ['string'], [button.id]);
      });
    },

    // The board's cells, each a picture with the numbers drawn on it since.
    drawCell: function (cell) {
      var canvas = cell.canvas, scale = Page.scale();
      if (!cell.picture) return;
      Page.picture(cell.picture).then(function (image) {
        if (!image || !canvas.isConnected) return;
        var side = Math.round(Page.cellSide * scale);
        if (canvas.width !== side) canvas.width = canvas.height = side;
        var context = canvas.getContext('2d');
        context.setTransform(1, 0, 0, 1, 0, 0);
        context.drawImage(image, 0, 0, side, side);
        var unit = side / Page.cellSide;  // the numbers stand in window pixels
        context.setTransform(unit, 0, 0, unit, 0, 0);
        context.font = 'bold ' + Page.number.pixels + 'px "Pelimor Sans"';
        cell.numbers.forEach(function (n) {
          context.fillStyle = Page.colour(n.colour);
          for (var i = 0; i < n.times; i++) context.fillText(n.text, n.x, n.y + Page.number.ascent);
        });
      });
    },
    // The size whose face has ascent plus descent of 32 pixels, else the largest below, with
    // its ascent: the numbers stand where the desktop draws them.
    number: null,
    findNumberFont: function () {
      var context = document.createElement('canvas').getContext('2d');
      var best = {pixels: 1, ascent: 1};
      for (var pixels = 1; pixels <= 64; pixels++) {
        context.font = 'bold ' + pixels + 'px "Pelimor Sans"';
        var m = context.measureText('0');
        var ascent = Math.round(m.fontBoundingBoxAscent);
        var height = ascent + Math.round(m.fontBoundingBoxDescent);
        if (height === 32) return {pixels: pixels, ascent: ascent};
        if (height < 32) best = {pixels: pixels, ascent: ascent};
      }
      return best;
    },
    colour: function (hex) { return '#' + (0x1000000 + hex).toString(16).slice(1); },

    // The page fits the window to the viewport, never beyond its own size, and centres it.
    fitToViewport: function () {
      var form = Page.forms.Form1, game = document.getElementById('game');
      var fit = Math.min(1, window.innerWidth / form.offsetWidth,
                         window.innerHeight / form.offsetHeight);
      var before = Page.scale();
      Page.fit = fit;
      game.style.transform = fit < 1 ? 'scale(' + fit + ')' : '';
      game.style.left = Math.floor((window.innerWidth - form.offsetWidth * fit) / 2) + 'px';
      if (Page.scale() === before) return;
      Object.keys(Page.controls).forEach(function (name) {
        var control = Page.controls[name];
        if (Page.looks[name].picture && control.tagName === 'BUTTON') Page.drawButton(control);
      });
      Object.keys(Page.cells).forEach(function (id) { Page.drawCell(Page.cells[id]); });
    },

    openAt: function (element, button) {
      var b = Page.looks[button];
      element.style.left = b.left + 'px';
      element.style.top = b.top + b.height + 'px';
      element.hidden = false;
    },

    // The slider: a press on the thumb drags it, one on the track steps once toward the press,
    // its number shows beside the thumb while dragged.
    setSlider: function (value) {
      var slider = Page.controls.tbNumTreasures, s = Page.sliderState;
      s.value = Math.max(1, Math.min(s.maximum, value));
      var travel = slider.clientHeight - 12;
      var y = s.maximum > 1 ? (s.value - 1) * travel / (s.maximum - 1) : 0;
      slider.lastChild.style.top = Math.round(y) + 'px';
      slider.setAttribute('aria-valuenow', s.value);
      slider.setAttribute('aria-valuemax', s.maximum);
      return y;
    },
    sliderState: {value: 1, maximum: 4, dragging: false},
    wireSlider: function (slider) {
      slider.setAttribute('aria-valuemin', 1);
      var tip = document.getElementById('tip');
      var valueAt = function (event) {
        var s = Page.sliderState, rect = slider.getBoundingClientRect();
        var y = (event.clientY - rect.top) / Page.fit - 6;
        return 1 + Math.round(y * (s.maximum - 1) / (slider.clientHeight - 12));
      };
      slider.addEventListener('pointerdown', function (event) {
        event.preventDefault();
        if (event.button !== 0) return;
        var s = Page.sliderState, thumb = slider.lastChild.getBoundingClientRect();
        if (event.clientY >= thumb.top && event.clientY <= thumb.bottom) {
          s.dragging = true;
          slider.setPointerCapture(event.pointerId);
        } else {
          Page.setSlider(s.value + (event.clientY > thumb.bottom ? 1 : -1));
        }
      });
      slider.addEventListener('pointermove', function (event) {
        if (!Page.sliderState.dragging) return;
        var y = Page.setSlider(valueAt(event)), picker = slider.parentNode;
        tip.textContent = Page.sliderState.value;
        tip.style.left = picker.offsetLeft + slider.offsetLeft + slider.offsetWidth + 2 + 'px';
        tip.style.top = picker.offsetTop + slider.offsetTop + y + 'px';
        tip.hidden = false;
      });
      var drop = function () { Page.sliderState.dragging = false; tip.hidden = true; };
      slider.addEventListener('pointerup', drop);
      slider.addEventListener('pointercancel', drop);
    },

    playCue: function (name) {
      if (!Page.audio) return;
      var file = 'wav/' + name + '.wav';
      if (!Page.sounds[file]) {
        Page.sounds[file] = fetch(file)
          .then(function (r) { return r.ok ? r.arrayBuffer() : Promise.reject(); })
          .then(function (data) { return Page.audio.decodeAudioData(data); })
          .catch(function () { return null; });
      }
      var asked = ++Page.cueAsked;
      if (Page.cue) { Page.cue.stop(); Page.cue = null; }  // a new cue cuts off the last
      Page.sounds[file].then(function (buffer) {
        if (!buffer || asked !== Page.cueAsked) return;  // a missing file plays nothing
        var source = Page.audio.createBufferSource();
        source.buffer = buffer;
        source.connect(Page.audio.destination);
        source.start();
        Page.cue = source;
      });
    },
  },

  page_picture_scale: function (scale) {
    if (scale === 1) Page.scales = [];
    Page.scales.push(scale);
  },

  page_form: function (form, caption, width, height, colour, opacity, hint, name) {
    form = UTF8ToString(form);
    var element = document.getElementById(form);
    element.style.width = width + 'px';
    element.style.height = height + 'px';
    element.style.background = Page.colour(colour);
    if (opacity < 1) element.style.opacity = opacity;
    if (hint) element.title = UTF8ToString(hint);
    // A window is named by its caption, as a screen reader names the desktop's.
    if (caption) document.title = UTF8ToString(caption).trim();
    element.setAttribute('aria-label', name ? UTF8ToString(name) : document.title);
    Page.forms[form] = element;
  },

  page_control: function (form, name, kind, parent, left, top, width, height) {
    Page.makeControl(UTF8ToString(form), UTF8ToString(name), kind,
                     parent ? UTF8ToString(parent) : null, left, top, width, height);
  },

  page_look: function (name, picture, hint, accessibleName, fontPixels, colour, align, fit,
                       opaque, hidden, text) {
    name = UTF8ToString(name);
    var element = Page.controls[name], look = Page.looks[name];
    if (hint) element.title = UTF8ToString(hint);
    if (accessibleName) element.setAttribute('aria-label', UTF8ToString(accessibleName));
    if (hidden) element.hidden = true;
    if (picture) look.picture = UTF8ToString(picture);
    if (look.kind === Page.Kind.Label) {
      element.style.font = 'bold ' + fontPixels + 'px/' + Page.labelLineHeight + ' "Pelimor Sans"';
      element.style.color = Page.colour(colour);
      if (opaque) element.classList.add('opaque');
      if (fit === Page.Fit.RightEdge) {
        element.style.left = 'auto';
        element.style.right = Page.forms.Form1.offsetWidth - look.left - look.width + 'px';
        element.style.width = 'auto';
      } else if (fit === Page.Fit.ToText) {
        element.style.width = element.style.height = 'auto';
      }
      element.textContent = UTF8ToString(text);
    } else if (look.kind === Page.Kind.Board) {
      element.style.background = Page.colour(colour);
    } else if (picture && element.tagName === 'BUTTON') {
      if (look.kind === Page.Kind.ToggleButton) element.setAttribute('aria-pressed', 'false');
      Page.wireButton(element);
      Page.drawButton(element);
    } else if (look.kind === Page.Kind.Slider) {
      Page.wireSlider(element);
      Page.setSlider(1);
    } else if (look.kind === Page.Kind.Handle) {
      element.addEventListener('click', function () {
        if (name === 'btnConfirm') Page.call('web_confirm', ['number'], [Page.sliderState.value]);
        else Page.setSlider(Page.sliderState.value + (name === 'btnMore' ? 1 : -1));
      });
    }
  },

  page_menu_item: function (caption, tag, checked) {
    var item = document.createElement('div');
    item.setAttribute('role', 'menuitemradio');
    item.setAttribute('aria-checked', checked ? 'true' : 'false');
    item.dataset.tag = tag;
    item.textContent = UTF8ToString(caption);
    item.addEventListener('click', function () {
      document.getElementById('PopupMenu1').hidden = true;
      Page.call('web_menu', ['number'], [tag]);
    });
    document.getElementById('PopupMenu1').appendChild(item);
  },

  page_ready: function () {
    performance.mark('pelimor-built');  // every control in, not yet every picture
    var menu = document.getElementById('PopupMenu1');
    menu.setAttribute('aria-label', Page.controls.sbtCreateNewSizeGame.getAttribute('aria-label'));
    Page.forms.Form1.appendChild(menu);
    Page.controls.btnConfirm.parentNode.addEventListener('click', function (event) {
      if (event.target !== event.currentTarget) return;  // the slider's own
      Page.call('web_confirm', ['number'], [Page.sliderState.value]);
    });
    document.addEventListener('pointerdown', function (event) {
      if (!menu.hidden && !menu.contains(event.target)) menu.hidden = true;
      if (!Page.audio && window.AudioContext) Page.audio = new AudioContext();
    }, true);
    document.addEventListener('contextmenu', function (event) { event.preventDefault(); });
    document.addEventListener('keydown', function (event) {
      if (!document.querySelector('dialog[open]')) event.preventDefault();  // no key does anything
    }, true);
    window.addEventListener('resize', Page.fitToViewport);
    Page.fitToViewport();
    // Drawn once the face and every glyph are: the mark the page's figures measure to.
    var drawn = Object.keys(Page.pictures).map(function (f) { return Page.pictures[f]; });
    Promise.all(drawn.concat([document.fonts.ready])).then(function () {
      requestAnimationFrame(function () { performance.mark('pelimor-drawn'); });
    });
  },

  page_set_text: function (name, text) {
    Page.controls[UTF8ToString(name)].textContent = UTF8ToString(text);
  },
  page_describe: function (name, words) {
    Page.controls[UTF8ToString(name)].setAttribute('aria-description', UTF8ToString(words));
  },
  page_set_down: function (name, down) {
    var button = Page.controls[UTF8ToString(name)];
    button.classList.toggle('down', !!down);
    button.setAttribute('aria-pressed', down ? 'true' : 'false');
    Page.drawButton(button);
  },
  page_popup_menu: function (button) {
    Page.openAt(document.getElementById('PopupMenu1'), UTF8ToString(button));
  },
  page_check_menu_item: function (tag) {
    document.querySelectorAll('#PopupMenu1 [role=menuitemradio]').forEach(function (item) {
      item.setAttribute('aria-checked', Number(item.dataset.tag) === tag ? 'true' : 'false');
    });
  },
  page_open_picker: function (button, maximum) {
    var picker = Page.forms.frmNumTreasures;
    Page.sliderState.maximum = maximum;
    var slider = Page.controls.tbNumTreasures, travel = slider.clientHeight - 12;
    slider.querySelectorAll('.tick').forEach(function (tick) { tick.remove(); });
    for (var v = 0; v < maximum; v++) {
      var tick = document.createElement('div');
      tick.className = 'tick';
      tick.style.top = 6 + Math.round(v * travel / Math.max(1, maximum - 1)) + 'px';
      slider.insertBefore(tick, slider.firstChild);
    }
    Page.setSlider(1);
    Page.forms.Form1.appendChild(picker);
    Page.openAt(picker, UTF8ToString(button));
  },
  page_hide_picker: function () { Page.forms.frmNumTreasures.hidden = true; },

  page_board: function (columns, rows, cellSide) {
    var board = Page.controls.Panel1;
    Page.cellSide = cellSide;
    board.replaceChildren();
    board.setAttribute('aria-rowcount', rows);
    board.setAttribute('aria-colcount', columns);
    Page.rows = [];
    for (var r = 0; r < rows; r++) {
      var row = document.createElement('div');
      row.setAttribute('role', 'row');
      row.className = 'row';
      board.appendChild(row);
      Page.rows.push(row);
    }
  },
  page_new_cell: function (id, col, row, left, top) {
    if (!Page.number) Page.number = Page.findNumberFont();
    var canvas = document.createElement('canvas');
    canvas.className = 'cell';
    canvas.setAttribute('role', 'gridcell');
    canvas.style.left = left + 'px';
    canvas.style.top = top + 'px';
    canvas.style.width = canvas.style.height = Page.cellSide + 'px';
    var cell = Page.cells[id] = {canvas: canvas, picture: null, numbers: []};
    var pressed = null;
    canvas.addEventListener('pointerdown', function (event) {
      if (event.button !== 0) return;
      pressed = setTimeout(function () {
        pressed = 'marked';
        Page.call('web_cell', ['number', 'number'], [id, 1]);
      }, Page.LongPressMs);
    });
    var release = function () { if (pressed !== 'marked') clearTimeout(pressed); };
    canvas.addEventListener('pointerup', release);
    canvas.addEventListener('pointerleave', function () { release(); pressed = null; });
    canvas.addEventListener('contextmenu', function (event) { event.preventDefault(); });
    canvas.addEventListener('click', function (event) {
      var marked = pressed === 'marked';
      pressed = null;
      // The second click of a double-click is no click; a long press has marked the cell.
      if (marked || event.detail % 2 === 0 && event.detail > 0) return;
      Page.call('web_cell', ['number', 'number'], [id, event.ctrlKey ? 1 : 0]);
    });
    Page.rows[row].appendChild(canvas);
  },
  page_free_cell: function (id) {
    Page.cells[id].canvas.remove();
    delete Page.cells[id];
  },
  page_cell_picture: function (id, holder) {
    var cell = Page.cells[id];
    cell.picture = Page.looks[UTF8ToString(holder)].picture;
    cell.numbers = [];
    Page.drawCell(cell);
  },
  page_cell_text: function (id, x, y, text, colour, times) {
    var cell = Page.cells[id];
    cell.numbers.push({x: x, y: y, text: UTF8ToString(text), colour: colour, times: times});
  },
  page_cell_name: function (id, name) {
    Page.cells[id].canvas.setAttribute('aria-label', UTF8ToString(name));
  },

  page_clock: function (on) {
    clearInterval(Page.clock);
    // A tick while a notice waits is the timer's own end, which the next tick makes as well.
    if (on) Page.clock = setInterval(function () { Page.call('web_tick', [], []); }, 1000);
  },
  page_now: function () { return performance.now(); },
  page_cue: function (name) { Page.playCue(UTF8ToString(name)); },
  page_announce: function (words) {
    var said = document.getElementById('said');
    said.textContent = '';
    said.textContent = UTF8ToString(words);
  },
  page_open: function (page) { window.open(UTF8ToString(page), '_blank', 'noopener'); },
  page_close: function () {
    document.getElementById('game').hidden = true;
    var closed = document.getElementById('closed');
    closed.textContent = document.title;  // a link that starts the game again
    closed.hidden = false;
  },

  page_notice: function (text, title, withCancel) {
    return Asyncify.handleAsync(function () {
      var notice = document.getElementById('notice');
      notice.querySelector('h1').textContent = UTF8ToString(title);
      notice.querySelector('p').textContent = UTF8ToString(text);
      notice.querySelector('.cancel').hidden = !withCancel;
      // The move's words go with the notice: behind it, a screen reader would hear nothing.
      var said = document.getElementById('said');
      notice.appendChild(said);
      return new Promise(function (closed) {
        notice.onclose = function () {
          document.body.appendChild(said);
          closed();
        };
        notice.showModal();
      });
    });
  },
};

autoAddDeps(PageLibrary, '$Page');
mergeInto(LibraryManager.library, PageLibrary);
