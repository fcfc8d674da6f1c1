#pragma once
// Splitting a large piece of pixel work into bands of rows (or of any
// index range) that the calling thread and a small persistent pool of helper
// threads share out. The bands never overlap, so work that writes only its
// own rows gives the same result however they are shared.
#include <functional>

namespace quillo {

// Calls work(first, last) for consecutive bands [first, last) of at most
// bandSize indices covering [begin, end), and returns once every band is
// done. The calling thread takes bands too, so nothing waits on a helper
// that has not woken yet. Runs everything on the calling thread when the
// processor has a single core, when there is only one band, or while another
// thread's bands occupy the pool. When a band throws, the other bands still
// run, and the first exception is rethrown once all are done.
void RunInBands(int begin, int end, int bandSize, const std::function<void(int, int)>& work);

}  // namespace quillo
