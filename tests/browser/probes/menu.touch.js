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
