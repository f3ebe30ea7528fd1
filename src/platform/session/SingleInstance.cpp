#include "SingleInstance.h"

#include <QStandardPaths>
#include <ostream>

namespace wigglepad {

SingleInstance::SingleInstance(std::ostream& errors) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        errors << "wigglepad: no private runtime folder for the lock of the running copy; "
                  "a second copy could start\n";
        return;
    }
    lock_ = std::make_unique<QLockFile>(folder + QStringLiteral("/wigglepad.lock"));
    // A lock is stale only when its copy is gone, never for its age: the run may last hours.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        return;
    }
    if (lock_->error() == QLockFile::LockFailedError) {
        anotherCopyRuns_ = true;
        return;
    }
    errors << "wigglepad: cannot make the lock of the running copy in " << folder.toStdString()
           << "; a second copy could start\n";
}

} // namespace wigglepad
