#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QLabel;

namespace wigglepad {

// One line of the adult-controls box: a gesture in a key-cap chip, then what it does. The chip
// sits in a slot of fixed width, so the descriptions of all rows start at the same place, and
// the two texts share their baseline. In a menu shrunk to fit a small screen every length is
// `scale` of its set value.
class ControlRow : public QWidget {
    Q_OBJECT
public:
    // `key` and `desc` are shown verbatim; `ink` colours the key, `muted` the description.
    ControlRow(const QString& key, const QString& desc, const QColor& ink, const QColor& muted,
               double scale = 1.0, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeTexts();

    double scale_;
    QLabel* key_;
    QLabel* desc_;
};

} // namespace wigglepad
