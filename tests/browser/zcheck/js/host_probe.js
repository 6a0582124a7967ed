// The blog page's checks run as a probe (in Qt WebEngine, which has no other
// way into the page): host.js, given as `check` with the names the form may
// define as `allowed`, and the keyboard still scrolling the page.
const faults = check(allowed).map(f => 'host: ' + f);
document.activeElement && document.activeElement.blur();
scrollTo(0, 0);
await z.key('PageDown');
for (let i = 0; i < 100 && scrollY === 0; i++) await z.wait(20);
if (scrollY === 0) faults.push('host: Page Down with the focus on the page did not scroll it');
scrollTo(0, 0);
await z.wait(300);
return faults;
