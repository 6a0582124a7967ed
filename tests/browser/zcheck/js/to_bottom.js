// Down to the end of the page, so that what the effect shows is out of view.
scrollTo(0, document.documentElement.scrollHeight); 0
