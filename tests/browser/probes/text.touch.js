// Links with a description shown by resting the pointer on them: on a touch
// screen the first tap shows the description and the second follows the link.
if (!['TTextForm24', 'TTextForm25'].includes(entry.form)) return [];
if (entry.form === 'TTextForm25' && !document.querySelector('[role=tooltip]')) return [];  // an empty description: no pop-up
// (the effect's link, not one of the page's own)
const link = Array.from(document.querySelectorAll(entry.form === 'TTextForm24' ? 'a[onmouseover*="Scroll("]' : 'a[aria-describedby^="zvPop"]')).find(z.visible);
if (!link) return ['no link to tap'];
// (the link's own description)
const shown = () => entry.form === 'TTextForm24'
  ? Array.from(document.querySelectorAll('.prem_hint')).some((b) => getComputedStyle(b).visibility === 'visible')
  : z.visible(document.getElementById(link.getAttribute('aria-describedby')));
// what the mouse or the keyboard showed before goes away
if (document.activeElement) document.activeElement.blur();
link.dispatchEvent(new MouseEvent('mouseout', {bubbles: true}));
link.dispatchEvent(new MouseEvent('mouseleave'));
await z.wait(300);
if (shown()) return ['the description stays after the pointer left the link'];
// The last listener of all sees whether the effect kept the tap from following the link (and keeps the page here).
let followed = null;
const record = (e) => { followed = !e.defaultPrevented; e.preventDefault(); };
window.addEventListener('click', record);
const touch = {bubbles: true, cancelable: true, pointerType: 'touch', isPrimary: true};
const tap = async () => {
  link.dispatchEvent(new PointerEvent('pointerdown', touch));
  link.dispatchEvent(new MouseEvent('click', {bubbles: true, cancelable: true}));
  await z.wait(400);
};
const failures = [];
await tap();
if (!shown()) failures.push('a first tap on the link showed no description');
if (followed) failures.push('a first tap on the link followed it');
await tap();
if (followed !== true) failures.push('a second tap on the link did not follow it');
window.removeEventListener('click', record);
return failures;
