#pragma once

#include <QPointer>
#include <QPushButton>
#include <QWidget>

class QMenuBar;
class QVBoxLayout;

// A top-level window that behaves like the program's forms: built with a fixed
// client area, opened centred, "unloaded" by closing (which runs its unload
// handling once and deletes it), with a default and a cancel button.
class Form : public QWidget
{
    Q_OBJECT

public:
    Form(const QString& objectName, int clientWidthTwips, int clientHeightTwips);
    ~Form() override;

    // The area below the menu bar in which the controls are placed.
    QWidget* client() const { return m_client; }
    // Created on first use, above the client area.
    QMenuBar* menuBar();

    // True once the window has been closed; it is deleted soon after.
    bool isUnloaded() const { return m_unloaded; }
    // Closes the window; its unload handling runs once.
    void unload();

    // Every form not yet unloaded, oldest first.
    static QList<Form*> loadedForms();

protected:
    // The window's unload handling, run once when it is closed by any means.
    virtual void unloading() {}

    void setDefaultButton(QPushButton* button) { m_defaultButton = button; }
    void setCancelButton(QPushButton* button) { m_cancelButton = button; }

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QVBoxLayout* m_layout;
    QWidget* m_client;
    QMenuBar* m_menuBar = nullptr;
    QPointer<QPushButton> m_defaultButton;
    QPointer<QPushButton> m_cancelButton;
    bool m_unloaded = false;
    bool m_placed = false;
};

// The program's single-instance windows: created on first use, forgotten when
// unloaded, so the next use creates a fresh one.
namespace Forms {

template <class T> QPointer<T>& slot()
{
    static QPointer<T> instance;
    return instance;
}

// The window of this kind, created (not shown) if none is loaded.
template <class T> T* get()
{
    QPointer<T>& instance = slot<T>();
    if (!instance || instance->isUnloaded())
        instance = new T;
    return instance;
}

// The loaded window of this kind, or null; never creates one.
template <class T> T* existing()
{
    QPointer<T>& instance = slot<T>();
    return instance && !instance->isUnloaded() ? instance.data() : nullptr;
}

} // namespace Forms
