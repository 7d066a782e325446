// STUB: to be written.
