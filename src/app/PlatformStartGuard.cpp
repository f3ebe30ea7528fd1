#include "PlatformStartGuard.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

namespace wigglepad {

PlatformStartGuard* PlatformStartGuard::active_ = nullptr;

PlatformStartGuard::PlatformStartGuard()
    : previous_(qInstallMessageHandler(&PlatformStartGuard::hold)) {
    active_ = this;
}

PlatformStartGuard::~PlatformStartGuard() {
    qInstallMessageHandler(previous_);
    active_ = nullptr;
    for (const HeldMessage& message : held_) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        previous_(message.type, context, QString::fromStdString(message.text));
    }
}

void PlatformStartGuard::hold(QtMsgType type, const QMessageLogContext& context,
                              const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs("wigglepad: cannot open the display: no windowing system answered\n", stderr);
        std::_Exit(1);
    }
    active_->held_.push_back(
        {type, context.category ? context.category : "default", text.toStdString()});
}

} // namespace wigglepad
