// Text: after the effect has run, the page shows the effect's text. Most text
// effects open with the word "Zentrava"; the forms and entries (English names)
// below open with another text. A variant whose label begins with "0 entries"
// has no text to show.
const firstText = {
  TTextForm5: 'Zentrava is your tool.',
};
const entryText = {
};
const variant = typeof entry.variant === 'string' ? entry.variant : (entry.variant && entry.variant.label) || '';
if (/^0 entries/.test(variant)) return [];
const want = /^\d+ entries/.test(variant) ? 'Zentrava' : (entryText[entry.ename] || firstText[entry.form] || 'Zentrava');

// The innermost elements whose text holds the wanted text, so that a word split
// into letters still counts as one text.
function holders() {
  const found = [];
  for (const el of document.body ? document.body.querySelectorAll('*') : []) {
    if (el.tagName === 'SCRIPT' || el.tagName === 'STYLE') continue;
    if (!(el.textContent || '').includes(want)) continue;
    const inner = Array.from(el.children).some((c) => c.tagName !== 'SCRIPT' && (c.textContent || '').includes(want));
    if (!inner) found.push(el);
  }
  return found;
}

// Effects that type or fly their text in get a few seconds.
for (let waited = 0; ; waited += 250) {
  const shown = holders().some((el) => z.visible(el) || (el.parentElement && z.visible(el.parentElement)));
  if (shown) return [];
  if (waited >= 4000) break;
  await z.wait(250);
}
if (z.canvasDrawn() && document.querySelector('canvas')) return [];
return z.text().includes(want)
  ? [`"${want}" is in the page but not in sight`]
  : [`the page does not show "${want}"`];
