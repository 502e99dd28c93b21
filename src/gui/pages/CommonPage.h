#pragma once

#include "gui/FormNames.h"

#include "core/entry/FieldText.h"
#include "core/guidance/FieldHelp.h"

#include <QWidget>

#include <array>
#include <map>
#include <string>
#include <vector>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace tarvo::gui {

class ClickablePanel;
class Cp932PlainTextEdit;
class RadioGroup;

// The first page, "共通（フリー/シェア）": the fields every registration has, in
// three columns, and the preview button. It owns the four visibility rules: a
// choice shows or hides its follow-up field and caption, and hiding never clears.
class CommonPage : public QWidget {
    Q_OBJECT

public:
    explicit CommonPage(QWidget* parent = nullptr);

    // The form starts with its first field, not with the tab bar.
    void focusFirstField();
    // Fills the Category list (CP932 names) and leaves its text empty.
    void setCategories(const std::vector<std::string>& cp932Names);
    // The remembered author, shown as the entry binding writes a field.
    void showAuthorId(const SingleLineText& authorId);
    // Refills the Subcategory list (CP932 entries) and leaves its text empty.
    void setSubcategories(const std::vector<std::string>& cp932Entries);

signals:
    void previewRequested();
    void loadRequested();
    void descriptionSizeRequested();
    void fieldHelpRequested(tarvo::HelpTopic topic);
    // The author changed the Category text, by typing or by choosing an item; a
    // text set by a program step does not count.
    void categoryEdited();
    // The same for the Handling text.
    void handlingEdited();
    // The text of Description or Notes changed, by the author or a program step.
    void memoTextChanged();

private slots:
    void showOriginalLibraryNumber(int submissionKind);
    void showFileLocationOther(int fileLocation);
    void showPrintRefusalReason(int permission);
    void showWebRefusalReason(int permission);

private:
    // Only the page and the binding of the entry write into these.
    friend class EntryBinding;
    struct Controls {
        QLineEdit* authorId = nullptr;
        RadioGroup* submissionKind = nullptr;
        QLabel* originalLibraryNumberCaption = nullptr;
        QLineEdit* originalLibraryNumber = nullptr;
        QLineEdit* softwareName = nullptr;
        ClickablePanel* loadPanel = nullptr;
        QLineEdit* headline = nullptr;
        Cp932PlainTextEdit* description = nullptr;
        ClickablePanel* sizePanel = nullptr;
        QLineEdit* archiveFileName = nullptr;
        QLineEdit* publicationFileName = nullptr;
        QLineEdit* version = nullptr;
        QComboBox* machine = nullptr;
        std::array<QCheckBox*, 6> operatingSystems {};
        QLineEdit* otherOs = nullptr;
        QLineEdit* requiredSoftware = nullptr;
        QComboBox* handling = nullptr;
        QComboBox* category = nullptr;
        QComboBox* subcategory = nullptr;
        RadioGroup* fileLocation = nullptr;
        QLabel* fileLocationOtherCaption = nullptr;
        QLineEdit* fileLocationOther = nullptr;
        RadioGroup* printPermission = nullptr;
        QLabel* printRefusalCaption = nullptr;
        QLineEdit* printRefusalReason = nullptr;
        RadioGroup* webPermission = nullptr;
        QLabel* webRefusalCaption = nullptr;
        QLineEdit* webRefusalReason = nullptr;
        Cp932PlainTextEdit* notes = nullptr;
        QPushButton* previewButton = nullptr;
        std::map<HelpTopic, ClickablePanel*> helpPanels;
    };

    QVBoxLayout* buildLeftColumn();
    QVBoxLayout* buildMiddleColumn();
    QVBoxLayout* buildRightColumn();
    void addOperatingSystems(QBoxLayout* column);
    void addPermission(QBoxLayout* column, RadioGroup* group, QLabel*& caption, QLineEdit*& reason,
        FormName captionName, FormName reasonName);
    ClickablePanel* helpPanel(HelpTopic topic);
    void nameForAssistiveTechnology();
    void putPanelsAfterTheirFields();

    Controls m_ui;
};

} // namespace tarvo::gui
