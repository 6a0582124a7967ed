(() => {
  // The same random numbers on every load, so that two pages of one effect
  // (a shuffled game, scattered flakes) differ only where their values do.
  let state = 0x2545f491;
  Math.random = function random() {
    state ^= state << 13;
    state ^= state >>> 17;
    state ^= state << 5;
    return (state >>> 0) / 4294967296;
  };
  // Storage of its own, so that what one page kept (a best score) does not
  // show on the next page of the same effect, loaded in whatever order.
  for (const name of ['localStorage', 'sessionStorage']) {
    const kept = new Map();
    const storage = {
      getItem: (key) => (kept.has(String(key)) ? kept.get(String(key)) : null),
      setItem: (key, value) => { kept.set(String(key), String(value)); },
      removeItem: (key) => { kept.delete(String(key)); },
      clear: () => { kept.clear(); },
      key: (i) => Array.from(kept.keys())[i] ?? null,
      get length() { return kept.size; },
    };
    Object.defineProperty(window, name, {value: storage, configurable: true, enumerable: true});
  }
})();
