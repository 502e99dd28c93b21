#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QList>
#include <QPoint>
#include <optional>

namespace tarvo::gui {

class ClickableLabel;

// The about panel Panel2 of the help page: the program's title, its Japanese
// subtitle, the author's mail address, where the newest version is to be had
// and the studio's name, some of them with a shadow. The home page address is
// the link Label73; the drawn texts do nothing when clicked.
class AboutPanel : public QFrame {
    Q_OBJECT

public:
    // One drawn text: the shadow copy (if any) goes down first, the front copy
    // over it. Positions are the text's top left corner within the panel.
    struct DrawnText {
        QString text;
        QFont font;
        QColor front;
        QPoint frontAt;
        std::optional<QColor> shadow;
        QPoint shadowAt;
    };

    static constexpr QRect kFrame { 69, 75, 272, 52 };
    static constexpr QPoint kHomePageAt { 128, 94 };

    explicit AboutPanel(QWidget* parent = nullptr);

    // The drawn texts in drawing order.
    static QList<DrawnText> drawnTexts();

    ClickableLabel* homePageLink() const { return m_homePage; }

signals:
    // Label73 was clicked; the owner asks before opening the home page.
    void homePageClicked();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // On a dark palette the panel paints the light face it was designed on,
    // so that its coloured texts keep their colours and still read.
    bool drawsOwnFace() const;
    void showFaceBehindLink();
    static void drawBevel(QPainter& painter);
    static void drawText(QPainter& painter, const QString& text, const QFont& font, const QColor& colour, QPoint at);

    ClickableLabel* m_homePage;
};

} // namespace tarvo::gui
