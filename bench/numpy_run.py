"""The sampling run done with numpy, as the yardstick for varnesk-sim in hyperfine.

Usage: numpy_run.py [n [R [population file]]]; by default n = 50000, R = 5000 and the
default population. Like varnesk-sim, it reads the population, draws R samples of n distinct
positions (`Generator.choice(N, n, replace=False)`) and keeps the means of their values; it
prints the mean of the means so the work is not optimised away.
"""
import sys
from pathlib import Path

import numpy as np

n = int(sys.argv[1]) if len(sys.argv) > 1 else 50000
repetitions = int(sys.argv[2]) if len(sys.argv) > 2 else 5000
default_population = Path(__file__).resolve().parent.parent / "data" / "populacao.txt"
path = sys.argv[3] if len(sys.argv) > 3 else default_population

rng = np.random.default_rng(1)
pop = np.loadtxt(path)
means = [pop[rng.choice(pop.size, n, replace=False)].mean() for _ in range(repetitions)]
print(f"{np.mean(means):.3f}")
