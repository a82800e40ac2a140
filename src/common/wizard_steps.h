#pragma once

#include <QString>
#include <QStringList>

class QGridLayout;
class QLabel;
class QWidget;

namespace meridex {

// Gives a wizard window its white page.
void MakeWizardPage(QWidget& window);

// Adds one step to a wizard page: a red bold check mark (hidden until the
// step is done), the step's title and its lines. Returns the check mark.
QLabel* AddWizardStep(QGridLayout& grid, int row, const QString& title, const QStringList& lines);

}  // namespace meridex
