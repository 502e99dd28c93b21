#include "gui/desktop/Fonts.h"
#include "gui/widgets/CaptionLabel.h"

#include <QTest>

#include <functional>

using namespace tarvo::gui;

class TestCaptionLabel : public QObject {
    Q_OBJECT

private slots:
    // Every measure a layout asks for is QLabel's own, before and after the
    // text, the font or the shape changes.
    void measuresAsQLabel()
    {
        const QString line = QStringLiteral("●1行見出し(ソフトの簡単な説明1行だけ)");
        const QString sentence
            = QStringLiteral("自動改行するので、行を変えたい時だけ改行して下さい。\tTab と English.");
        const std::function<void(QLabel&)> setups[] = {
            [](QLabel&) {},
            [](QLabel& label) { label.setWordWrap(true); },
            [](QLabel& label) { label.setAlignment(Qt::AlignRight | Qt::AlignBottom); },
            [](QLabel& label) { label.setContentsMargins(3, 1, 5, 2); },
            [](QLabel& label) { label.setMinimumWidth(300); },
            [](QLabel& label) { label.setMargin(4); },
            [](QLabel& label) { label.setFrameStyle(QFrame::Box); },
            [](QLabel& label) { label.setTextFormat(Qt::RichText); },
        };
        const std::function<void(QLabel&)> changes[] = {
            [&](QLabel& label) { label.setText(sentence); },
            [](QLabel& label) { label.setFont(pixelFont(kProportionalGothic, kLargerTextSize)); },
            [](QLabel& label) { label.setWordWrap(!label.wordWrap()); },
            [](QLabel& label) { label.setText(QStringLiteral("A\nB")); },
        };
        for (int setup = 0; setup < int(std::size(setups)); ++setup) {
            QWidget window;
            window.setFont(windowFont());
            QLabel plain(&window);
            CaptionLabel caption(&window);
            for (QLabel* label : { &plain, static_cast<QLabel*>(&caption) }) {
                label->setText(line);
                setups[setup](*label);
            }
            for (int step = 0; step <= int(std::size(changes)); ++step) {
                if (step > 0) {
                    changes[step - 1](plain);
                    changes[step - 1](caption);
                }
                const QByteArray where = QByteArray::number(setup) + '/' + QByteArray::number(step);
                QVERIFY2(caption.sizeHint() == plain.sizeHint(), where);
                QVERIFY2(caption.minimumSizeHint() == plain.minimumSizeHint(), where);
                for (const int width : { 0, 27, 120, 256, 256, 2000 })
                    QVERIFY2(caption.heightForWidth(width) == plain.heightForWidth(width), where);
            }
        }
    }
};

QTEST_MAIN(TestCaptionLabel)
#include "TestCaptionLabel.moc"
