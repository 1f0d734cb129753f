// Numbers as the command line reads them: decimal, or hexadecimal after "0x"; a leading zero
// is just a zero ("010" is ten). Values are BigInts, since seeds and problem numbers take all
// 64 bits.

export const LARGEST_64 = (1n << 64n) - 1n;

// The value of `text` when it is a whole number in smallest..largest; else null.
export function parseNumber(text, smallest = 0n, largest = LARGEST_64) {
  const trimmed = text.trim();
  let value;
  if (/^0[xX][0-9a-fA-F]+$/.test(trimmed)) {
    value = BigInt(trimmed);
  } else if (/^[0-9]+$/.test(trimmed)) {
    value = BigInt(trimmed.replace(/^0+(?=.)/, ''));
  } else {
    return null;
  }
  return value >= smallest && value <= largest ? value : null;
}

// A fresh seed for a run the user gave none: 32 random bits, short enough to write down.
export function randomSeed() {
  const words = new Uint32Array(1);
  crypto.getRandomValues(words);
  return BigInt(words[0]);
}

// The high and low 32-bit halves of a 64-bit value, as the engine's calls take it.
export function halves(value) {
  return [Number(value >> 32n), Number(value & 0xffffffffn)];
}
