#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace scrivlet {

// The free-form tag dialog's result: the typed opening and closing tags, each at most 19 characters.
struct TInsertBuffer {
    std::string open;
    std::string close;
};

// "Insert New HTML Tag": two 19-character fields, empty every time the dialog is made; nothing
// typed is checked.
class THTMLInsertDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int FieldLength = 19;

    explicit THTMLInsertDialog(QWidget* parent);

    // The fields' texts (UTF-8); meaningful once the dialog ended with OK.
    TInsertBuffer TransferData() const;

    QLineEdit* openEdit() const { return open_; }
    QLineEdit* closeEdit() const { return close_; }

private:
    QLineEdit* open_ = nullptr;
    QLineEdit* close_ = nullptr;
};

} // namespace scrivlet
