#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scrivlet {

class FileEditor;

// The modeless find or replace dialog of one editor: search text, match case, whole word and
// direction; Replace adds the replacement text and the Replace and Replace All buttons.
class FindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    FindReplaceDialog(FileEditor* editor, bool replace, const QString& initialText);

    QString findText() const;
    QString replaceText() const;
    bool matchCase() const;
    bool wholeWord() const;
    bool forward() const;
    void setOptions(bool matchCase, bool wholeWord, bool forward);

signals:
    void findNextRequested();
    void replaceRequested();
    void replaceAllRequested();

private:
    void updateButtons();

    QLineEdit* find_ = nullptr;
    QLineEdit* replace_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QCheckBox* wholeWord_ = nullptr;
    QRadioButton* up_ = nullptr;
    QRadioButton* down_ = nullptr;
    QPushButton* findNext_ = nullptr;
    QPushButton* replaceOne_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
};

} // namespace scrivlet
