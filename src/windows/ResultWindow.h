// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/Form.h"

class QLabel;

// The result window: Psyche's sign and what it says about the reader. Back
// and leaving both close it; the next reading fills a fresh one.
class ResultWindow : public Form
{
    Q_OBJECT

public:
    ResultWindow();

    // Writes the sign name and its paragraph.
    void showReading(const QString& signName, const QString& description);

signals:
    // Back to the entry window; the result window is gone.
    void backRequested();
    // Closed any other way (Exit, Escape, the close box).
    void leaving();
    void aboutRequested();

private:
    void goBack();

    QLabel* m_sign;
    QLabel* m_description;
    // Set while Back closes the window, which is not leaving.
    bool m_goingBack = false;
};
