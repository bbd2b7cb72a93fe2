#pragma once

#include <QElapsedTimer>
#include <algorithm>

// Best of five rounds: the machine is shared, and the fastest round is the least disturbed.
template <typename F> double millisPerRun(int runs, F &&f) {
    f(); // warm-up: fonts and glyph caches
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < runs; ++i)
            f();
        best = std::min(best, double(t.nsecsElapsed()) / 1e6 / runs);
    }
    return best;
}
