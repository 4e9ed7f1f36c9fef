#pragma once

namespace kst {

// A start-up step that found the program unable to run asks for termination;
// it takes effect when start-up reaches the event loop. Any window may ask,
// so the request lives below them all.
void requestTermination();
bool terminationRequested();
void clearTerminationRequest();

}  // namespace kst
