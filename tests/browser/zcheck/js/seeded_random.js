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
})();
