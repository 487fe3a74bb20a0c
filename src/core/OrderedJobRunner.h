// OrderedJobRunner: works on several jobs of a list at once and finishes them
// strictly in list order, so that running on several threads looks exactly like
// running one job after the other.
//
// - prepare(i) runs on worker threads and may run ahead of the commits; it must
//   not throw and must not do anything another job could see (write no files).
// - commit(i) runs on the calling thread, for i = 0, 1, 2, ... in order, once
//   job i is prepared. It returns false to stop: no later job is committed, the
//   jobs in flight finish their preparation and are discarded, none is started.
// - waitsFor(i), when given, names an earlier job whose commit must come before
//   job i is prepared (its source is that job's output), or -1.
// - At most 2 x threads jobs are prepared ahead of the commits, which bounds the
//   memory held by prepared results. threads <= 1 runs prepare and commit in turn
//   on the calling thread. If threads cannot be started, fewer are used.
#pragma once

#include <cstddef>
#include <functional>

namespace snapwane {

class OrderedJobRunner {
public:
    struct Work {
        std::function<void(std::size_t)> prepare;
        std::function<bool(std::size_t)> commit;
        std::function<std::ptrdiff_t(std::size_t)> waitsFor; // may be empty
    };

    // Returns how many jobs were committed.
    static std::size_t Run(std::size_t count, int threads, const Work& work);
};

} // namespace snapwane
