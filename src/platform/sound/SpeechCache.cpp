#include "SpeechCache.h"

#include "SpeechSynthesiser.h"

#include <ostream>

namespace wigglepad {

SpeechCache::SpeechCache(double sampleRate, Speak speak, std::ostream& log, QObject* parent)
    : QObject(parent)
    , sampleRate_(sampleRate)
    , speak_(std::move(speak))
    , log_(log) {
    worker_.moveToThread(&thread_);
    thread_.start(QThread::LowPriority);
}

// The thread is stopped before the synthesiser goes, so nothing uses it any more.
SpeechCache::~SpeechCache() {
    thread_.quit();
    thread_.wait();
}

void SpeechCache::say(const std::string& character, const std::string& language) {
    const Key key{language, character};
    latest_ = key;
    if (const auto cached = clips_.find(key); cached != clips_.end()) {
        if (!cached->second.empty())
            speak_(cached->second);
        return;
    }
    if (pending_.insert(key).second)
        synthesiseOffThread(key);
}

std::string SpeechCache::languageFor(const std::string& localeName) {
    const std::string language = localeName.substr(0, 2);
    return language == "de" || language == "fr" ? language : "en";
}

// The engine loads its data on first use, on the speech thread, so start-up never waits for it.
void SpeechCache::synthesiseOffThread(const Key& key) {
    QMetaObject::invokeMethod(&worker_, [this, key] {
        if (!synthesiser_) {
            synthesiser_ = std::make_unique<SpeechSynthesiser>(sampleRate_);
            if (!synthesiser_->ready())
                log_ << "wigglepad: the speech engine could not start; letters and numbers "
                        "stay silent\n";
        }
        const std::vector<float> clip = synthesiser_->synthesise(key.second, key.first);
        QMetaObject::invokeMethod(this, [this, key, clip] { synthesised(key, clip); });
    });
}

void SpeechCache::synthesised(const Key& key, const std::vector<float>& clip) {
    pending_.erase(key);
    ++syntheses_;
    const std::vector<float>& kept = clips_.emplace(key, clip).first->second;
    if (key == latest_ && !kept.empty())
        speak_(kept);
}

} // namespace wigglepad
