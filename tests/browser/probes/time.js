// Time effects: clocks show the time and move on; the others do what their name says.
const failures = [];
const expect = (ok, why) => { if (!ok) failures.push(why); };
const ticking = ['Clock face with coloured hands', 'Date and time in one colour', 'Seven-segment clock', 'Digital clock',
                 'Countdown to the end of the day', 'World clock'];
// A long-text variant is labelled with the field that holds the long text (its words begin
// with 'Zentrava'), which then stands where the field's own text stood.
const longIn = /^2,000 characters in (.*)$/.exec(entry.variant || '');
const shows = (field, own) => z.text().includes(longIn && longIn[1] === field ? 'Zentrava effects' : own);
const futureCountdown = entry.ename === 'Countdown to a special day' &&
    ['future date', 'typed with leading zeros'].includes(entry.variant);
if (ticking.includes(entry.ename) || futureCountdown) {
  // The shown time changes between two moments a few seconds apart.
  const before = await z.snapshot(), beforeText = z.text();
  await z.wait(2300);
  const after = await z.snapshot(), afterText = z.text();
  expect(before !== after, 'the picture did not change in 2.3 s');
  if (entry.ename !== 'Clock face with coloured hands' && entry.ename !== 'Seven-segment clock') {
    expect(beforeText !== afterText, 'the shown time did not change in 2.3 s');
  }
}
const now = new Date();
const two = (n) => String(n).padStart(2, '0');
switch (entry.ename) {
  case 'Date and time in one colour': {
    const line = document.querySelector('.zv-dateline');
    expect(line && line.textContent.includes(String(now.getFullYear())), 'no date shown');
    const colour = line && getComputedStyle(line).color;
    expect(colour === (entry.variant === 'blue' ? 'rgb(0, 0, 255)' : 'rgb(0, 0, 0)'), 'the colour is ' + colour);
    break;
  }
  case 'Digital clock':
    expect(z.text().includes(two(now.getHours()) + ':'), 'the hour is not shown');
    break;
  case 'Countdown to a special day':
    if (futureCountdown) expect(/\d+ days, \d+ hours?, \d+ minutes?, \d+ seconds? to go/.test(z.text()), 'no countdown shown');
    else expect(shows('Congradulations', "Hi, let's celebrate!"), 'the past date does not show the message');
    expect(shows('Title', 'This is a important moment.'), 'the occasion is not shown');
    break;
  case 'Calendar of the current month': {
    const today = document.querySelector('.zv-month [aria-current="date"]');
    expect(today && today.textContent === String(now.getDate()), 'today is not marked');
    break;
  }
  case 'Stopwatch': {
    const shown = document.querySelector('.zv-stopwatch-time');
    const go = document.querySelector('.zv-stopwatch-go');
    await z.click(go);
    await z.wait(1300);
    await z.click(go);
    expect(shown.textContent !== '00:00.0', 'the stopwatch did not run');
    const stopped = shown.textContent;
    await z.wait(400);
    expect(shown.textContent === stopped, 'the stopwatch did not stop');
    await z.click(document.querySelector('.zv-stopwatch-reset'));
    expect(shown.textContent === '00:00.0', 'Reset did not clear the time');
    break;
  }
  case 'Relative times (posted 3 minutes ago)':
    expect(/years? ago/.test(z.text()), 'no relative time shown');
    break;
  case 'World clock':
    // (each copy of the clock on a page has its own table of cities)
    expect(document.querySelector('.zv-world').rows.length === 6, 'the cities are missing');
    break;
}
return failures;
