// Benchmarks land with the subsystems they measure.
