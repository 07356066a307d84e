#pragma once

#include <QString>

class QWidget;

// The program's modal message boxes, all titled with the application's title.
namespace zelmora {

void showError(QWidget* parent, const QString& text);
void showInformation(QWidget* parent, const QString& text);

// Yes and No with the question icon; true when the user answers Yes.
bool askYesNo(QWidget* parent, const QString& text);

}  // namespace zelmora
