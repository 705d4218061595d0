// Built as a libXft.so.2 that has none of Xft's functions, for a program to find before the real
// one: the program then cannot have the text libraries.
