// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

// The About box: the program's name and version, what it does, and two links
// to the maker's site. Fixed size, centred, modal without an owner; deleted
// once closed.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog();

    // Every way of leaving (OK, Enter, Escape, the close box) ends here.
    void accept() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool m_placed = false;
};
