// Planted: a test program on neither side.
