// SPDX-License-Identifier: MIT
#pragma once

#include "core/Draws.h"
#include "widgets/Form.h"

class ClickableLabel;
class QComboBox;
class QLineEdit;

// The entry window: a name, a date of birth, and the request for a reading.
// A request that passes the checks is handed on as readingRequested().
class EntryWindow : public Form
{
    Q_OBJECT

public:
    EntryWindow();

    // Shows one of the two promotion labels, which share one place, in front
    // and hides the other.
    void setFrontPromotion(Draws::Promotion promotion);

signals:
    // The entries passed the checks: a reading for this date (month 1 to 12).
    void readingRequested(int year, int month, int day);
    void aboutRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillLists();
    // The reading request: checks the entries, telling the user what is wrong.
    void requestReading();
    // True when the key event was dealt with here (refused or replaced).
    bool filterNameKey(char32_t code);

    QLineEdit* m_name;
    QComboBox* m_day;
    QComboBox* m_month;
    QComboBox* m_year;
    ClickableLabel* m_coBrand;
    ClickableLabel* m_fullBrand;
};
