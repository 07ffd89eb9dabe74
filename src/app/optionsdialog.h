#pragma once

#include <QDialog>
#include <string>

#include "core/settings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scrivlet {

// The options as the dialog's controls hold them.
struct TOptionsBuffer {
    std::string Browser;  // external browser's program path, as shown (may exceed 100 characters)
    std::string MRUSize;  // recent-files list size, as typed
    bool LCase = false;   // lower-case tags
    bool blnk = false;    // blank document at start-up
    bool HTMColor = false; // editor background follows the body colour
    bool SysB = false;    // system browser chosen
    bool SpecB = false;   // external browser chosen
};

// "Options": every option of the settings record. Changes nothing by itself; the caller reads
// TransferData after OK.
class TOptionsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int PathLength = 100;
    static constexpr int SizeLength = 2;

    // Shows the values of `record`.
    TOptionsDialog(QWidget* parent, const SettingsRecord& record);

    // The controls' values.
    TOptionsBuffer TransferData() const;

    // Makes the controls and shows the record's values in them; called once by the constructor.
    void SetupWindow();
    void CmBrowse();
    void CmSystem();
    void CmExternal();

    QLineEdit* Browse = nullptr;
    QLineEdit* MRU = nullptr;
    QCheckBox* check = nullptr;
    QCheckBox* blank = nullptr;
    QCheckBox* HtmlColor = nullptr;
    QRadioButton* sys = nullptr;
    QRadioButton* spec = nullptr;
    QPushButton* Brz = nullptr;

private:
    const SettingsRecord& record_;
};

// The number `text` begins with, after optional blanks and an optional sign; 0 when there are no
// digits. Saturates at the int range.
int leadingNumber(const std::string& text);

// `path` cut to at most `maxBytes` bytes, never inside a UTF-8 sequence.
std::string cutPath(const std::string& path, std::size_t maxBytes);

} // namespace scrivlet
