// The millisecond clock the generator is seeded from at start-up.
#pragma once

namespace vandro {

// Milliseconds of a steady clock, wrapping as a 32-bit count does.
int MillisecondClock();

} // namespace vandro
