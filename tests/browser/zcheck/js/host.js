// What the blog page checks after load: its onload ran, its globals are its
// own (a name the form's fixed lines define may change, but a function the
// blog had under that name still works when called), its header is not
// covered and the text after the effect is still shown as the blog styles it.
// Called with the names the entry's form may define.
((allowed) => {
  const faults = [];
  const z_shown = e => { const r = e.getBoundingClientRect(), st = getComputedStyle(e);
    return r.width > 0 && r.height > 0 && st.visibility === 'visible' && parseFloat(st.opacity) > 0; };
  if (!hostCalls.onload) faults.push("the blog's own window.onload did not run");
  for (const name of Object.keys(hostOwn)) {
    const now = window[name], was = hostOwn[name];
    if (now === was) continue;
    if (!allowed.includes(name)) { faults.push(`the blog's global ${name} was replaced`); continue; }
    if (typeof was !== 'function') continue;
    if (typeof now !== 'function') { faults.push(`the blog's function ${name} is no longer a function`); continue; }
    const before = hostCalls[name] || 0;
    try { now.call(window); } catch (e) { faults.push(`calling ${name}() threw: ${e}`); continue; }
    if ((hostCalls[name] || 0) <= before) faults.push(`the blog's own ${name}() no longer runs when ${name}() is called`);
  }
  const after = document.getElementById('host-after');
  const style = after && getComputedStyle(after);
  const box = after && after.getBoundingClientRect();
  if (!after || !box.width || !box.height || style.visibility !== 'visible' || style.display === 'none' ||
      parseFloat(style.opacity) < 1) faults.push('the text after the effect is hidden');
  else if (style.color !== 'rgb(34, 34, 34)' || style.fontSize !== '16px' || !/Georgia/.test(style.fontFamily))
    faults.push(`the text after the effect is restyled (${style.color}, ${style.fontSize}, ${style.fontFamily})`);
  else if (!after.closest('main.host-main')) faults.push('the text after the effect was moved into the effect');
  // A text split into letters is read and copied whole: the letters are
  // decoration (aria-hidden), the text is there once as a whole.
  const single = Array.from(document.querySelectorAll('.host-main span, .host-main div, .host-main font, .host-main b'))
      .filter(e => !e.children.length && /^\S$/u.test(e.textContent) && !e.closest('[aria-hidden="true"], a, button, [role], td, th'));
  const split = single.map(e => e.parentElement).filter((p, i, all) => all.indexOf(p) === i &&
      single.filter(e => e.parentElement === p).length >= 3);
  if (split.length) faults.push(`letters are read one by one ("${split[0].textContent.trim().slice(0, 24)}")`);
  // Fixed strips and bars stay below the page's own dialogs (a moderate stacking order).
  for (const e of document.querySelectorAll('body *')) {
    const st = getComputedStyle(e);
    if (st.position !== 'fixed' || !(parseInt(st.zIndex, 10) > 1000) || st.pointerEvents === 'none' ||
        e.closest('[role=dialog], [role=menu], [role=tooltip]') || !z_shown(e)) continue;
    faults.push(`a fixed ${e.tagName.toLowerCase()}${e.className && typeof e.className === 'string' ? '.' + e.className.split(' ')[0] : ''} stacks at z-index ${st.zIndex}, above the page's own dialogs`);
    break;
  }
  const logo = document.getElementById('host-logo').getBoundingClientRect();
  const over = document.elementFromPoint(logo.left + 4, logo.top + logo.height / 2);
  if (!over || !over.closest('.host-header')) faults.push('something covers the blog\'s header');
  return faults;
})
