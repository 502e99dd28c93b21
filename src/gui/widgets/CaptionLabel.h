#pragma once

#include <QFont>
#include <QLabel>
#include <QMargins>

#include <map>

namespace tarvo::gui {

// A label of plain text that measures its text once for each question. QLabel
// lays a single line out three times for its two size hints (at its usual
// width, at no width and at the widest), though the line has one size whatever
// the width, and lays wrapped text out again each time a layout asks its height
// for a width, which layouts ask over and over. A window full of captions pays
// that for every one of them. A label showing anything else (rich text, a
// picture, a mnemonic) or taking the focus is measured as QLabel measures it.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

private:
    // What the measures depend on.
    struct Measured {
        QString text;
        QFont font;
        Qt::Alignment alignment;
        bool wordWrap = false;
        QMargins contentsMargins;
        int margin = 0;
        int indent = 0;
        int frameWidth = 0;
        QSize minimumSize;
        int dpi = 0;
        bool operator==(const Measured&) const = default;
    };

    bool isPlainText() const;
    bool isSingleLine() const;
    void forgetOutdatedMeasures() const;

    mutable Measured m_measured;
    mutable QSize m_lineSize;
    mutable std::map<int, int> m_heightForWidth;
};

} // namespace tarvo::gui
