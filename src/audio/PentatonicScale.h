#pragma once

namespace wigglepad {

// The major pentatonic scale from C5 upwards: any two of its notes sound well together, so
// mashing keys makes music. Degree 0 is C5, 5 is C6; negative degrees go below.
double pentatonicFrequency(int degree);

} // namespace wigglepad
