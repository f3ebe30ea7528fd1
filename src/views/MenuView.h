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

// The screen on which an adult chooses the play mode, switching away and sounds before handing
// the computer to the child: title, prompt, one card per mode, the two switches, Start, the
// adult-controls box and a note that the choice is remembered, on the warm off-white ground,
// covering its whole parent, in the light appearance. A card click changes the mode in memory
// only; each switch stores and applies its setting at once; Start saves them all and fades the
// menu out.
//
// The menu follows the state: it hears every announcement, which the frame step makes sixty
// times a second, and then only compares the mode and the switches with what it shows.
// The menu lays itself out below whatever covers its top (the welcome banner). In a room
// shorter than the menu the gaps between its sections narrow, in proportion, down to a floor;
// when even that does not fit, the whole column is built again uniformly smaller, texts, cards
// and gaps alike, so that nothing is clipped or hidden.
//
// Keyboard: setFocus() on the menu readies it (the window's activation may hand it the focus
// too); Tab and Shift+Tab then go round the cards, the switches and Start, and Space presses the
// one with the focus ring. No control takes the focus before Tab, and hiding the menu drops it.
class MenuView : public AdultScreen {
    Q_OBJECT
public:
    MenuView(AppState& state, const QColor& ink, const QColor& muted, SettingsStore& settings,
             NotificationCenter& notifications, QWidget* parent = nullptr);
    ~MenuView() override;

    // The height at the top of the menu that a layer above it covers; 0 when nothing does.
    void setTopInset(int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    void buildColumn(double scale);
    void buildSections();
    QWidget* makeCardRow();
    QWidget* makeSwipeSwitch();
    QWidget* makeSoundSwitch();
    QWidget* makeSwitchRow(const QString& title, const QString& help, SwitchToggle* toggle);
    QWidget* makeStartButton();
    QWidget* makeAdultControls();
    int scaled(int length) const;
    QFont scaled(const QFont& font) const;
    std::vector<QWidget*> controls() const;

    void refresh(const std::optional<Animation>& animation);
    void chooseMode(PlayMode mode);
    void setSwipeAllowed(bool allowed);
    void setSoundOn(bool on);
    void start();

    AppState& state_;
    const QColor ink_;
    const QColor muted_;
    SettingsStore& settings_;
    NotificationCenter& notifications_;
    int topInset_ = 0;
    double scale_ = 1.0;
    FittingColumn* column_ = nullptr;
    std::vector<ModeCard*> cards_;
    SwitchToggle* swipeSwitch_ = nullptr;
    SwitchToggle* soundSwitch_ = nullptr;
    QWidget* startButton_ = nullptr;
    DeferredUpdate* update_;
    ChangePublisher::Token subscription_;
};

} // namespace wigglepad
