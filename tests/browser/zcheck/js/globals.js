// Names the page added to window since the document started (the list taken
// then by baseline.js), leaving out the driver's own and frame indexes.
(() => {
  if (!window.__zentravaBaseline) return null;
  const before = new Set(window.__zentravaBaseline);
  return Object.getOwnPropertyNames(window)
      .filter(n => !before.has(n) && !n.startsWith('__zentrava') && !/^[0-9]+$/.test(n));
})()
