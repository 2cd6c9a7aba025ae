#include "app/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Find"));
  setModal(false);
  auto* layout = new QGridLayout(this);
  auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
  FText = new QLineEdit(this);
  label->setBuddy(FText);
  FMatchCase = new QCheckBox(QStringLiteral("Match &case"), this);
  FFindNext = new QPushButton(QStringLiteral("&Find Next"), this);
  FFindNext->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  layout->addWidget(label, 0, 0);
  layout->addWidget(FText, 0, 1);
  layout->addWidget(FFindNext, 0, 2);
  layout->addWidget(FMatchCase, 1, 0, 1, 2);
  layout->addWidget(cancel, 1, 2);
  FText->setMinimumWidth(200);
  FFindNext->setEnabled(false);
  connect(FText, &QLineEdit::textChanged, this,
          [this](const QString& text) { FFindNext->setEnabled(!text.isEmpty()); });
  connect(FFindNext, &QPushButton::clicked, this, [this] {
    if (OnFind && !FText->text().isEmpty()) OnFind(FText->text(), FMatchCase->isChecked());
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
  // F3 finds on here too, as it does in the main window.
  connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, FFindNext,
          &QPushButton::click);
}

QString TFindDialog::FindText() const { return FText->text(); }
bool TFindDialog::MatchCase() const { return FMatchCase->isChecked(); }
