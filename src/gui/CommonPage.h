#pragma once

#include <QWidget>

class QBoxLayout;
class QVBoxLayout;

namespace tarvo::gui {

class RadioGroup;

// The first page, "共通（フリー/シェア）": the fields every registration has, in
// three columns, and the preview button. It owns the four visibility rules: a
// choice shows or hides its follow-up field and caption, and hiding never clears.
class CommonPage : public QWidget {
    Q_OBJECT

public:
    explicit CommonPage(QWidget* parent = nullptr);

private slots:
    void radioGroup6Click(int index);
    void radioGroup8Click(int index);
    void radioGroup9Click(int index);
    void radioGroup10Click(int index);

private:
    QVBoxLayout* buildLeftColumn();
    QVBoxLayout* buildMiddleColumn();
    QVBoxLayout* buildRightColumn();
    void addOperatingSystems(QBoxLayout* column);
    void addPermission(QBoxLayout* column, RadioGroup* group, const QString& labelName, const QString& editName);
    void showFollowUp(const char* labelName, const char* editName, bool shown);
};

} // namespace tarvo::gui
