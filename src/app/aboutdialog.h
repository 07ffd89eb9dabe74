#pragma once

#include <QDialog>

namespace scrivlet {

// The About box: the program's icon, name and version, a rights notice, and OK.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);
};

} // namespace scrivlet
