// A blinking text caret is the browser's, not the effect's motion: hide it
// before screenshots are compared.
(() => {
  const style = document.createElement('style');
  style.textContent = '* { caret-color: transparent !important; }';
  (document.head || document.documentElement).appendChild(style);
})()
