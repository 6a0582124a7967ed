// Page effects: each entry shows what its name says.
const failures = [];
const text = () => z.text();
const expect = (ok, why) => { if (!ok) failures.push(why); };
switch (entry.ename) {
  case 'Message box when the page has loaded':
  case 'Message box when the page is left':
    expect(typeof window.showMSG === 'function', 'showMSG is not defined');
    if (entry.form === 'TPageForm10') expect(text().includes('Please refresh to view effect'), 'the refresh note is missing');
    break;
  case 'Page opening through a grid of tiles': {
    const again = document.querySelector('[data-zv-tiles-again]');
    if (!again) { failures.push('no replay button'); break; }
    await z.click(again);
    await z.wait(80);
    const tiles = document.querySelectorAll('.zv-tiles > div').length;
    const expected = entry.variant === 'odd numbers' ? 1 * 12 : 5 * 3;
    expect(tiles === expected, `expected ${expected} tiles, found ${tiles}`);
    const cover = document.querySelector('.zv-tiles');
    expect(cover && cover.getAttribute('aria-hidden') === 'true' && getComputedStyle(cover).pointerEvents === 'none',
           'the tiles are not decorative');
    for (let i = 0; i < 25 && document.querySelector('.zv-tiles'); i++) await z.wait(200);
    expect(!document.querySelector('.zv-tiles'), 'the tiles did not clear away');
    break;
  }
  case 'Popup box with a title and a description': {
    const box = document.querySelector('[data-zv-popup="box3"]');
    if (!box) { failures.push('no popup box'); break; }
    expect(z.visible(box), 'the popup box is not visible');
    const r = box.getBoundingClientRect();
    expect(r.right <= innerWidth && r.bottom <= innerHeight && r.left >= 0 && r.top >= 0, 'the box is outside the window');
    const title = box.querySelector('[id^="zv-popup-title"]');
    expect(title && getComputedStyle(title.parentNode).color !== getComputedStyle(title.parentNode).backgroundColor,
           'the title cannot be read on its background');
    expect(box.textContent.includes(entry.variant === 'light title' ? 'Notice' : 'Zentrava'), 'the title is missing');
    await z.key('Escape');
    await z.wait(100);
    expect(!box.isConnected, 'Escape did not close the box');
    break;
  }
  case 'Lines of text appearing one by one': {
    const block = document.querySelector('.zv-lines');
    if (!block) { failures.push('no centred block'); break; }
    const lines = block.querySelectorAll('center > span');
    expect(lines.length === (entry.variant === '300 lines' ? 300 : 3), `found ${lines.length} lines`);
    if (!entry.variant) {
      expect(text().includes('Zentrava is your tool.'), 'the last line is missing');
      await z.wait(2200);
      for (const line of lines) expect(Number(getComputedStyle(line).opacity) === 1, 'a line did not appear: ' + line.textContent);
    }
    break;
  }
  case 'Coloured scrollbars': {
    // The preview engine of older Qt releases predates the standard property.
    if (!CSS.supports('scrollbar-color', 'red blue')) break;
    const tall = document.createElement('div');
    tall.style.height = '3000px';
    document.body.appendChild(tall);
    const root = getComputedStyle(document.documentElement).scrollbarColor;
    expect(root === 'rgb(255, 0, 0) rgb(0, 0, 255)', 'the window scrollbars are ' + root);
    tall.remove();
    break;
  }
  case 'Sections that fade in when scrolled into view': {
    // The second copy in a blog page is checked once the first copy's block is taken out: its
    // first section has just come into view (and fades in), its last was scrolled to before.
    const moved = document.querySelectorAll('.host-copy').length === 1;
    const shown = (el) => Number(getComputedStyle(el).opacity);
    const sections = Array.from(document.querySelectorAll('section'));
    if (moved) for (let i = 0; i < 10 && shown(sections[0]) < 1; i++) await z.wait(200);
    expect(shown(sections[0]) === 1, 'the first section is not shown at once');
    const last = moved ? sections.filter((s) => s.getBoundingClientRect().top > innerHeight && !shown(s)).pop()
                       : sections[sections.length - 1];
    expect(last && shown(last) === 0, 'the last section does not wait below the window');
    if (!last) break;
    last.scrollIntoView();
    for (let i = 0; i < 20 && shown(last) < 1; i++) await z.wait(200);
    expect(shown(last) === 1, 'the last section did not fade in');
    scrollTo(0, 0);
    break;
  }
  case 'Notice bar that remembers its dismissal': {
    const bar = document.querySelector('.zv-notice');
    if (!bar) { failures.push('no notice bar'); break; }
    expect(z.visible(bar), 'the notice bar is not shown');
    await z.click(bar.querySelector('button'));
    await z.wait(100);
    expect(!z.visible(bar), 'the notice bar did not close');
    const keys = Object.keys(localStorage).filter((k) => k.startsWith('zv-notice-dismissed:'));
    expect(keys.length === 1, 'the dismissal was not remembered');
    keys.forEach((k) => localStorage.removeItem(k));
    break;
  }
  case 'Copy button on every code block': {
    const button = document.querySelector('pre .zv-copy');
    if (!button) { failures.push('no copy button'); break; }
    await z.click(button);
    for (let i = 0; i < 20 && button.textContent === 'Copy'; i++) await z.wait(200);
    expect(button.textContent !== 'Copy', 'the button did not answer');
    break;
  }
  case 'Reading-time estimate':
    expect(/About \d+ minutes? to read \(\d+ words\)/.test(text()), 'no estimate');
    break;
  case 'Print-friendly button':
    expect(z.visible(document.querySelector('.zv-print')), 'no print button');
    break;
  case 'Table of contents built from the headings': {
    // (a second box on the page lists the headings after it: the first box is checked)
    const toc = document.querySelector('.zv-toc');
    if (!toc) { failures.push('no table of contents'); break; }
    const links = Array.from(toc.querySelectorAll('a'));
    const heading = (a) => document.getElementById(decodeURIComponent(a.hash.slice(1)));
    for (const a of links) expect(heading(a), 'a link leads nowhere');
    // (beside other effects it lists their headings too: its own four are counted)
    const own = links.filter((a) => heading(a) && z.own(heading(a)));
    expect(own.length === 4, `found ${own.length} links to its own headings`);
    expect(own.filter((a) => a.closest('ol ol')).length === 1, 'the subheading is not nested');
    break;
  }
}
return failures;
