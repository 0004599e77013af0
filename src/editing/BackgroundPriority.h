// Work that the user does not wait for (the undo history's copy of a file just read, the torsion
// analysis beside the result tab) runs on threads of its own; on a machine with few cores such a
// thread would take an equal share of the processor from the interface thread. This lowers the
// calling thread's share, so that the window keeps its speed while the work goes on.
#pragma once

namespace kuvanto {

// Gives the calling thread a lower scheduling priority than the interface thread. Linux schedules
// each thread by its own nice value, and Qt's thread priorities change nothing under the default
// policy there; elsewhere this does nothing.
void lowerThreadPriority();

}  // namespace kuvanto
