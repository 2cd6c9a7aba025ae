#pragma once
// The modeless find dialog: the text to find, "Match case", and a Find Next button (also F3)
// that asks the main window to search; the dialog stays open between searches.

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TFindDialog : public QDialog {
 public:
  explicit TFindDialog(QWidget* parent);

  QString FindText() const;
  bool MatchCase() const;

  std::function<void(const QString& text, bool matchCase)> OnFind;

 private:
  QLineEdit* FText;
  QCheckBox* FMatchCase;
  QPushButton* FFindNext;
};
