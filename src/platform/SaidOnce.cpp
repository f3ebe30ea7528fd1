#include "SaidOnce.h"

#include <ostream>

namespace wigglepad {

void SaidOnce::say(std::string_view what) {
    if (said_.exchange(true))
        return;
    errors_ << "wigglepad: " << what << '\n';
    errors_.flush();
}

} // namespace wigglepad
