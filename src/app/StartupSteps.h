#pragma once

class QDateTime;

// The steps of start-up that belong to other parts of the program, in the
// order start-up runs them.
namespace Startup {

// The update reminder; may ask one question before any window shows.
void remindOfUpdate(const QDateTime& now);
// Creates and shows the entry window.
void showEntryWindow();
// Chooses which promotion label the entry window shows.
void chooseCoBrand();

} // namespace Startup
