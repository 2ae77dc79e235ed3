#pragma once

// Opens each of the program's four windows as a user reaches it, for the
// tests that look at every window alike.

#include "app/Form.h"
#include "entry/frmMain.h"
#include "promotion/frmPromotion.h"
#include "result/frmDisplay.h"
#include "web/frmAbout.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace WindowTour {

inline const QStringList Windows{QStringLiteral("entry"), QStringLiteral("result"),
                                 QStringLiteral("about"), QStringLiteral("exit")};

// Adds one row per window to a data-driven test, with a "window" column.
inline void addWindowRows()
{
    QTest::addColumn<QString>("window");
    for (const QString& window : Windows)
        QTest::newRow(qPrintable(window)) << window;
}

// The About box is not one of the registered forms: TestSupport::reset()
// leaves it alone.
inline void closeAboutBoxes()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<frmAbout*>(widget))
            delete widget;
}

// A reading for 23 July 1946 (Leo), asked for as the user would.
inline frmDisplay* showReading()
{
    frmMain* entry = Forms::get<frmMain>();
    entry->show();
    entry->txtName->setText(QStringLiteral("ROSE"));
    entry->cboDate->setCurrentIndex(22);
    entry->cboMonth->setCurrentIndex(6);
    entry->cboYear->setCurrentText(QStringLiteral("1946"));
    entry->cmdNext->click();
    return Forms::existing<frmDisplay>();
}

// Opens the window, shown and active. The About box is shown without its
// modal loop, which would block the test.
inline QWidget* open(const QString& which)
{
    QWidget* window = nullptr;
    if (which == QLatin1String("entry")) {
        window = Forms::get<frmMain>();
        window->show();
    } else if (which == QLatin1String("result")) {
        window = showReading();
    } else if (which == QLatin1String("about")) {
        window = new frmAbout;
        window->show();
    } else if (which == QLatin1String("exit")) {
        frmPromotion::showExitScreen();
        window = Forms::existing<frmPromotion>();
    }
    if (window) {
        QApplication::setActiveWindow(window);
        QCoreApplication::processEvents();
    }
    return window;
}

// Widgets that only hold and paint behind other controls.
inline bool isContainer(const QWidget* widget)
{
    const QByteArrayView kind(widget->metaObject()->className());
    return kind == "QWidget" || kind == "QFrame";
}

namespace detail {

inline void collect(QWidget* parent, QWidget* window, QList<QWidget*>& found)
{
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || !child->isVisibleTo(window))
            continue;
        if (isContainer(child)) {
            collect(child, window, found);
            continue;
        }
        found.append(child);
        // A captioned frame is a control and a container at once.
        if (qobject_cast<QGroupBox*>(child))
            collect(child, window, found);
    }
}

} // namespace detail

// The window's visible controls, without the parts compound controls are made
// of (a text box's scroll bars, a list's popup).
inline QList<QWidget*> controls(QWidget* window)
{
    QList<QWidget*> found;
    detail::collect(window, window, found);
    return found;
}

// A caption as shown: the access-key marker removed, "&&" shown as "&".
inline QString shownCaption(QString caption)
{
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption.at(i) == QLatin1Char('&'))
            caption.remove(i, 1);
    return caption;
}

} // namespace WindowTour
