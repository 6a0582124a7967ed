// Waits up to `ms` milliseconds for `test()` to hold, looking every 16 ms,
// and then for the next frame, so that what answers it is drawn (a hidden
// page draws none: there a tenth of a second). Resolves to whether it held.
((test, ms) => new Promise(resolve => {
  const began = performance.now();
  const look = () => {
    let held = false;
    try { held = !!test(); } catch (e) { held = false; }
    if (held) {
      const done = () => resolve(true);
      requestAnimationFrame(done);
      setTimeout(done, 100);
    } else if (performance.now() - began >= ms) {
      resolve(false);
    } else {
      setTimeout(look, 16);
    }
  };
  look();
}))
