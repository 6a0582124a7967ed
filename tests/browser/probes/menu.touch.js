// The context menu on a touch screen: a long press opens it where the finger
// rests, and it stays open when the finger is lifted; a short tap does not.
if (entry.form === 'TMenuForm2') {
  if (entry.variant === '0 entries') return [];
  const menu = Array.from(document.querySelectorAll('[role=menu]')).find(z.own);
  if (!menu) return ['no context menu in the page'];
  const open = () => Array.from(menu.querySelectorAll('[role=menuitem]')).some(z.visible);
  const x = Math.round(innerWidth / 2), y = Math.round(innerHeight / 2);
  const finger = (type) => target.dispatchEvent(new PointerEvent(type, {
    bubbles: true, cancelable: true, pointerType: 'touch', isPrimary: true, pointerId: 7, clientX: x, clientY: y,
    button: type === 'pointermove' ? -1 : 0, buttons: type === 'pointerup' ? 0 : 1}));
  await z.key('Escape');  // what the mouse opened before goes away
  await z.wait(200);
  const target = document.elementFromPoint(x, y) || document.body;
  const failures = [];
  finger('pointerdown');
  await z.wait(100);
  finger('pointerup');
  await z.wait(900);
  if (open()) failures.push('a short tap opened the context menu');
  await z.key('Escape');
  finger('pointerdown');
  finger('pointermove');  // a finger never rests quite still
  await z.wait(1000);
  const opened = open();
  finger('pointerup');
  await z.wait(300);
  if (!opened) failures.push('a long press did not open the context menu');
  else if (!open()) failures.push('the context menu closed when the finger was lifted');
  const box = menu.getBoundingClientRect();
  if (open() && (Math.abs(box.left - x) > 40 && Math.abs(box.right - x) > 40)) {
    failures.push('the context menu did not open where the finger rested');
  }
  await z.key('Escape');
  return failures;
}

// Descriptions shown by resting the mouse on a link: on a touch screen the
// first tap shows the description (the second follows the link). The text
// blocks of links with text blocks (an "article" each) count as descriptions.
if (!['TMenuForm6', 'TMenuForm7', 'TMenuForm17'].includes(entry.form)) return [];
const link = Array.from(document.querySelectorAll('a[onmouseover]')).find(z.visible);
if (!link) return [];
const tip = () => Array.from(document.querySelectorAll('[role=tooltip], .article')).find(z.visible);
await z.key('Escape');  // what the mouse showed before goes away
await z.wait(300);
link.dispatchEvent(new PointerEvent('pointerdown', {bubbles: true, cancelable: true, pointerType: 'touch', isPrimary: true}));
link.dispatchEvent(new MouseEvent('click', {bubbles: true, cancelable: true}));
await z.wait(400);
return tip() ? [] : ['a first tap on a link showed no description'];
