#!/usr/bin/env python3
"""Writes populacao.txt, the default population: 578000 loss rates in percent.

Each value is drawn from a gamma distribution of shape 2 and scale 1 (mean 2 %, skewed to the
right, as loss rates are: most batches lose little, a few lose much), rounded to two decimals.
The generator has a fixed seed, so running the script again gives the same file byte for byte.
"""
import random
import sys

COUNT = 578000
SEED = 20261206


def main(path: str) -> None:
    rng = random.Random(SEED)
    with open(path, "w", encoding="ascii", newline="\n") as out:
        for _ in range(COUNT):
            out.write(f"{rng.gammavariate(2.0, 1.0):.2f}\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "populacao.txt")
