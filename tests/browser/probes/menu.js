// Menus: open the menu the way a visitor does and check that its items show.
// A menu with a button (aria-expanded + aria-controls) is opened by resting
// on the button and clicking it, closed with Escape and opened again with
// Enter; the context menu is opened with a right click; a menu that is
// always in view is checked by resting on and clicking its first item. A
// variant without entries only has to load cleanly.
const empty = entry.variant === '0 entries';
const failures = [];
// Links lead nowhere during the check: the click is kept, the navigation is not.
document.addEventListener('click', e => {
  const link = e.target && e.target.closest ? e.target.closest('a[href]') : null;
  if (link) e.preventDefault();
}, true);
const shown = (root, selector) => Array.from(root.querySelectorAll(selector)).filter(z.visible);
// Menus slide and fade: wait up to three seconds for what should show.
const until = async (test, ms = 3000) => {
  for (let waited = 0; !test() && waited < ms; waited += 100) await z.wait(100);
  return test();
};
const ITEMS = 'a[href], [role=menuitem], [role=tab]';

if (entry.form === 'TMenuForm2') {
  const menu = Array.from(document.querySelectorAll('[role=menu]')).find(z.own);
  if (!menu) return ['no context menu in the page'];
  const x = Math.round(innerWidth / 3), y = Math.round(innerHeight / 3);
  await z.clickAt(x, y, 'right');
  if (empty) return failures;
  if (!await until(() => shown(menu, '[role=menuitem]').length)) return ['a right click showed no menu item'];
  const items = shown(menu, '[role=menuitem]');
  await z.hover(items[0]);
  await z.key('Escape');
  if (!await until(() => !shown(menu, '[role=menuitem]').length)) failures.push('Escape left the context menu open');
  await z.clickAt(x, y, 'right');  // open again for the picture
  await z.wait(300);
  return failures;
}

// (beside other menus: this entry's own)
const opener = Array.from(document.querySelectorAll('[aria-expanded][aria-controls]')).find(o => z.visible(o) && z.own(o));
if (opener) {
  const panel = document.getElementById(opener.getAttribute('aria-controls'));
  if (!panel) return ['the menu button controls no element'];
  await z.hover(opener);
  await z.wait(400);
  // what opens under the pointer must not move the button away from it
  const box = opener.getBoundingClientRect();
  const under = document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2);
  if (!under || !(opener === under || opener.contains(under))) failures.push('resting on the menu button moved it from under the pointer');
  await z.click(opener);
  if (!await until(() => opener.getAttribute('aria-expanded') === 'true')) {
    failures.push('the menu button did not open its menu');
  }
  if (empty) return failures;
  if (!await until(() => shown(panel, ITEMS).length)) return failures.concat(['no menu item became visible']);
  await z.key('Escape');
  if (!await until(() => opener.getAttribute('aria-expanded') !== 'true')) failures.push('Escape did not close the menu');
  opener.focus();
  await z.key('Enter');
  if (!await until(() => opener.getAttribute('aria-expanded') === 'true' && shown(panel, ITEMS).length)) {
    failures.push('Enter on the menu button did not open the menu');
  }
  // Tab goes round inside the open menu or closes it; it never leaves it open behind
  for (let i = 0, n = shown(panel, ITEMS).length + 2; i < n; i++) {
    await z.key('Tab');
    const at = document.activeElement;
    if (opener.getAttribute('aria-expanded') === 'true' && at !== opener && !panel.contains(at) &&
        !(at && at.closest && at.closest('[role=dialog]') === panel.closest('[role=dialog]') && at.closest('[role=dialog]'))) {
      await z.wait(300);
      if (opener.getAttribute('aria-expanded') === 'true') { failures.push('Tab left the open menu open behind it'); break; }
    }
  }
  return failures;
}

// (a menu in a part of the page that is not displayed at all comes last)
const menus = Array.from(document.querySelectorAll('nav, [role=navigation], [role=tablist]')).filter(m => z.own(m) && m.querySelector(ITEMS));
const menu = menus.find(m => m.getClientRects().length) || menus[0];
if (!menu) return empty ? failures : ['no menu with items in the page'];
const first = menu.querySelector(ITEMS);
if (!await until(() => z.visible(first))) return ['the first menu item never became visible'];  // items glide in
await z.hover(first);
// (beside other menus: a tip of this entry's, or one that its own links name)
const tips = () => Array.from(document.querySelectorAll('[role=tooltip], .article')).filter(t => {
  const naming = t.id ? Array.from(document.querySelectorAll(`[aria-describedby~="${CSS.escape(t.id)}"]`)) : [];
  return z.own(t) && (!naming.length || naming.some(z.own));
});
if (tips().length && !await until(() => tips().some(z.visible))) failures.push('resting on the first item showed nothing');
await z.click(first);
const controls = first.getAttribute('aria-controls');
if (controls && !await until(() => z.visible(document.getElementById(controls)))) {
  failures.push('the first tab did not show its panel');
}
if (!z.visible(first)) failures.push('the first menu item did not stay visible');
return failures;
