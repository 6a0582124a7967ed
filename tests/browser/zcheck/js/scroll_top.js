// Back to the top of the page.
scrollTo(0, 0); 0
