#pragma once

#include "AdultScreen.h"
#include "Animation.h"
#include "ChangePublisher.h"
#include "PlayMode.h"

#include <QColor>
#include <optional>
#include <vector>

namespace wigglepad {

class AppState;
class DeferredUpdate;
class FittingColumn;
class ModeCard;
class NotificationCenter;
class SettingsStore;
class SwitchToggle;

// The screen on which an adult chooses the play mode and the swipe setting before handing the
// computer to the child: title, prompt, one card per mode, the swipe and sound switches, Start, the
// adult-controls box and a note that the choice is remembered, on the warm off-white ground,
// covering its whole parent, in the light appearance. A card click changes the mode in memory
// only; each switch stores and applies its setting at once; Start saves them all and fades the
// menu out.
//
// The menu follows the state: it hears every announcement, which the frame step makes sixty
// times a second, and then only compares the mode and the switches with what it shows.
// On a window shorter than the menu the gaps between its sections narrow, in proportion, until
// it fits; the sections keep their sizes.
//
// Keyboard: setFocus() on the menu readies it (the window's activation may hand it the focus
// too); Tab and Shift+Tab then go round the cards, the switch and Start, and Space presses the
// one with the focus ring. No control takes the focus before Tab, and hiding the menu drops it.
class MenuView : public AdultScreen {
    Q_OBJECT
public:
    MenuView(AppState& state, const QColor& ink, const QColor& muted, SettingsStore& settings,
             NotificationCenter& notifications, QWidget* parent = nullptr);
    ~MenuView() override;

    // The fraction of their set heights the gaps between the sections have now.
    double gapScale() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildSections(const QColor& ink, const QColor& muted);
    QWidget* makeCardRow(const QColor& ink, const QColor& muted);
    QWidget* makeSwipeSwitch(const QColor& ink, const QColor& muted);
    QWidget* makeSoundSwitch(const QColor& ink, const QColor& muted);
    QWidget* makeSwitchRow(const QString& title, const QString& caption, SwitchToggle* toggle,
                           const QColor& ink, const QColor& muted);
    QWidget* makeStartButton();
    QWidget* makeAdultControls(const QColor& ink, const QColor& muted);

    void refresh(const std::optional<Animation>& animation);
    void chooseMode(PlayMode mode);
    void setSwipeAllowed(bool allowed);
    void setSoundOn(bool on);
    void start();

    AppState& state_;
    SettingsStore& settings_;
    NotificationCenter& notifications_;
    FittingColumn* column_;
    std::vector<ModeCard*> cards_;
    SwitchToggle* swipeSwitch_ = nullptr;
    SwitchToggle* soundSwitch_ = nullptr;
    DeferredUpdate* update_;
    ChangePublisher::Token subscription_;
};

} // namespace wigglepad
