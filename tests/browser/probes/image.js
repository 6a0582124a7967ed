// image.js: every picture of the page has loaded and one of them shows;
// the interactive entries answer the keyboard and the pointer.
const failures = [];
const pictures = Array.from(document.images);
if (!pictures.length) return ['the page shows no picture'];
await Promise.all(pictures.map((img) => (img.complete ? null : new Promise((done) => {
  img.addEventListener('load', done, { once: true });
  img.addEventListener('error', done, { once: true });
  setTimeout(done, 5000);
}))));
for (const img of pictures) {
  if (img.naturalWidth === 0) failures.push(`picture not loaded: ${img.getAttribute('src')}`);
}
// A picture that glides back to its place after a scroll (the floating one) is judged once it is
// there: the page may just have been scrolled back to the top.
const gliding = document.getElementById('floater');
for (let i = 0, last = NaN; gliding && i < 30; i++) {
  const top = gliding.getBoundingClientRect().top;
  if (top === last) break;
  last = top;
  await z.wait(100);
}
if (!pictures.some((img) => z.visible(img))) failures.push('no picture is visible');

// What moves by itself moves by transform or opacity, which the browser animates without the page's own work.
// (A short entrance, say out of a blur as the page opens, is let finish first: what goes on is judged.)
const finite = document.getAnimations().filter((run) => run.playState === 'running' && run.effect &&
  run.effect.getComputedTiming().endTime < 5000);
await Promise.race([Promise.all(finite.map((run) => run.finished.catch(() => null))), z.wait(5000)]);
for (const run of document.getAnimations()) {
  if (run.playState !== 'running' || !run.effect || !run.effect.getKeyframes) continue;
  if (run.effect.target && !z.own(run.effect.target)) continue;  // a neighbour's: its own page checks it
  const moved = new Set(run.effect.getKeyframes().flatMap((k) => Object.keys(k)));
  const other = [...moved].filter((p) => !['offset', 'computedOffset', 'easing', 'composite', 'transform', 'opacity'].includes(p));
  if (other.length) { failures.push(`an animation moves ${other.join(', ')}, not by transform or opacity`); break; }
}

const slider = document.querySelector('.zi14-range');
if (slider) {
  const box = slider.closest('.zi14');
  slider.focus();
  await z.key('ArrowLeft');
  await z.wait(100);
  if (box.style.getPropertyValue('--zi14-at') !== '49%') failures.push('ArrowLeft did not move the comparison');
}

const glass = document.querySelector('.zi15');
if (glass) {
  glass.focus();
  await z.key('ArrowRight');
  await z.wait(100);
  const lens = glass.querySelector('.zi15-lens');
  if (!z.visible(lens)) failures.push('the lens did not show when moved by the keyboard');
  await z.key('Escape');
  await z.wait(100);
  if (z.visible(lens)) failures.push('Escape did not put the lens away');
}

// Beside other effects a floating or popped-up picture may stand over a
// thumbnail: a visitor clicks one that shows, in the middle of the window.
const thumbs = Array.from(document.querySelectorAll('.zi16-thumb')).filter(z.own);
let thumb = null;
for (const candidate of thumbs) {
  candidate.scrollIntoView({block: 'center'});
  await z.wait(100);
  const r = candidate.getBoundingClientRect();
  const under = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
  if (under && candidate.contains(under)) { thumb = candidate; break; }
}
if (thumbs.length && !thumb) failures.push('every picture of the gallery is covered by something else');
if (thumb) {
  await z.click(thumb);
  await z.wait(400);
  const box = document.querySelector('dialog.zi16-box');
  if (!box || !box.open) {
    failures.push('a click on a picture opened no lightbox');
  } else {
    const big = box.querySelector('img');
    const first = big.src;
    await z.key('ArrowRight');
    await z.wait(200);
    if (big.src === first) failures.push('ArrowRight showed no other picture');
    await z.key('Escape');
    await z.wait(300);
    if (box.open) failures.push('Escape did not close the lightbox');
  }
}

const floater = document.getElementById('floater');
if (floater && entry.form === 'TImageForm7') {
  // Its place is where it rests: an earlier step (a click that scrolled a
  // picture of a neighbour into view) may have left it gliding.
  const top = () => floater.getBoundingClientRect().top;
  const rest = async () => {
    let last = top();
    for (let waited = 0; waited < 5000; waited += 100) {
      await z.wait(100);
      const now = top();
      if (Math.abs(now - last) < 0.5) return now;
      last = now;
    }
    return last;
  };
  const home = await rest();
  window.scrollTo(0, 300);
  // It glides back in a fraction of a second; on a busy page or a loaded
  // machine its frames come later.
  let now = top();
  for (let waited = 0; waited < 5000 && Math.abs(now - home) > 2; waited += 100) {
    await z.wait(100);
    now = top();
  }
  if (Math.abs(now - home) > 2) failures.push(`the floating picture did not come back to its place (${home} -> ${now})`);
  window.scrollTo(0, 0);
}
const ball = document.getElementById('soccer');
if (ball && entry.form === 'TImageForm6') {
  // It rolls by itself, and stays in the window while the page scrolls.
  const img = ball.querySelector('img');
  const at = () => { const r = img.getBoundingClientRect(); return [r.left, r.top, r.bottom]; };
  if (ball.matches(':hover')) {
    // it rests under the pointer: the pointer goes to the corner farthest from it
    const spot = document.createElement('div'), r = img.getBoundingClientRect();
    spot.style.cssText = `position:fixed;width:4px;height:4px;z-index:2147483647;${r.left > innerWidth / 2 ? 'left' : 'right'}:0;` +
      `${r.top > innerHeight / 2 ? 'top' : 'bottom'}:0`;
    document.body.appendChild(spot);
    await z.hover(spot);
    spot.remove();
  }
  const before = at();
  await z.wait(600);
  const after = at();
  if (after[0] === before[0] && after[1] === before[1]) failures.push('the bouncing picture did not move');
  window.scrollTo(0, 400);
  await z.wait(300);
  const now = at();
  if (now[2] <= 0 || now[1] >= innerHeight) failures.push('the bouncing picture left the window when the page scrolled');
  window.scrollTo(0, 0);
}
return failures;
