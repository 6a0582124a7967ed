// Glowing heading and text with a reflection: quiet while in view. The glow
// swells by opacity alone, which the browser animates without the page's own
// work; the gleam glides now and then and rests in between. Within seven
// seconds there must be a moment when no animation of anything but transform
// and opacity runs, and the effect must still move (the glow swells, a gleam
// glides).
if (!['TTextForm10', 'TTextForm17'].includes(entry.form)) return [];
const light = ['offset', 'computedOffset', 'easing', 'composite', 'transform', 'opacity'];
const running = () => document.getAnimations().filter((run) => run.playState === 'running' && run.effect &&
  (!run.effect.target || z.own(run.effect.target)));  // beside other effects: its own animations
const painting = () => running().filter((run) => run.effect.getKeyframes().some((k) => Object.keys(k).some((p) => !light.includes(p))));
let rested = false, moved = false;
for (let waited = 0; waited < 7000 && !(rested && moved); waited += 250) {
  rested = rested || !painting().length;
  moved = moved || (entry.form === 'TTextForm10' ? running().length > 0 : painting().length > 0);
  await z.wait(250);
}
const failures = [];
if (!rested) failures.push('in view it never rests: an animation that redraws the text runs all the time');
if (!moved) failures.push(entry.form === 'TTextForm10' ? 'the glow does not swell' : 'no gleam glided over the text');
return failures;
