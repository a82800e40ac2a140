#pragma once

#include <QDialog>
#include <QStringList>

#include "common/step_guide.h"

class QGridLayout;
class QLabel;

namespace meridex {

// A small white guide window with two numbered steps, each with a red bold
// check mark that stays hidden until the step is done. The window that owns
// the task starts it, reports its steps done and finishes it.
class StepWizard : public QDialog, public StepGuide {
  Q_OBJECT
 public:
  StepWizard(const QString& title, QSize size, const QStringList& step1, const QStringList& step2,
             Qt::WindowFlags flags, QWidget* parent = nullptr);

  void start() override;
  void stepDone(int step) override;
  void finish() override;

  // The check marks, shown by stepDone().
  QLabel* Check1;
  QLabel* Check2;

 protected:
  QGridLayout* grid() const { return grid_; }

 private:
  QLabel* addStep(int row, const QString& title, const QStringList& lines);
  QGridLayout* grid_;
};

}  // namespace meridex
