// The names on window when the document starts, to compare with later.
Object.defineProperty(window, '__zentravaBaseline', {value: Object.getOwnPropertyNames(window), configurable: true});
