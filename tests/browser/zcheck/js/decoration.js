// The decoration rule (see check_library.py's description): shown elements
// that look decorative, with what they lack.
(() => {
  const faults = [];
  const shown = (el, s) => {
    const r = el.getBoundingClientRect();
    if (r.width < 1 || r.height < 1) return false;
    if (r.right <= 0 || r.bottom <= 0 || r.left >= innerWidth || r.top >= innerHeight) return false;
    return s.display !== 'none' && s.visibility !== 'hidden' && parseFloat(s.opacity) > 0;
  };
  const ariaHidden = el => !!el.closest('[aria-hidden="true"]');
  const selectable = el => {
    for (let e = el; e; e = e.parentElement) {
      const s = getComputedStyle(e);
      const v = s.userSelect || s.webkitUserSelect;
      if (v && v !== 'auto') return v !== 'none';
    }
    return true;
  };
  const control = 'a[href], button, input, select, textarea, label, [role=button], [role=link], [tabindex]';
  const describe = el => {
    let d = el.tagName.toLowerCase() + (el.id ? '#' + el.id : '');
    if (typeof el.className === 'string' && el.className.trim()) d += '.' + el.className.trim().split(/\s+/).join('.');
    const t = (el.textContent || '').trim().slice(0, 20);
    return t ? d + ' "' + t + '"' : d;
  };
  // Each element is reported once, however often the check looks.
  if (!window.__zentravaDecoration) {
    Object.defineProperty(window, '__zentravaDecoration', {value: new WeakSet(), configurable: true});
  }
  const reported = window.__zentravaDecoration;
  for (const el of document.querySelectorAll('body *')) {
    if (/^(SCRIPT|STYLE|NOSCRIPT|TEMPLATE|BR)$/.test(el.tagName) || reported.has(el)) continue;
    const s = getComputedStyle(el);
    const through = s.pointerEvents === 'none';
    const marked = el.getAttribute('aria-hidden') === 'true';
    if (!(through || marked) || !shown(el, s)) continue;
    const lacks = [];
    if (!ariaHidden(el)) lacks.push('not aria-hidden');
    if (selectable(el)) lacks.push('selectable');
    if (!through && !el.closest(control)) lacks.push('catches the pointer');
    if (lacks.length) {
      reported.add(el);
      faults.push(describe(el) + ': ' + lacks.join(', '));
    }
  }
  return faults;
})()
