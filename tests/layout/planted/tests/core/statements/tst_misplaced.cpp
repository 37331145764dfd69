// Planted: a core test in a folder named for no core folder.
