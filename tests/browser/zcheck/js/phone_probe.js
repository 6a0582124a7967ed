// On a phone (a probe, in Qt WebEngine): nothing is wider than its screen.
// `wide` is phone.js.
const found = wide();
return found ? ['phone: ' + found] : [];
