// The probe's driver inside the page: the `z` helpers, the probe run as an
// async function, and its failures sent back. The browser's way out of the
// page and the probe's entry and sources are filled in by the check; the
// driver answers through window.__zentravaResolve.
(() => {
  const send = SEND;
  const pending = new Map();
  let next = 0;
  Object.defineProperty(window, '__zentravaResolve', {configurable: true, value: (id, value) => {
    const resolve = pending.get(id);
    if (resolve) { pending.delete(id); resolve(value); }
  }});
  const ask = (op, args) => new Promise(resolve => {
    const id = ++next;
    pending.set(id, resolve);
    send(JSON.stringify({id, op, args}));
  });
  const middle = el => {
    if (!el || !el.getBoundingClientRect) throw new Error('no element to point at');
    el.scrollIntoView({block: 'nearest', inline: 'nearest'});
    const r = el.getBoundingClientRect();
    return [Math.round(r.left + r.width / 2), Math.round(r.top + r.height / 2)];
  };
  const visible = el => {
    if (!el || !el.isConnected || !el.getBoundingClientRect) return false;
    const r = el.getBoundingClientRect();
    if (r.width <= 0 || r.height <= 0) return false;
    if (r.right <= 0 || r.bottom <= 0 || r.left >= innerWidth || r.top >= innerHeight) return false;
    const s = getComputedStyle(el);
    if (s.visibility === 'hidden' || s.display === 'none') return false;
    for (let e = el; e && e.nodeType === 1; e = e.parentElement) {
      if (parseFloat(getComputedStyle(e).opacity) === 0) return false;
    }
    return true;
  };
  const text = () => {
    const parts = [];
    const walk = n => {
      if (n.nodeType === 3) parts.push(n.data);
      if ((n.tagName === 'INPUT' || n.tagName === 'TEXTAREA') && n.value) parts.push(n.value);
      if (n.shadowRoot) walk(n.shadowRoot);
      for (const c of n.childNodes) walk(c);
    };
    walk(document.documentElement);
    return parts.join(' ');
  };
  const canvasDrawn = () => Array.from(document.querySelectorAll('canvas')).some(c => {
    if (!c.width || !c.height) return false;
    try {
      const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      for (let i = 3; i < data.length; i += 4) if (data[i]) return true;
      return false;
    } catch (e) {
      return true;  // a canvas that holds a picture from a file cannot be read back
    }
  });
  // On a neighbours page two comments enclose the other entries of the
  // category, after the entry's own part: a node between them is theirs.
  const own = node => {
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_COMMENT);
    let begin = null, end = null, mark;
    while ((mark = walker.nextNode())) {
      if (mark.data === 'zcheck:neighbours') begin = mark;
      else if (mark.data === 'zcheck:neighbours-end') end = mark;
    }
    if (!begin || !end) return true;
    const after = begin.compareDocumentPosition(node) & Node.DOCUMENT_POSITION_FOLLOWING;
    const before = node.compareDocumentPosition(end) & Node.DOCUMENT_POSITION_FOLLOWING;
    return !(after && before);
  };
  const z = {
    own,
    hover: el => ask('move', middle(el)),
    click: (el, button = 'left') => ask('click', middle(el).concat([button])),
    clickAt: (x, y, button = 'left') => ask('click', [x, y, button]),
    key: name => ask('key', [name]),
    type: chars => ask('type', [String(chars)]),
    wait: ms => new Promise(resolve => setTimeout(resolve, ms)),
    visible,
    anyVisible: selector => Array.from(document.querySelectorAll(selector)).some(visible),
    text,
    canvasDrawn,
    snapshot: () => ask('snapshot', []),
  };
  const finish = failures => send(JSON.stringify({id: 0, op: 'done', args: failures}));
  (async () => {
    const AsyncFunction = Object.getPrototypeOf(async function () {}).constructor;
    const failures = [];
    for (const source of SOURCES) {
      try {
        const result = await new AsyncFunction('entry', 'z', source)(ENTRY, z);
        if (Array.isArray(result)) failures.push(...result.map(String));
        else failures.push('the probe returned ' + typeof result + ', not a list of failures');
      } catch (e) {
        failures.push('the probe threw: ' + String(e && e.stack ? e.stack : e).split('\n')[0]);
      }
    }
    finish(failures);
  })();
})();
