// Other effects: what an entry must do besides loading cleanly (an entry the
// probe does not know passes).
const failures = [];
if (entry.ename === 'Reading progress bar') {
  const bar = document.getElementById('zvProgress'), label = document.getElementById('zvProgressText');
  if (!bar || !label) return ['no progress bar'];
  // It stays below the page's own dialogs and runs below a header fixed to the top.
  for (const el of [bar, label]) {
    const order = parseInt(getComputedStyle(el).zIndex, 10);
    if (order > 1000) failures.push(`#${el.id} stacks at z-index ${order}, above the page's own dialogs`);
  }
  const header = document.querySelector('.host-header');
  if (header && bar.getBoundingClientRect().top < header.getBoundingClientRect().bottom - 0.5) {
    failures.push("the bar covers the page's header");
  }
  scrollTo(0, document.documentElement.scrollHeight);
  await z.wait(300);
  const width = bar.firstElementChild.getBoundingClientRect().width / bar.getBoundingClientRect().width;
  if (width < 0.99) failures.push(`at the end of the page the bar is ${Math.round(width * 100)} % full`);
  scrollTo(0, 0);
  await z.wait(200);
}
return failures;
