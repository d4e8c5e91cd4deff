#pragma once

#include <QtGlobal>

// Deterministic noise for textures: the same coordinates and seed always give the same value, on
// every machine, so generated pictures are reproducible byte for byte.
class Noise {
public:
    static quint32 hash(int x, int y, quint32 seed);
    // White noise in [0, 1).
    static double white(int x, int y, quint32 seed);
    // Smooth value noise in [0, 1) on a grid of the given cell size. With a period (in cells) above
    // 0 the noise repeats, so a picture of period × cell pixels tiles without a seam.
    static double smooth(double x, double y, double cell, quint32 seed, int periodX = 0, int periodY = 0);
    // Several octaves of smooth noise, each half the cell size and half the weight.
    static double fractal(double x, double y, double cell, int octaves, quint32 seed, int periodX = 0,
                          int periodY = 0);
};
