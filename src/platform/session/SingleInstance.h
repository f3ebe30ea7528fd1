#pragma once

#include <QLockFile>
#include <iosfwd>
#include <memory>

namespace wigglepad {

// One running copy per user: two copies would take the activation from each other many times a
// second, and each loss of it cancels the adult's Escape hold. The first copy holds a lock file
// in the user's runtime folder ($XDG_RUNTIME_DIR; without it Qt's per-user fallback,
// /tmp/runtime-<user>, made private to the user) until it ends. A lock whose copy is gone (killed,
// crashed) is taken over. When no lock can be made at all, the copy runs unguarded and says so.
class SingleInstance {
public:
    explicit SingleInstance(std::ostream& errors);

    // Another copy holds the lock: this one should leave without showing anything.
    bool anotherCopyRuns() const { return anotherCopyRuns_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool anotherCopyRuns_ = false;
};

} // namespace wigglepad
