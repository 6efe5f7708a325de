// What a progress bar shows of a fraction: its integer percent, from 0 to 100.
#pragma once

namespace vandro {

int ProgressPercent(float fraction);

} // namespace vandro
