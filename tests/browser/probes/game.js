// Every game answers the pointer and the keyboard: a click on its board and a few keys
// change what the page shows. A game with a text field is typed into.
const board = document.querySelector('[class^="zg"] canvas, [class^="zg"] .zg-board, [class^="zg"] input');
if (!board) return ['no game board, canvas or text field found'];
const before = await z.snapshot();
// A board of buttons (cards, cells, squares) is played by clicking one of them.
const first = board.querySelector ? board.querySelector('button') : null;
await z.click(first || board, 'left');
await z.wait(200);
if (board.tagName === 'INPUT') {
  await z.type('abc ');
} else {
  for (const key of ['ArrowRight', 'ArrowDown', ' ', 'ArrowLeft', 'ArrowUp']) {
    await z.key(key);
    await z.wait(150);
  }
}
await z.wait(400);
const after = await z.snapshot();
return before === after ? ['the game showed no response to a click and the keys'] : [];
