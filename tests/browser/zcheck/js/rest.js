// Two seconds of rest, and at least 120 frames in them, so that an effect
// that eases frame by frame has its frames even when the machine is busy.
Object.defineProperty(window, '__zentravaRest', {configurable: true, value: new Promise(resolve => {
  const began = performance.now();
  let frames = 0;
  const frame = () => {
    if (++frames >= 120 && performance.now() - began >= 2000) resolve(frames);
    else requestAnimationFrame(frame);
  };
  requestAnimationFrame(frame);
})}), 0
