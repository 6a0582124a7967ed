// Back to the top of the page, with the focus on the page itself.
document.activeElement && document.activeElement.blur(); scrollTo(0, 0); 0
