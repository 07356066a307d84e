#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <memory>

// Message boxes are answered from a timer, so that a test never hangs on one, and a box that no
// test expected fails the test at once with what it said.
namespace zelmora::testing {

// What a modal message box showed before the test answered it.
struct SeenMessage {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;  // the button Enter presses
};

// Answers the next modal message box with the given button from a timer; the result tells what
// the box showed. Call before the action that opens the box.
std::shared_ptr<SeenMessage> answerNextMessageBox(
    QMessageBox::StandardButton answer = QMessageBox::Ok);

// Stops a pending answerNextMessageBox when no box came, so its timer does not outlive the test.
void stopAnswering();

// While a test runs, a message box that no answerNextMessageBox waits for fails the test at once
// with what it said, and is closed, so that the test goes on to its end instead of hanging.
void failOnUnexpectedBoxes();
void stopFailingOnUnexpectedBoxes();

}  // namespace zelmora::testing
