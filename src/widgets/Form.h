// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QPushButton>
#include <QWidget>

class QMenuBar;
class QVBoxLayout;

// A top-level window built with a fixed client area and opened centred.
// Closing it by any means (close box, Escape, an Exit button or menu item)
// ends it: closing() is emitted once and the window is deleted. Enter
// presses the default button and Escape the cancel button.
class Form : public QWidget
{
    Q_OBJECT

public:
    Form(const QString& objectName, int clientWidthTwips, int clientHeightTwips);

    // True once the window has been closed; it is deleted soon after.
    bool isClosed() const { return m_closed; }

signals:
    // The window is being closed; emitted once, before it goes.
    void closing();

protected:
    // The area below the menu bar in which the controls are placed.
    QWidget* client() const { return m_client; }
    // Created on first use, above the client area.
    QMenuBar* menuBar();

    void setDefaultButton(QPushButton* button) { m_defaultButton = button; }
    void setCancelButton(QPushButton* button) { m_cancelButton = button; }

public:
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QVBoxLayout* m_layout;
    QWidget* m_client;
    QMenuBar* m_menuBar = nullptr;
    QPointer<QPushButton> m_defaultButton;
    QPointer<QPushButton> m_cancelButton;
    bool m_closed = false;
    bool m_placed = false;
};

// Centres a window on the primary screen the first time it is shown.
void centreOnScreen(QWidget* window);
