#pragma once

#include <QWidget>
#include <functional>

class QAbstractButton;
class QLabel;

namespace wigglepad {

// The welcome strip along the top of the play surface that tells an adult how to leave: a
// title and the instructions in white on dark slate, and a round close button at the right end,
// which runs onDismiss. The instructions wrap onto further lines of about equal length on a
// narrow window, while the close button stays at the top of the right end. Nothing in it takes
// the keyboard focus.
class InfoBanner : public QWidget {
    Q_OBJECT
public:
    explicit InfoBanner(std::function<void()> onDismiss, QWidget* parent = nullptr);

    QLabel& title() const { return *title_; }
    QLabel& instructions() const { return *instructions_; }
    QAbstractButton& closeButton() const { return *closeButton_; }

private:
    QAbstractButton* makeCloseButton(std::function<void()> onDismiss);

    QLabel* title_;
    QLabel* instructions_;
    QAbstractButton* closeButton_;
};

} // namespace wigglepad
