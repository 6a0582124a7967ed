(() => {
  // What the page shows and computes, to tell two pages of one effect apart:
  // its visible text, its elements (the script's own among them) with their
  // computed looks, each canvas's pixels hashed, and the custom properties
  // set on the root and the body. The check's own elements are left out.
  // Each element gives its tag and a value per property, for itself and for
  // its ::before and ::after, so that a part that moves does not hide one
  // that does not.
  const props = ['color', 'background-color', 'background-image', 'border-top-color', 'border-top-width',
    'border-radius', 'font-family', 'font-size', 'font-weight', 'width', 'height', 'opacity', 'transform',
    'visibility', 'display', 'box-shadow', 'text-shadow', 'filter', 'animation-duration', 'transition-duration',
    'outline-color', 'fill', 'stroke'];
  const hash = (text) => {
    let h = 2166136261;
    for (let i = 0; i < text.length; i++) { h ^= text.charCodeAt(i); h = Math.imul(h, 16777619); }
    return (h >>> 0).toString(16);
  };
  const own = (el) => el.id && el.id.startsWith('__zentrava');
  const elements = [];
  const canvases = [];
  for (const el of document.body ? document.body.querySelectorAll('*') : []) {
    if (own(el) || el.tagName === 'SCRIPT' || el.tagName === 'STYLE') continue;
    const s = getComputedStyle(el);
    const values = [el.tagName + ' ' + (el.value !== undefined ? String(el.value) : '')];
    values.push(...props.map((p) => s.getPropertyValue(p)));
    for (const pseudo of ['::before', '::after']) {
      const p = getComputedStyle(el, pseudo);
      if (p.content && p.content !== 'none' && p.content !== 'normal') {
        values.push(...props.map((name) => pseudo + ' ' + p.getPropertyValue(name)));
      }
    }
    elements.push(values);
    if (el.tagName === 'CANVAS') {
      try {
        const c = el.getContext('2d') || null;
        canvases.push(c && el.width && el.height
          ? hash(Array.prototype.join.call(c.getImageData(0, 0, el.width, el.height).data, ','))
          : el.toDataURL().length + ':' + hash(el.toDataURL()));
      } catch (e) {
        canvases.push('unreadable ' + el.width + 'x' + el.height);
      }
    }
  }
  const custom = [];
  for (const el of [document.documentElement, document.body]) {
    if (!el) continue;
    const s = getComputedStyle(el);
    for (let i = 0; i < s.length; i++) {
      if (s[i].startsWith('--')) custom.push(s[i] + ':' + s.getPropertyValue(s[i]).trim());
    }
    custom.push(el.tagName + ' ' + props.map((p) => s.getPropertyValue(p)).join('|'));
  }
  return {
    text: document.body ? document.body.innerText : '',
    title: document.title,
    count: elements.length,
    elements,
    canvases,
    custom,
  };
})()
