// On a phone: what makes the page wider than the screen, or '' if nothing.
(() => {
  const width = document.documentElement.scrollWidth;
  if (width <= innerWidth) return '';
  const wide = Array.from(document.querySelectorAll('body *')).filter(e => e.getBoundingClientRect().right > innerWidth + 1)
      .map(e => e.tagName.toLowerCase() + (e.id ? '#' + e.id : '') + (e.className && typeof e.className === 'string' ? '.' + e.className.split(' ')[0] : ''));
  return `the page is ${width} px wide on a ${innerWidth} px phone (${wide.slice(-3).join(', ')})`;
})()
