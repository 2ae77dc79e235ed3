// SPDX-License-Identifier: MIT
// The cheapest window like the entry window: the same size, and one control
// of each kind it shows (menu bar, frame, label, text box, drop-down list,
// button). Ends on the event loop's first idle moment, as the start-up probe does.
#include "Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* bar = new QMenuBar(&window);
    bar->setNativeMenuBar(false);
    bar->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    layout->setMenuBar(bar);
    auto* client = new QWidget(&window);
    client->setFixedSize(twipsSize(7260, 5055));
    layout->addWidget(client);

    auto* frame = new QFrame(client);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(twipsRect(0, 600, 7260, 3615));
    (new QLabel(QStringLiteral("Name"), frame))->setGeometry(twipsRect(240, 330, 555, 195));
    (new QLineEdit(frame))->setGeometry(twipsRect(1680, 240, 3735, 375));
    auto* list = new QComboBox(frame);
    list->addItems({QStringLiteral("January"), QStringLiteral("February")});
    list->setGeometry(twipsRect(2760, 960, 1500, 315));
    (new QPushButton(QStringLiteral("Find"), frame))->setGeometry(twipsRect(600, 2880, 6015, 495));

    window.show();
    // A zero timer fires once the window system's queue is empty (the window
    // exposed and painted). exit(), not quit(): quit() closes every window
    // first, which would set off what closing the entry window does.
    QTimer idle;
    idle.setSingleShot(true);
    QObject::connect(&idle, &QTimer::timeout, &app, [] { QCoreApplication::exit(0); });
    idle.start(0);
    return QApplication::exec();
}
