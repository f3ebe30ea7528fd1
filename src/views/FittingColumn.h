#pragma once

#include <QWidget>
#include <vector>

class QSpacerItem;
class QVBoxLayout;

namespace wigglepad {

// A column of sections with set gaps between them. When the column is taller than the room it
// is given, it narrows every gap in the same proportion until it fits, down to a floor; the
// sections keep their sizes. A column still too tall says by how much, so that its owner can
// build it again smaller.
class FittingColumn : public QWidget {
    Q_OBJECT
public:
    // The least fraction of its set height a gap keeps.
    static constexpr double kMinGapScale = 0.3;

    // `sidePadding` is kept left and right of the widest section.
    explicit FittingColumn(int sidePadding, QWidget* parent = nullptr);

    // A section is centred unless `alignment` says otherwise.
    void addSection(QWidget* section, Qt::Alignment alignment = Qt::AlignHCenter);
    void addGap(int height);

    // Narrows the gaps just enough to fit `room`'s height, then takes its natural width and
    // centres itself in `room`. A column that does not fit even with the narrowest gaps
    // overflows the room equally at the top and the bottom. Returns the factor the column's
    // height must shrink by to fit: 1 when it fits.
    double fitInto(const QRect& room);

    // The fraction of their set heights the gaps have now, from kMinGapScale to 1.
    double gapScale() const { return gapScale_; }

private:
    struct Gap {
        QSpacerItem* spacer;
        int height; // as set
    };

    void scaleGaps(double scale);
    int heightFor(int width) const;

    QVBoxLayout* layout_;
    std::vector<Gap> gaps_;
    double gapScale_ = 1.0;
};

} // namespace wigglepad
