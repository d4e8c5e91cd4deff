#include "Noise.h"

#include <cmath>

quint32 Noise::hash(int x, int y, quint32 seed) {
    quint32 h = seed * 0x9e3779b1u;
    h ^= quint32(x) * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= quint32(y) * 0xc2b2ae35u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

double Noise::white(int x, int y, quint32 seed) {
    return double(hash(x, y, seed) >> 8) / double(1u << 24);
}

namespace {

int wrap(int v, int period) {
    if (period <= 0)
        return v;
    const int m = v % period;
    return m < 0 ? m + period : m;
}

double fade(double t) {
    return t * t * (3 - 2 * t);
}

} // namespace

double Noise::smooth(double x, double y, double cell, quint32 seed, int periodX, int periodY) {
    const double gx = x / cell;
    const double gy = y / cell;
    const int x0 = int(std::floor(gx));
    const int y0 = int(std::floor(gy));
    const double tx = fade(gx - x0);
    const double ty = fade(gy - y0);
    const auto at = [&](int cx, int cy) { return white(wrap(cx, periodX), wrap(cy, periodY), seed); };
    const double top = at(x0, y0) * (1 - tx) + at(x0 + 1, y0) * tx;
    const double bottom = at(x0, y0 + 1) * (1 - tx) + at(x0 + 1, y0 + 1) * tx;
    return top * (1 - ty) + bottom * ty;
}

double Noise::fractal(double x, double y, double cell, int octaves, quint32 seed, int periodX, int periodY) {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * smooth(x, y, cell, seed + quint32(i) * 101u, periodX, periodY);
        total += weight;
        weight /= 2;
        cell /= 2;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / total;
}
