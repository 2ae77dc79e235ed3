#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// Shared set-up for the test programs: nothing a test does may block on a
// message box, open a real browser, end the test process or touch the real
// user's settings and lock.
namespace TestSupport {

// Call first (in initTestCase): message boxes answer from a queue and are
// recorded, settings live in a test folder, the single-instance lock lives in
// a temporary folder, ending the program is only recorded, and opened web
// addresses are recorded instead of reaching a browser.
void isolate();

// Unloads every window, forgets the recorded end, messages and addresses, so
// that the next test starts as a fresh run would.
void reset();

// How many times the program asked to end since the last reset.
int exitRequests();

// Addresses handed to the browser since the last call, oldest first.
QList<QUrl> takeOpenedUrls();

// Removes everything from the test settings store.
void clearSettings();

} // namespace TestSupport
