#pragma once

#include <QObject>
#include <QThread>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace wigglepad {

class SpeechSynthesiser;

// Spoken characters, each synthesised once per language on a thread of its own and kept for the
// run, so a clip handed out stays valid while anything plays it. Requests and answers happen on
// the thread that made the cache.
class SpeechCache : public QObject {
    Q_OBJECT
public:
    using Speak = std::function<void(std::span<const float> clip)>;

    // Clips come at `sampleRate`; `speak` gets each one asked for. A speech engine that cannot
    // start is said once on `log`.
    SpeechCache(double sampleRate, Speak speak, std::ostream& log, QObject* parent = nullptr);
    ~SpeechCache() override;

    // Speaks `character` (UTF-8) in `language`: at once when cached, otherwise when synthesised,
    // unless another request came meanwhile (the child has moved on).
    void say(const std::string& character, const std::string& language);

    // How many clips were synthesised so far.
    int syntheses() const { return syntheses_; }

    // The language, of those the engine speaks here, for a locale's language code ("de_CH" ->
    // "de"); English for any other.
    static std::string languageFor(const std::string& localeName);

private:
    using Key = std::pair<std::string, std::string>; // language, character

    void synthesiseOffThread(const Key& key);
    void synthesised(const Key& key, const std::vector<float>& clip);

    double sampleRate_;
    Speak speak_;
    std::ostream& log_;
    std::map<Key, std::vector<float>> clips_; // a map, so the clips never move
    std::set<Key> pending_;
    Key latest_; // the last character asked for
    int syntheses_ = 0;
    QThread thread_;
    QObject worker_;                                 // lives on thread_
    std::unique_ptr<SpeechSynthesiser> synthesiser_; // made and used on thread_ only
};

} // namespace wigglepad
