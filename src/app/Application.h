#pragma once

#include <QRandomGenerator>
#include <QString>

#include <functional>

class QWidget;

// Start-up and the one way the program ends.
namespace App {

// Runs the program's start-up. Returns false when the program must end at once
// (another instance is running and the user has been told so).
bool StartApplication();

// Unloads every loaded window, then ends the process.
void EndApplication();

// True once EndApplication has started.
bool isEnding();
// True once EndApplication has run.
bool hasEnded();

// --- seams ---
// What ending the process means; the program leaves the event loop, tests record.
void setExitHandler(std::function<void()> handler);
// Where the single-instance lock lives; tests point it elsewhere.
QString& lockPath();
// Forget a previous end, for tests that end the program more than once.
void resetEnded();

// The program's pseudo-random generator, seeded from the clock at start-up.
QRandomGenerator& random();
void seedRandomFromClock();

// Lifts a window above all others without activating it; shows it if hidden.
void MakeTopmost(QWidget* window);

} // namespace App
