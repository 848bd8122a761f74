#ifndef VELTRIX_FUZZALPHABET_H
#define VELTRIX_FUZZALPHABET_H

// What a text byte of a fuzz input stands for (byte % its length): digits,
// hexadecimal letters and delimiters mostly, so that most texts are near
// addresses.
constexpr char FuzzAlphabet[] = "0123456789abcdefABCDEF..::0000g x-";

#endif // VELTRIX_FUZZALPHABET_H
