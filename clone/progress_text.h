#pragma once
// The progress of a transfer as people read it: blocks done and the time left.

// std
#include <string>

// project
#include "clone/engine.h"

namespace transfer {

// Seconds left: from the pace so far once the transfer is under way, else
// from the line's own speed (9600 baud, 11 bits a byte, an acknowledgement a
// block).
int SecondsLeft(const Progress& progress, Clock::duration elapsed);

// "Block 123 of 495, 25 s left".
std::string ProgressLine(const Progress& progress, Clock::duration elapsed);

} // namespace transfer
