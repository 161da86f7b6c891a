// The About box: the program icon, the product name and an OK button.
#pragma once

#include <QDialog>

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};
