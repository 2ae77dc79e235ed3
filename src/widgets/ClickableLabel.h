// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A label that acts as a link: pointing-hand cursor, clicked() on a left-button
// release inside it. Assistive technology sees a link named by its text,
// whose press action clicks it.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    ClickableLabel(const QString& text, QWidget* parent);

    // Acts as a click with the mouse would.
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
